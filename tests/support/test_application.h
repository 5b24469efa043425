#pragma once

#include "framework/application/application.h"

namespace fenwake::test {

// An application object for one test: names the program's company key, as the real start-up
// does first, and registers the program's resources.
class TestApplication : public Application {
public:
    TestApplication();
};

} // namespace fenwake::test
