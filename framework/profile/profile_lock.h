#pragma once

#include <string>

namespace fenwake {

// The lock that lets one process at a time read, merge and replace a profile file: a kernel
// lock (flock) on the file "<file>.lock" beside it. The kernel lets go of it when its holder
// dies, so whatever a crashed or foreign program left in that file never stops anyone for
// long; only a live holder is waited for.
//
// Two other kinds of program take the same lock, and each is respected:
// - flock(1) in a shell script, which waits on the file it opened. The file is therefore never
//   removed: a waiter would otherwise hold a lock on a file that no longer has the name while
//   the next taker made a new one. It stays in the folder, empty.
// - Qt's QLockFile, as QSettings takes it, for which the lock is the file's existence: it
//   creates the file, takes the kernel lock, writes its process id, and lets go by closing the
//   file and then removing it. Between those two steps the kernel lock is free while the lock
//   is not, so a file holding the record of a live process on this machine counts as held, as
//   does an empty file made a moment ago (a QLockFile between creating and writing it). A file
//   this lock let go of carries a modification time no live lock has, which QLockFile takes
//   for stale and removes at once, so that QSettings never waits on it either.
class ProfileLock {
public:
    explicit ProfileLock(const std::string& filePath);
    ~ProfileLock(); // lets go of the lock if it is held
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    enum class Outcome { Held, Busy, Failed };
    // One try, without waiting. Failed, with the reason, when the lock cannot be made at all.
    Outcome tryAcquire(std::string& problem);

    const std::string& path() const { return lockPath; }

private:
    std::string lockPath;
    int descriptor = -1;
};

} // namespace fenwake
