#pragma once

#include <chrono>
#include <memory>
#include <string>

class QLockFile;

namespace fenwake {

// The lock that lets one process at a time read, merge and replace a profile file: the file
// "<file>.lock" beside it, the same lock QSettings takes, so other Qt programs respect it too.
// It is taken with a bounded wait: a window must never stall behind another process.
class ProfileLock {
public:
    explicit ProfileLock(const std::string& filePath);
    ~ProfileLock(); // lets go of the lock if it is held
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    // True once the lock is held. False, with the reason, when it could not be made or was
    // still held by someone else when the wait ran out.
    bool acquire(std::chrono::milliseconds wait, std::string& problem);

private:
    bool clearIfAbandoned();

    std::string lockPath;
    std::unique_ptr<QLockFile> lock;
    // An empty lock that nobody holds: a writer killed between creating it and filling it in.
    // It is cleared only after a second look at least this much later finds it the same.
    std::chrono::steady_clock::time_point firstSeenAbandoned;
    unsigned long long abandonedInode = 0;
};

} // namespace fenwake
