#pragma once

#include "framework/text/translatable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

namespace fenwake {

// What lies at the history's path, found from the bytes of the file and of its write-ahead log
// before SQLite is let near either: opening a database with SQLite may recover its log, and
// closing it copies the log into the file and removes it, which must never happen to a file
// that is not ours. A database's identity is in its first page (its application id, its
// version, whether it holds any table yet), whose newest copy may be in the log.
//
// And, while the history is open, whether the path still leads to the file that was opened:
// a file removed, replaced or emptied underneath is not written to again.
class HistoryFile {
public:
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const Identity&) const = default;
    };

    struct Examined {
        // Empty when SQLite may open the path: nothing is there, an empty file, or a
        // history of ours of a version this Fenwake knows.
        TranslatableText refusal;
        bool mayPass = false; // the refusal may pass (the file could not be read now)
        std::string realPath; // the file behind the user's own links
        bool exists = false;
    };

    static Examined examine(const std::string& path, std::uint32_t applicationId,
                            int newestVersion);

    static std::optional<Identity> identityOf(const std::string& path);

    // Empty while the path is the file opened; else why nothing more may be written there.
    // Only looks at the path (never opens it: closing another descriptor of a file lets go of
    // every lock the process holds on it, SQLite's among them).
    static TranslatableText stillThere(const std::string& path, const Identity& opened);
    // Whether a database's first bytes are still those of an SQLite database.
    static bool isDatabaseStart(const unsigned char* bytes, std::size_t count);
};

} // namespace fenwake
