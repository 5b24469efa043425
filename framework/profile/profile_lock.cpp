#include "framework/profile/profile_lock.h"

#include <QLockFile>
#include <QString>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

namespace fenwake {

namespace {

using namespace std::chrono_literals;

constexpr auto pollInterval = 5ms;
constexpr auto secondLookAfter = 50ms;

// An empty regular file that no process holds: what a writer killed between creating its
// lock and writing its name into it leaves behind. A live writer holds its lock from the
// moment it exists and fills it in at once.
bool looksAbandoned(const std::string& path, unsigned long long& inode) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size != 0) {
        return false;
    }
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool unheld = flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    close(descriptor); // also lets go of the lock just taken
    inode = status.st_ino;
    return unheld;
}

} // namespace

ProfileLock::ProfileLock(const std::string& filePath)
    : lockPath(filePath + ".lock"),
      lock(std::make_unique<QLockFile>(QString::fromStdString(lockPath))) {
    // Only a lock whose process has died is stale; a live one, however old, is respected.
    lock->setStaleLockTime(0);
}

ProfileLock::~ProfileLock() = default;

bool ProfileLock::acquire(std::chrono::milliseconds wait, std::string& problem) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (lock->tryLock(0)) {
            return true;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            problem = "cannot create the lock file " + lockPath;
            return false;
        }
        if (clearIfAbandoned()) {
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            problem = "the settings are locked by another program (" + lockPath + ")";
            return false;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(pollInterval, deadline - now));
    }
}

bool ProfileLock::clearIfAbandoned() {
    unsigned long long inode = 0;
    const auto now = std::chrono::steady_clock::now();
    if (!looksAbandoned(lockPath, inode)) {
        abandonedInode = 0;
        return false;
    }
    if (abandonedInode != inode) {
        abandonedInode = inode;
        firstSeenAbandoned = now;
        return false;
    }
    if (now - firstSeenAbandoned < secondLookAfter) {
        return false;
    }
    // Two programs clearing the same lock at once could remove each other's fresh one; the
    // remover's own lock keeps them apart, as QLockFile does for stale locks.
    QLockFile remover(QString::fromStdString(lockPath + ".rmlock"));
    remover.setStaleLockTime(0);
    const bool cleared = remover.tryLock(0) && looksAbandoned(lockPath, inode) &&
                         inode == abandonedInode && lock->removeStaleLockFile();
    abandonedInode = 0;
    return cleared;
}

} // namespace fenwake
