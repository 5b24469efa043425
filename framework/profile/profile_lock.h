#pragma once

#include <string>

namespace fenwake {

// The lock that lets one process at a time read, merge and replace a profile file: a kernel
// lock (flock) on the file "<file>.lock" beside it. The kernel lets go of it when its holder
// dies, so whatever a crashed or foreign program left in that file (nothing, NUL bytes, its
// pid, another host's name) never stops anyone; only a live holder is waited for. Qt's
// QLockFile takes the same kernel lock, so QSettings in another program is respected too.
// The file is removed as the lock is let go, so the folder keeps only the settings.
class ProfileLock {
public:
    explicit ProfileLock(const std::string& filePath);
    ~ProfileLock(); // lets go of the lock if it is held
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    enum class Outcome { Held, Busy, Failed };
    // One try, without waiting. Failed, with the reason, when the lock cannot be made at all.
    Outcome tryAcquire(std::string& problem);

private:
    std::string lockPath;
    int descriptor = -1;
};

} // namespace fenwake
