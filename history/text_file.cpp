#include "history/text_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fenwake {

namespace {

TranslatableText failed(const char* id, const std::string& path) {
    return {id, {path, std::strerror(errno)}};
}

// Every byte, whatever a signal or a short write does.
bool writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t count = ::write(fd, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

TranslatableText TextFile::read(const std::string& path, std::size_t largest, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return failed(TRANSLATABLE("%1 cannot be opened: %2"), path);
    }
    struct stat status {};
    TranslatableText problem;
    if (fstat(fd, &status) != 0) {
        problem = failed(TRANSLATABLE("%1 cannot be read: %2"), path);
    } else if (!S_ISREG(status.st_mode)) {
        problem = {TRANSLATABLE("%1 is not a file"), {path}};
    } else if (static_cast<std::size_t>(status.st_size) > largest) {
        problem = {TRANSLATABLE("%1 is larger than any history could be"), {path}};
    }
    text.clear();
    char buffer[65536];
    while (problem.empty()) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            problem = failed(TRANSLATABLE("%1 cannot be read: %2"), path);
        } else if (count == 0) {
            break;
        } else if (text.size() + static_cast<std::size_t>(count) > largest) {
            problem = {TRANSLATABLE("%1 is larger than any history could be"), {path}};
        } else {
            text.append(buffer, static_cast<std::size_t>(count));
        }
    }
    ::close(fd);
    return problem;
}

TranslatableText TextFile::replace(const std::string& path, const std::string& text) {
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        return {TRANSLATABLE("%1 is not a file"), {path}};
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return failed(TRANSLATABLE("%1 cannot be written: %2"), path);
    }
    const mode_t mode = replacing ? (existing.st_mode & 07777) : 0644;
    const bool written = fchmod(fd, mode) == 0 && writeAll(fd, text) && fsync(fd) == 0;
    TranslatableText problem;
    if (!written) {
        problem = failed(TRANSLATABLE("%1 cannot be written: %2"), path);
    }
    if (::close(fd) != 0 && problem.empty()) {
        problem = failed(TRANSLATABLE("%1 cannot be written: %2"), path);
    }
    if (problem.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = failed(TRANSLATABLE("%1 cannot be written: %2"), path);
    }
    if (!problem.empty()) {
        ::unlink(temporary.c_str());
        return problem;
    }
    // The new name made durable too.
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        ::close(folder);
    }
    return problem;
}

} // namespace fenwake
