#include "framework/profile/profile_lock.h"

#include "framework/language/translation.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fenwake {

namespace {

// How young an empty lock file of someone else's must be to be taken for a QLockFile that is
// about to write its record into it; and how long QLockFile itself trusts a record.
constexpr long newlyMadeSeconds = 1;
constexpr long recordTrustedSeconds = 30;
// The modification time a lock file is given as it is let go of: the end of the first day there
// was (QLockFile takes the very first second for no time at all).
constexpr struct timespec letGoMark = {86400, 0};

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

long ageInSeconds(const struct stat& status) {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::labs(static_cast<long>(now.tv_sec - status.st_mtim.tv_sec));
}

std::string thisMachine() {
    char name[HOST_NAME_MAX + 1] = {};
    return gethostname(name, sizeof name - 1) == 0 ? std::string(name) : std::string();
}

// The file name of the program a process runs, as QLockFile records it; empty when that cannot
// be seen.
std::string programOf(long pid) {
    char target[PATH_MAX];
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    if (length <= 0) {
        return {};
    }
    const std::string_view path(target, static_cast<std::size_t>(length));
    return std::string(path.substr(path.rfind('/') + 1));
}

// The record's lines: the process id, its program and its machine.
std::string_view recordLine(std::string_view record, int index) {
    for (; index > 0; --index) {
        const std::size_t lineBreak = record.find('\n');
        record =
            lineBreak == std::string_view::npos ? std::string_view() : record.substr(lineBreak + 1);
    }
    return record.substr(0, record.find('\n'));
}

// "pid\nprogram\nhost\n...", as QLockFile writes it: true when it names a process, other than
// this one, that runs that program on this machine now (or may: another user's process may not
// show its program), as QLockFile itself judges it.
bool namesALiveProcess(std::string_view record) {
    const std::string pidText(recordLine(record, 0));
    char* end = nullptr;
    const long pid = std::strtol(pidText.c_str(), &end, 10);
    if (pidText.empty() || *end != '\0' || pid <= 0 || pid > INT_MAX || pid == getpid()) {
        return false;
    }
    const std::string_view host = recordLine(record, 2);
    const std::string_view recorded = recordLine(record, 1);
    if (recorded.empty() || (!host.empty() && host != thisMachine())) {
        return false;
    }
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) {
        return false;
    }
    const std::string program = programOf(pid);
    return program.empty() || program == recorded;
}

// With the kernel lock in hand: whether a QLockFile still owns the file all the same.
bool ownedByAQLockFile(int fd, const struct stat& status) {
    if (status.st_mtim.tv_sec == letGoMark.tv_sec && status.st_mtim.tv_nsec == letGoMark.tv_nsec) {
        return false;
    }
    const long age = ageInSeconds(status);
    if (status.st_size == 0) {
        return age < newlyMadeSeconds;
    }
    char record[256];
    const ssize_t count = pread(fd, record, sizeof record, 0);
    return count > 0 && age < recordTrustedSeconds &&
           namesALiveProcess(std::string_view(record, static_cast<std::size_t>(count)));
}

std::string cannotCreate(const std::string& lockPath, int error) {
    return Translation::fill(translated("cannot create the lock: %1: %2"),
                             {lockPath, std::strerror(error)});
}

} // namespace

ProfileLock::ProfileLock(const std::string& filePath) : lockPath(filePath + ".lock") {}

ProfileLock::~ProfileLock() {
    if (descriptor >= 0) {
        // The name stays, for whoever waits on it; marked as let go, for QLockFile.
        const struct timespec times[2] = {{0, UTIME_OMIT}, letGoMark};
        futimens(descriptor, times);
        close(descriptor);
    }
}

ProfileLock::Outcome ProfileLock::tryAcquire(std::string& problem) {
    constexpr int openFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    for (int attempt = 0; attempt < 4; ++attempt) {
        bool made = true;
        int fd = open(lockPath.c_str(), openFlags | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno == EEXIST) {
            made = false;
            fd = open(lockPath.c_str(), openFlags);
            if (fd < 0 && errno == ENOENT) {
                continue; // removed in between, by a QLockFile letting go
            }
        }
        if (fd < 0) {
            const int error = errno;
            // A lock left by another user that the user may not even read is no one's lock
            // here: nobody who could take it can open it.
            if (error == EACCES && !made && attempt == 0 && unlink(lockPath.c_str()) == 0) {
                continue;
            }
            problem = cannotCreate(lockPath, error);
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
        if (lstat(lockPath.c_str(), &named) != 0 || !sameFile(named, held)) {
            close(fd); // removed or replaced by its last holder while this one waited
            continue;
        }
        if (!made && ownedByAQLockFile(fd, held)) {
            close(fd);
            return Outcome::Busy;
        }
        descriptor = fd;
        return Outcome::Held;
    }
    return Outcome::Busy;
}

} // namespace fenwake
