#include "framework/profile/profile_batch.h"

#include "framework/application/application.h"
#include "framework/profile/profile.h"

namespace fenwake {

ProfileBatch::ProfileBatch()
    : profile(Application::current() != nullptr ? &Application::current()->profile() : nullptr) {
    if (profile != nullptr) {
        profile->beginBatch();
    }
}

ProfileBatch::~ProfileBatch() {
    if (profile != nullptr) {
        profile->endBatch();
    }
}

} // namespace fenwake
