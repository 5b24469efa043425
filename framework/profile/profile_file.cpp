#include "framework/profile/profile_file.h"

#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fenwake {

namespace {

std::string systemError(int error) {
    return std::strerror(error);
}

ProfileFile::Contents refused(std::string problem) {
    return {ProfileFile::State::Refused, {}, std::move(problem)};
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() {
        if (fd >= 0) {
            close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd; }

private:
    int fd;
};

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

// The new name is on disk only once the folder that holds it is. A symbolic link is followed:
// the file replaced is the one it points to.
bool syncFolderOf(std::string path, std::string& problem) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (char* target = realpath(path.c_str(), nullptr)) {
            path = target;
            std::free(target);
        }
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const Descriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || fsync(directory.get()) != 0) {
        problem = "cannot sync the folder of " + path + ": " + systemError(errno);
        return false;
    }
    return true;
}

} // namespace

ProfileFile::ProfileFile(std::string path) : filePath(std::move(path)) {}

ProfileFile::Contents ProfileFile::read() const {
    // Without O_NONBLOCK a FIFO at the path would wait for a writer for ever.
    const Descriptor file(open(filePath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT) {
            return {};
        }
        return refused(filePath + " cannot be opened: " + systemError(errno));
    }
    struct stat status {};
    if (fstat(file.get(), &status) != 0) {
        return refused(filePath + " cannot be examined: " + systemError(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return refused(filePath + " is not a regular file");
    }
    const auto tooLarge = [this] {
        return refused(filePath + " is larger than 1 MiB");
    };
    if (static_cast<unsigned long long>(status.st_size) > sizeLimit) {
        return tooLarge();
    }
    Contents contents{State::Read, {}, {}};
    int error = 0;
    if (!readAtMost(file.get(), sizeLimit, contents.text, error)) {
        return refused(filePath + " cannot be read: " + systemError(error));
    }
    if (contents.text.size() > sizeLimit) {
        return tooLarge(); // it grew while it was read
    }
    return contents;
}

bool ProfileFile::replace(std::string_view text, std::string& problem) const {
    // Unbuffered, so that a full disk fails the write itself, not a flush QSaveFile ignores.
    QSaveFile file(QString::fromStdString(filePath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        problem =
            "cannot create a file beside " + filePath + ": " + file.errorString().toStdString();
        return false;
    }
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size || !file.flush()) {
        problem = "cannot write " + filePath + ": " + file.errorString().toStdString();
        return false; // the temporary file goes with the QSaveFile
    }
    // QSaveFile syncs before it renames but does not say when that fails.
    if (fsync(file.handle()) != 0) {
        problem = "cannot write " + filePath + " to disk: " + systemError(errno);
        return false;
    }
    if (!file.commit()) {
        problem = "cannot replace " + filePath + ": " + file.errorString().toStdString();
        return false;
    }
    return syncFolderOf(filePath, problem);
}

} // namespace fenwake
