#pragma once

#include "framework/text/translatable.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fenwake {

// A file the program keeps for the person (the settings, the window's state, an exported
// history), replaced whole or not at all, and reached only through what belongs to the user: a
// symbolic link at the path (a dotfile manager's, say) is followed when it and what it leads to
// are the user's own, up to eight links, and the link stays; a link or a file of another user's
// is never followed or replaced.
//
// The path is resolved once, as the object is made: reading and replacing then reach the same
// file. Replacing writes a temporary file beside the real file (made without following a link,
// with the modes the user's mask gives), checks every write and the data sync, renames it over
// the file and syncs the folder, so a failure at any step leaves the old file byte for byte and
// says so. A replaced file keeps its permissions.
//
// Standard library and POSIX calls only. Blocking: for a writer's own thread.
class AtomicFile {
public:
    struct Rules {
        // The folders on the way must be the user's too (the settings' own folders); an export
        // may go to a folder the user shares with others.
        bool ownFolders = true;
        // A file with more than one name is refused: replacing it would part it from the
        // others, which would keep the old text.
        bool refuseHardLinks = false;
        // A file its owner may not write is refused: someone protected it.
        bool refuseReadOnly = false;
    };

    enum class Found { Missing, Read, TooLarge, Refused };
    struct Reading {
        Found found = Found::Missing;
        std::string text;
        TranslatableText problem; // why it was refused
    };

    explicit AtomicFile(std::string path);
    AtomicFile(std::string path, Rules rules);

    // Why the path may not be used (a link, file or folder of another user's on the way, too
    // many links), or empty when it may.
    const TranslatableText& refusal() const { return target.problem; }
    // The real file behind the path.
    std::string realPath() const { return target.path(); }

    // The file as it is: a regular file of the user's of at most `limit` bytes, opened without
    // following a link and without waiting (a FIFO at the path would wait for a writer for ever).
    Reading read(std::size_t limit) const;

    // Empty when the file now holds the text; else why not, and it is as it was. Asked last
    // thing before the rename, mayRename can still keep the file as it is.
    TranslatableText replace(std::string_view text,
                             const std::function<bool()>& mayRename = nullptr) const;

    // Removes the temporary files that writers killed in the middle of a replace left behind.
    // Only while no live writer may have one (under the file's lock, say).
    void removeLeftovers() const;

private:
    struct Target {
        std::string folder;
        std::string name;
        TranslatableText problem; // why the path may not be used; empty when it may
        std::string path() const { return folder + '/' + name; }
    };
    Target resolve() const;
    TranslatableText replacementRefusal() const;

    std::string filePath;
    Rules rules;
    Target target;
};

// Any regular file's text (a file to import, say), at most `limit` bytes, read without waiting on
// a pipe or a device and without reading past the limit.
AtomicFile::Reading readRegularFile(const std::string& path, std::size_t limit);

} // namespace fenwake
