#include "framework/profile/profile_lock.h"

#include "framework/language/translation.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fenwake {

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

ProfileLock::ProfileLock(const std::string& filePath) : lockPath(filePath + ".lock") {}

ProfileLock::~ProfileLock() {
    if (descriptor >= 0) {
        // Removed while still held: whoever waits on the old file finds it gone and makes a
        // new one, so no two holders can ever think the lock is theirs.
        unlink(lockPath.c_str());
        close(descriptor);
    }
}

ProfileLock::Outcome ProfileLock::tryAcquire(std::string& problem) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int fd =
            open(lockPath.c_str(),
                 O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) {
            // A lock left by another user that the user may not even read is no one's lock
            // here: nobody who could take it can open it.
            if (errno == EACCES && attempt == 0 && unlink(lockPath.c_str()) == 0) {
                continue;
            }
            problem = Translation::fill(translated("cannot create the lock: %1: %2"),
                                        {lockPath, std::strerror(errno)});
            return Outcome::Failed;
        }
        struct stat held {};
        if (fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            close(fd);
            problem = Translation::fill(
                translated("cannot create the lock: %1 is not a regular file"), {lockPath});
            return Outcome::Failed;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            close(fd);
            if (error == EWOULDBLOCK || error == EINTR) {
                return Outcome::Busy;
            }
            problem = Translation::fill(translated("cannot take the lock %1: %2"),
                                        {lockPath, std::strerror(error)});
            return Outcome::Failed;
        }
        struct stat named {};
        if (lstat(lockPath.c_str(), &named) == 0 && sameFile(named, held)) {
            descriptor = fd;
            return Outcome::Held;
        }
        close(fd); // removed or replaced by its last holder while this one waited
    }
    return Outcome::Busy;
}

} // namespace fenwake
