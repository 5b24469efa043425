#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fenwake {

// The profile's file on disk, reached only through what belongs to the user: a symbolic link
// at the path (a dotfile manager's, say) is followed when it and what it points to are the
// user's own, and never when a link, the file or its folder belongs to someone else.
//
// The path is resolved once, as the object is made: reading and replacing then reach the same
// file. Reading never blocks and never reads without bound: only a regular file of at most
// sizeLimit bytes that is a settings file holding its own section (ProfileFileFormat::
// isProfileText: an environment file of "KEY=value" lines is none) is read;
// anything else is refused and left as it is. Replacing writes a
// temporary file beside the real file, checks every write and the sync, renames it over the
// file and syncs the folder, so a failure at any step leaves the old file byte for byte. The
// caller holds the profile's lock for both.
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
    const std::string& refusal() const { return target.problem; }

    Contents read() const;

    // False, with the reason, when the file could not be replaced; it is then as it was. Asked
    // last thing before the rename, mayRename can still keep the file as it is.
    bool replace(std::string_view text, std::string& problem,
                 const std::function<bool()>& mayRename) const;

    // Removes the temporary files that writers killed in the middle of a replace left behind.
    // Only while the lock is held: then no live writer has one.
    void removeLeftovers() const;

private:
    // The real file behind the path, once every link on the way was found to be the user's.
    struct Target {
        std::string folder;
        std::string name;
        std::string problem; // why the path may not be used; empty when it may
        std::string path() const { return folder + '/' + name; }
    };
    Target resolve() const;

    std::string filePath;
    std::string ownSection;
    Target target;
};

} // namespace fenwake
