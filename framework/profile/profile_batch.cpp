#include "framework/profile/profile_batch.h"

#include "framework/profile/profile.h"

namespace fenwake {

ProfileBatch::ProfileBatch(Profile* batched) : profile(batched) {
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
