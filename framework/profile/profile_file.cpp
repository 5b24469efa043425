#include "framework/profile/profile_file.h"

#include "framework/formats/profile_file_format.h"
#include "framework/language/translation.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fenwake {

namespace {

constexpr int mostLinksFollowed = 8;
constexpr std::string_view temporaryMark = ".saving-";
constexpr std::size_t temporaryLetters = 6;

std::string systemError(int error) {
    return std::strerror(error);
}

ProfileFile::Contents refused(std::string problem) {
    return {ProfileFile::State::Refused, {}, std::move(problem)};
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() { release(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd; }
    // Closes now, saying whether the system reported the file written.
    bool release() {
        const int closing = fd;
        fd = -1;
        return closing < 0 || close(closing) == 0;
    }

private:
    int fd;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ownedByUser(const struct stat& status) {
    return status.st_uid == geteuid();
}

// A pattern of the desktop's language, filled in.
std::string said(const std::string& pattern, std::initializer_list<std::string> arguments) {
    return Translation::fill(pattern, arguments);
}

// A folder may be a link of the user's; what it leads to must be the user's folder.
std::string folderProblem(const std::string& file, const std::string& folder) {
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0) {
        return errno == ENOENT ? std::string()
                               : said(translated("the folder of %1, %2, cannot be examined: %3"),
                                      {file, folder, systemError(errno)});
    }
    if (S_ISLNK(status.st_mode) && !ownedByUser(status)) {
        return said(translated("the folder of %1, %2, is a link that belongs to another user"),
                    {file, folder});
    }
    if (stat(folder.c_str(), &status) != 0) {
        return said(translated("the folder of %1, %2, cannot be examined: %3"),
                    {file, folder, systemError(errno)});
    }
    if (!S_ISDIR(status.st_mode)) {
        return said(translated("the folder of %1, %2, is not a folder"), {file, folder});
    }
    if (!ownedByUser(status)) {
        return said(translated("the folder of %1, %2, belongs to another user"), {file, folder});
    }
    return {};
}

// Reads at most limit + 1 bytes, so that a file that grew past the limit is noticed.
bool readAtMost(int fd, std::size_t limit, std::string& text, int& error) {
    char buffer[16384];
    while (text.size() <= limit) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            error = errno;
            return false;
        }
        if (count == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return true;
}

// A short count is no error of its own: the rest is written again, and a disk that filled up
// part of the way then says so.
bool writeAll(int fd, std::string_view text, int& error) {
    while (!text.empty()) {
        const ssize_t count = ::write(fd, text.data(), text.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            error = count < 0 ? errno : ENOSPC;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

std::string temporaryName(const std::string& name) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(getpid()));
    std::string result = name + std::string(temporaryMark);
    for (std::size_t i = 0; i < temporaryLetters; ++i) {
        result += letters[random() % (sizeof letters - 1)];
    }
    return result;
}

bool isTemporaryOf(std::string_view entry, const std::string& name) {
    return entry.size() == name.size() + temporaryMark.size() + temporaryLetters &&
           entry.substr(0, name.size()) == name &&
           entry.substr(name.size(), temporaryMark.size()) == temporaryMark;
}

} // namespace

ProfileFile::ProfileFile(std::string path, std::string section)
    : filePath(std::move(path)), ownSection(std::move(section)), target(resolve()) {}

ProfileFile::Target ProfileFile::resolve() const {
    Target target{folderOf(filePath), nameOf(filePath),
                  folderProblem(filePath, folderOf(filePath))};
    for (int link = 0; target.problem.empty(); ++link) {
        const std::string current = target.path();
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                target.problem =
                    said(translated("%1 cannot be examined: %2"), {current, systemError(errno)});
            }
            break; // a new file
        }
        if (!ownedByUser(status)) {
            target.problem =
                S_ISLNK(status.st_mode)
                    ? said(translated("%1 leads through a link, %2, that belongs to another user"),
                           {filePath, current})
                    : said(translated("%1 is a file that belongs to another user"), {current});
            break;
        }
        if (!S_ISLNK(status.st_mode)) {
            break;
        }
        if (link == mostLinksFollowed) {
            target.problem = said(translated("%1 leads through too many links"), {filePath});
            break;
        }
        char destination[4096];
        const ssize_t length = readlink(current.c_str(), destination, sizeof destination - 1);
        if (length < 0) {
            target.problem =
                said(translated("%1 cannot be followed: %2"), {current, systemError(errno)});
            break;
        }
        std::string next(destination, static_cast<std::size_t>(length));
        if (next.front() != '/') {
            next.insert(0, 1, '/').insert(0, target.folder);
        }
        target = {folderOf(next), nameOf(next), folderProblem(filePath, folderOf(next))};
    }
    // Renames go to the folder itself, whatever links led to it.
    if (target.problem.empty()) {
        if (char* real = realpath(target.folder.c_str(), nullptr)) {
            target.folder = real;
            std::free(real);
        }
    }
    return target;
}

ProfileFile::Contents ProfileFile::read() const {
    if (!target.problem.empty()) {
        return refused(target.problem);
    }
    // Without O_NONBLOCK a FIFO at the path would wait for a writer for ever.
    const Descriptor file(
        open(target.path().c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        struct stat status {};
        if (error == ENOENT) {
            return {};
        }
        if (lstat(target.path().c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
            return refused(said(translated("%1 is not a regular file"), {filePath})); // a socket
        }
        return refused(said(translated("%1 cannot be opened: %2"), {filePath, systemError(error)}));
    }
    struct stat status {};
    if (fstat(file.get(), &status) != 0) {
        return refused(
            said(translated("%1 cannot be examined: %2"), {filePath, systemError(errno)}));
    }
    if (!S_ISREG(status.st_mode)) {
        return refused(said(translated("%1 is not a regular file"), {filePath}));
    }
    if (!ownedByUser(status)) {
        return refused(said(translated("%1 belongs to another user"), {filePath}));
    }
    const auto tooLarge = [this] {
        return refused(said(translated("%1 is larger than 1 MiB"), {filePath}));
    };
    if (static_cast<unsigned long long>(status.st_size) > sizeLimit) {
        return tooLarge();
    }
    Contents contents{State::Read, {}, {}};
    int error = 0;
    if (!readAtMost(file.get(), sizeLimit, contents.text, error)) {
        return refused(said(translated("%1 cannot be read: %2"), {filePath, systemError(error)}));
    }
    if (contents.text.size() > sizeLimit) {
        return tooLarge(); // it grew while it was read
    }
    if (!ProfileFileFormat::isProfileText(contents.text, ownSection)) {
        return refused(said(translated("%1 is not a settings file"), {filePath}));
    }
    return contents;
}

bool ProfileFile::replace(std::string_view text, std::string& problem,
                          const std::function<bool()>& mayRename) const {
    if (!target.problem.empty()) {
        problem = target.problem;
        return false;
    }
    struct stat existing {};
    const bool exists = lstat(target.path().c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    std::string temporary;
    int descriptor = -1;
    for (int attempt = 0; descriptor < 0 && attempt < 8; ++attempt) {
        temporary = target.folder + '/' + temporaryName(target.name);
        descriptor =
            open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor < 0) {
        problem =
            said(translated("cannot create a file beside %1: %2"), {filePath, systemError(errno)});
        return false;
    }
    Descriptor file(descriptor);
    int error = 0;
    const auto failed = [&](const std::string& pattern) {
        problem = said(pattern, {filePath, systemError(error)});
        file.release();
        unlink(temporary.c_str());
        return false;
    };
    // A new file gets the modes the user's mask gives; a replaced one keeps its own.
    if (exists && fchmod(file.get(), existing.st_mode & 07777) != 0) {
        error = errno;
        return failed(translated("cannot keep the permissions of %1: %2"));
    }
    if (!writeAll(file.get(), text, error)) {
        return failed(translated("cannot write %1: %2"));
    }
    if (fdatasync(file.get()) != 0 || !file.release()) {
        error = errno;
        return failed(translated("cannot write %1 to disk: %2"));
    }
    if (!mayRename()) {
        error = ECANCELED;
        return failed(translated("gave up replacing %1: %2"));
    }
    if (rename(temporary.c_str(), target.path().c_str()) != 0) {
        error = errno;
        return failed(translated("cannot replace %1: %2"));
    }
    // The new name is on disk only once the folder that holds it is.
    const Descriptor folder(open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || fsync(folder.get()) != 0) {
        problem =
            said(translated("cannot sync the folder of %1: %2"), {filePath, systemError(errno)});
        return false;
    }
    return true;
}

void ProfileFile::removeLeftovers() const {
    if (!target.problem.empty()) {
        return;
    }
    DIR* folder = opendir(target.folder.c_str());
    if (folder == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(folder)) {
        struct stat status {};
        if (isTemporaryOf(entry->d_name, target.name) &&
            fstatat(dirfd(folder), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && ownedByUser(status)) {
            unlinkat(dirfd(folder), entry->d_name, 0);
        }
    }
    closedir(folder);
}

} // namespace fenwake
