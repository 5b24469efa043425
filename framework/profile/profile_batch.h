#pragma once

namespace fenwake {

class Profile;

// For the time it lives, the profile's writes are held and then reach disk together in one
// atomic replace. Every handler runs inside one. Without a profile it does nothing.
class ProfileBatch {
public:
    explicit ProfileBatch(Profile* batched);
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

private:
    Profile* profile;
};

} // namespace fenwake
