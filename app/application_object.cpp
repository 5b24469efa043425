#include "app/composition_app.h"

namespace {

// The one application object. It lives in the executable's own sources, so no linker can
// leave it out, and the framework's process entry finds it at start-up.
fenwake::CompositionApp theApplication;

} // namespace
