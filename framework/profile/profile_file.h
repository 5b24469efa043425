#pragma once

#include "framework/storage/atomic_file.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fenwake {

// The profile's file on disk: an AtomicFile of the user's own (links of the user's followed,
// anything of another user's refused), read only when it is a regular file of at most sizeLimit
// bytes that is a settings file holding its own section (ProfileFileFormat::isProfileText: an
// environment file of "KEY=value" lines is none); anything else is refused and left as it is.
// What goes wrong is said in the desktop's language. The caller holds the profile's lock for
// reading and replacing.
class ProfileFile {
public:
    // Far above what a profile holds (ours is under a hundred bytes).
    static constexpr std::size_t sizeLimit = std::size_t{1024} * 1024;

    enum class State { Missing, Read, Refused };
    struct Contents {
        State state = State::Missing;
        std::string text;
        std::string problem; // why it was refused
    };

    // ownSection: the section that marks a file with anything in it as this profile's.
    ProfileFile(std::string path, std::string ownSection);

    // Why the path may not be used (a link, file or folder of another user's on the way), or
    // empty when it may.
    const std::string& refusal() const { return refusalText; }

    Contents read() const;

    // False, with the reason, when the file could not be replaced; it is then as it was. Asked
    // last thing before the rename, mayRename can still keep the file as it is.
    bool replace(std::string_view text, std::string& problem,
                 const std::function<bool()>& mayRename) const;

    // Removes the temporary files that writers killed in the middle of a replace left behind.
    // Only while the lock is held: then no live writer has one.
    void removeLeftovers() const;

private:
    std::string filePath;
    std::string ownSection;
    AtomicFile file;
    std::string refusalText;
};

} // namespace fenwake
