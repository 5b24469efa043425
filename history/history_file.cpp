#include "history/history_file.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fenwake {

namespace {

constexpr std::string_view magic{"SQLite format 3\0", 16};
// The database header, and the b-tree header of the first page that follows it.
constexpr std::size_t headerSize = 100;
constexpr std::size_t firstPageNeeded = headerSize + 8;
constexpr std::size_t logHeaderSize = 32;
constexpr std::size_t frameHeaderSize = 24;

std::uint32_t bigEndian(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

std::uint32_t littleEndian(const unsigned char* bytes) {
    return std::uint32_t{bytes[3]} << 24 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[0]};
}

class Descriptor {
public:
    explicit Descriptor(const std::string& path)
        : fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd; }

    // As many of the bytes as there are, up to size; false on an error.
    bool readFully(unsigned char* into, std::size_t size, std::size_t& count) const {
        count = 0;
        while (count < size) {
            const ssize_t got = ::read(fd, into + count, size - count);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                return false;
            }
            if (got == 0) {
                break;
            }
            count += static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    int fd;
};

// SQLite's log checksum: pairs of 32-bit words, in the byte order the log's magic names.
void addToChecksum(bool bigEndianWords, const unsigned char* data, std::size_t size,
                   std::uint32_t& first, std::uint32_t& second) {
    for (std::size_t at = 0; at + 8 <= size; at += 8) {
        const std::uint32_t a = bigEndianWords ? bigEndian(data + at) : littleEndian(data + at);
        const std::uint32_t b =
            bigEndianWords ? bigEndian(data + at + 4) : littleEndian(data + at + 4);
        first += a + second;
        second += b + first;
    }
}

// The newest committed copy of the first page in the log: the frames are read in order while
// each one's salts and running checksum hold, and a copy counts once a commit frame follows it.
std::optional<std::vector<unsigned char>> firstPageInLog(const std::string& logPath) {
    const Descriptor log(logPath);
    std::array<unsigned char, logHeaderSize> header{};
    std::size_t count = 0;
    if (log.get() < 0 || !log.readFully(header.data(), header.size(), count) ||
        count < header.size()) {
        return std::nullopt;
    }
    const std::uint32_t logMagic = bigEndian(header.data());
    const std::uint32_t pageSize = bigEndian(header.data() + 8);
    if ((logMagic & 0xFFFFFFFE) != 0x377F0682 || pageSize < 512 || pageSize > 65536 ||
        (pageSize & (pageSize - 1)) != 0) {
        return std::nullopt;
    }
    const bool bigEndianWords = (logMagic & 1) != 0;
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    addToChecksum(bigEndianWords, header.data(), 24, first, second);
    if (first != bigEndian(header.data() + 24) || second != bigEndian(header.data() + 28)) {
        return std::nullopt;
    }
    std::vector<unsigned char> frame(frameHeaderSize + pageSize);
    std::optional<std::vector<unsigned char>> pending;
    std::optional<std::vector<unsigned char>> committed;
    while (log.readFully(frame.data(), frame.size(), count) && count == frame.size()) {
        if (std::memcmp(frame.data() + 8, header.data() + 16, 8) != 0) {
            break; // salts of an earlier round of the log
        }
        addToChecksum(bigEndianWords, frame.data(), 8, first, second);
        addToChecksum(bigEndianWords, frame.data() + frameHeaderSize, pageSize, first, second);
        if (first != bigEndian(frame.data() + 16) || second != bigEndian(frame.data() + 20)) {
            break;
        }
        if (bigEndian(frame.data()) == 1) {
            pending.emplace(frame.begin() + frameHeaderSize,
                            frame.begin() + frameHeaderSize + firstPageNeeded);
        }
        if (bigEndian(frame.data() + 4) != 0 && pending) {
            committed = pending;
        }
    }
    return committed;
}

} // namespace

std::optional<HistoryFile::Identity> HistoryFile::identityOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return Identity{status.st_dev, status.st_ino};
}

HistoryFile::Examined HistoryFile::examine(const std::string& path, std::uint32_t applicationId,
                                           int newestVersion) {
    Examined examined;
    examined.realPath = path;
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            examined.refusal =
                sentence(TRANSLATABLE("%1 cannot be examined: %2"), {path, std::strerror(errno)});
            examined.mayPass = true;
        } else if (firstPageInLog(path + "-wal")) {
            examined.refusal =
                sentence(TRANSLATABLE("%1 is missing, but the log of a database lies beside it "
                                      "(%1-wal)"),
                         {path});
        }
        return examined;
    }
    examined.exists = true;
    if (S_ISLNK(status.st_mode)) {
        struct stat target {};
        if (status.st_uid != geteuid() || stat(path.c_str(), &target) != 0 ||
            target.st_uid != geteuid()) {
            examined.refusal = sentence(
                TRANSLATABLE("%1 is a link to a file of another user's, or to nothing"), {path});
            return examined;
        }
        status = target;
        if (char* real = realpath(path.c_str(), nullptr)) {
            examined.realPath = real;
            std::free(real);
        }
    }
    if (!S_ISREG(status.st_mode)) {
        examined.refusal = sentence(TRANSLATABLE("%1 is not a file"), {path});
        return examined;
    }
    if (status.st_uid != geteuid()) {
        examined.refusal = sentence(TRANSLATABLE("%1 belongs to another user"), {path});
        return examined;
    }
    std::vector<unsigned char> page(firstPageNeeded);
    std::size_t count = 0;
    const Descriptor file(examined.realPath);
    if (file.get() < 0 || !file.readFully(page.data(), page.size(), count)) {
        examined.refusal =
            sentence(TRANSLATABLE("%1 cannot be read: %2"), {path, std::strerror(errno)});
        examined.mayPass = true;
        return examined;
    }
    const std::optional<std::vector<unsigned char>> logged =
        firstPageInLog(examined.realPath + "-wal");
    if (count == 0 && !logged) {
        return examined; // nothing to lose: made anew
    }
    if (logged) {
        page = *logged;
    } else if (count < page.size() || std::memcmp(page.data(), magic.data(), magic.size()) != 0) {
        examined.refusal =
            sentence(TRANSLATABLE("%1 is no history of Fenwake's: not an SQLite database"), {path});
        return examined;
    }
    const std::uint32_t marked = bigEndian(page.data() + 68);
    const std::uint32_t version = bigEndian(page.data() + 60);
    const bool noTables =
        page[headerSize] == 0x0D && page[headerSize + 3] == 0 && page[headerSize + 4] == 0;
    if (marked != applicationId && (marked != 0 || !noTables)) {
        examined.refusal = sentence(TRANSLATABLE("%1 is another program's database"), {path});
    } else if (version > static_cast<std::uint32_t>(newestVersion)) {
        examined.refusal = sentence(TRANSLATABLE("%1 was made by a newer Fenwake"), {path});
    }
    return examined;
}

TranslatableText HistoryFile::stillThere(const std::string& path, const Identity& opened) {
    const std::optional<Identity> now = identityOf(path);
    if (!now) {
        return errno == ENOENT
                   ? sentence(TRANSLATABLE("%1 was removed while Fenwake had it open"), {path})
                   : sentence(TRANSLATABLE("%1 cannot be examined: %2"),
                              {path, std::strerror(errno)});
    }
    if (*now != opened) {
        return sentence(TRANSLATABLE("%1 was replaced by another file while Fenwake had it open"),
                        {path});
    }
    return {};
}

bool HistoryFile::isDatabaseStart(const unsigned char* bytes, std::size_t count) {
    return count >= magic.size() && std::memcmp(bytes, magic.data(), magic.size()) == 0;
}

} // namespace fenwake
