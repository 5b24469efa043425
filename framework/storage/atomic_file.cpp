#include "framework/storage/atomic_file.h"

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

// A folder may be a link of the user's; what it leads to must be the user's folder when the
// rules ask for one.
TranslatableText folderProblem(const std::string& file, const std::string& folder,
                               bool ownFolders) {
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0) {
        return errno == ENOENT
                   ? TranslatableText()
                   : sentence(TRANSLATABLE("the folder of %1, %2, cannot be examined: %3"),
                              {file, folder, systemError(errno)});
    }
    if (ownFolders && S_ISLNK(status.st_mode) && !ownedByUser(status)) {
        return sentence(
            TRANSLATABLE("the folder of %1, %2, is a link that belongs to another user"),
            {file, folder});
    }
    if (stat(folder.c_str(), &status) != 0) {
        return sentence(TRANSLATABLE("the folder of %1, %2, cannot be examined: %3"),
                        {file, folder, systemError(errno)});
    }
    if (!S_ISDIR(status.st_mode)) {
        return sentence(TRANSLATABLE("the folder of %1, %2, is not a folder"), {file, folder});
    }
    if (ownFolders && !ownedByUser(status)) {
        return sentence(TRANSLATABLE("the folder of %1, %2, belongs to another user"),
                        {file, folder});
    }
    return {};
}

// Reads at most limit + 1 bytes, so that a file that grew past the limit is noticed.
bool readAtMost(int fd, std::size_t limit, std::string& text, int& error) {
    char buffer[65536];
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

// The text of an open regular file, within the limit.
AtomicFile::Reading readOpened(int fd, const std::string& path, std::size_t limit) {
    using Found = AtomicFile::Found;
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        return {Found::Refused,
                {},
                sentence(TRANSLATABLE("%1 cannot be examined: %2"), {path, systemError(errno)})};
    }
    if (!S_ISREG(status.st_mode)) {
        return {Found::Refused, {}, sentence(TRANSLATABLE("%1 is not a regular file"), {path})};
    }
    if (static_cast<unsigned long long>(status.st_size) > limit) {
        return {Found::TooLarge, {}, {}};
    }
    AtomicFile::Reading reading{Found::Read, {}, {}};
    int error = 0;
    if (!readAtMost(fd, limit, reading.text, error)) {
        return {Found::Refused,
                {},
                sentence(TRANSLATABLE("%1 cannot be read: %2"), {path, systemError(error)})};
    }
    if (reading.text.size() > limit) {
        return {Found::TooLarge, {}, {}}; // it grew while it was read
    }
    return reading;
}

} // namespace

AtomicFile::AtomicFile(std::string path) : AtomicFile(std::move(path), Rules{}) {}

AtomicFile::AtomicFile(std::string path, Rules fileRules)
    : filePath(std::move(path)), rules(fileRules), target(resolve()) {}

AtomicFile::Target AtomicFile::resolve() const {
    Target found{folderOf(filePath), nameOf(filePath),
                 folderProblem(filePath, folderOf(filePath), rules.ownFolders)};
    for (int link = 0; found.problem.empty(); ++link) {
        const std::string current = found.path();
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                found.problem = sentence(TRANSLATABLE("%1 cannot be examined: %2"),
                                         {current, systemError(errno)});
            }
            break; // a new file
        }
        if (!ownedByUser(status)) {
            found.problem =
                S_ISLNK(status.st_mode)
                    ? sentence(TRANSLATABLE("%1 leads through a link, %2, that belongs to another "
                                            "user"),
                               {filePath, current})
                    : sentence(TRANSLATABLE("%1 is a file that belongs to another user"),
                               {current});
            break;
        }
        if (!S_ISLNK(status.st_mode)) {
            break;
        }
        if (link == mostLinksFollowed) {
            found.problem = sentence(TRANSLATABLE("%1 leads through too many links"), {filePath});
            break;
        }
        char destination[4096];
        const ssize_t length = readlink(current.c_str(), destination, sizeof destination - 1);
        if (length < 0) {
            found.problem =
                sentence(TRANSLATABLE("%1 cannot be followed: %2"), {current, systemError(errno)});
            break;
        }
        std::string next(destination, static_cast<std::size_t>(length));
        if (next.front() != '/') {
            next.insert(0, 1, '/').insert(0, found.folder);
        }
        found = {folderOf(next), nameOf(next),
                 folderProblem(filePath, folderOf(next), rules.ownFolders)};
    }
    // Renames go to the folder itself, whatever links led to it.
    if (found.problem.empty()) {
        if (char* real = realpath(found.folder.c_str(), nullptr)) {
            found.folder = real;
            std::free(real);
        }
    }
    return found;
}

AtomicFile::Reading AtomicFile::read(std::size_t limit) const {
    if (!target.problem.empty()) {
        return {Found::Refused, {}, target.problem};
    }
    const Descriptor file(
        open(target.path().c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        struct stat status {};
        if (error == ENOENT) {
            return {};
        }
        if (lstat(target.path().c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
            return {
                Found::Refused, {}, sentence(TRANSLATABLE("%1 is not a regular file"), {filePath})};
        }
        return {Found::Refused,
                {},
                sentence(TRANSLATABLE("%1 cannot be opened: %2"), {filePath, systemError(error)})};
    }
    struct stat status {};
    if (fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) && !ownedByUser(status)) {
        return {
            Found::Refused, {}, sentence(TRANSLATABLE("%1 belongs to another user"), {filePath})};
    }
    return readOpened(file.get(), filePath, limit);
}

// What the rules keep from being replaced, of the file as it is now.
TranslatableText AtomicFile::replacementRefusal() const {
    struct stat existing {};
    if (lstat(target.path().c_str(), &existing) != 0) {
        return {};
    }
    if (!S_ISREG(existing.st_mode)) {
        return sentence(TRANSLATABLE("%1 is not a regular file"), {filePath});
    }
    if (rules.refuseHardLinks && existing.st_nlink > 1) {
        return sentence(
            TRANSLATABLE("%1 has other names (hard links), which would keep the old text: "
                         "it is not replaced"),
            {filePath});
    }
    if (rules.refuseReadOnly && (existing.st_mode & S_IWUSR) == 0) {
        return sentence(TRANSLATABLE("%1 is protected against writing: it is not replaced"),
                        {filePath});
    }
    return {};
}

TranslatableText AtomicFile::replace(std::string_view text,
                                     const std::function<bool()>& mayRename) const {
    if (!target.problem.empty()) {
        return target.problem;
    }
    if (TranslatableText refused = replacementRefusal(); !refused.empty()) {
        return refused;
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
        return sentence(TRANSLATABLE("cannot create a file beside %1: %2"),
                        {filePath, systemError(errno)});
    }
    Descriptor file(descriptor);
    int error = 0;
    const auto failed = [&](const char* pattern) {
        file.release();
        unlink(temporary.c_str());
        return sentence(pattern, {filePath, systemError(error)});
    };
    // A new file gets the modes the user's mask gives; a replaced one keeps its own.
    if (exists && fchmod(file.get(), existing.st_mode & 07777) != 0) {
        error = errno;
        return failed(TRANSLATABLE("cannot keep the permissions of %1: %2"));
    }
    if (!writeAll(file.get(), text, error)) {
        return failed(TRANSLATABLE("cannot write %1: %2"));
    }
    if (fdatasync(file.get()) != 0 || !file.release()) {
        error = errno;
        return failed(TRANSLATABLE("cannot write %1 to disk: %2"));
    }
    if (mayRename && !mayRename()) {
        error = ECANCELED;
        return failed(TRANSLATABLE("gave up replacing %1: %2"));
    }
    if (rename(temporary.c_str(), target.path().c_str()) != 0) {
        error = errno;
        return failed(TRANSLATABLE("cannot replace %1: %2"));
    }
    // The new name is on disk only once the folder that holds it is.
    const Descriptor folder(open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || fsync(folder.get()) != 0) {
        return sentence(TRANSLATABLE("cannot sync the folder of %1: %2"),
                        {filePath, systemError(errno)});
    }
    return {};
}

void AtomicFile::removeLeftovers() const {
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

AtomicFile::Reading readRegularFile(const std::string& path, std::size_t limit) {
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        return {AtomicFile::Found::Refused,
                {},
                sentence(TRANSLATABLE("%1 cannot be opened: %2"), {path, systemError(errno)})};
    }
    return readOpened(file.get(), path, limit);
}

} // namespace fenwake
