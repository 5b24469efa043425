#pragma once

namespace fenwake {

class Profile;

// For the time it lives, the application profile's writes are held and then reach disk
// together in one atomic replace. Every handler runs inside one.
class ProfileBatch {
public:
    ProfileBatch();
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

private:
    Profile* profile;
};

} // namespace fenwake
