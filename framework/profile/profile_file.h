#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fenwake {

// The profile's file on disk. Reading never blocks and never reads without bound: only a
// regular file (a symbolic link to one is followed) of at most sizeLimit bytes is read;
// anything else is refused and left as it is. Replacing writes a temporary file beside it,
// checks every write, the flush and the sync, and only then renames it over the file, so a
// failure at any step leaves the old file byte for byte.
class ProfileFile {
public:
    // Far above what a profile holds (ours is under a hundred bytes).
    static constexpr std::size_t sizeLimit = 1024 * 1024;

    enum class State { Missing, Read, Refused };
    struct Contents {
        State state = State::Missing;
        std::string text;
        std::string problem; // why it was refused
    };

    explicit ProfileFile(std::string path);

    const std::string& path() const { return filePath; }

    Contents read() const;

    // False, with the reason, when the file could not be replaced; it is then as it was.
    bool replace(std::string_view text, std::string& problem) const;

private:
    std::string filePath;
};

} // namespace fenwake
