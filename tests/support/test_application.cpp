#include "tests/support/test_application.h"

#include "res/program_resources.h"

namespace fenwake::test {

TestApplication::TestApplication() {
    registerProgramResources();
    setRegistryKey("Kestrova");
}

} // namespace fenwake::test
