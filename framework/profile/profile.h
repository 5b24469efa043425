#pragma once

// framework/profile: the per-user profile. The file's INI text is read and edited by
// standard-library code (profile_file_format.h); the file itself, its lock and the commits of
// its writer thread use POSIX calls. Qt Core only finds the configuration folder and brings
// the writer's news to the window's thread. It may use the number texts' helpers; nothing of
// windows, except that the dialogs batch a handler's writes and the application shows its
// trouble.

#include "framework/events/window_mailbox.h"
#include "framework/formats/profile_file_format.h"
#include "framework/profile/profile_writer.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace fenwake {

// The per-user profile: text and integer values in sections, kept in
// $XDG_CONFIG_HOME/<company>/<application>.conf; or, for what is a program's state rather
// than a setting (the size a window closed at), in $XDG_STATE_HOME/<company>/<application>.state.
//
// The file is read once, at the first read; every value written is read back from memory at
// once. Writes are held until the outermost batch ends (one batch per handler; outside any
// batch each write stands alone) and then handed to the profile's writer, which commits them
// off the calling thread (profile_writer.h): the window never waits for the disk or a lock.
// Other programs' keys and lines, and other instances' latest values, are kept. What goes
// wrong is the profile's trouble, told on the thread that made the profile.
class Profile {
public:
    // How long closing the window, or a signal that ends the process, waits for the disk.
    static constexpr std::chrono::milliseconds closingWait{3000};

    enum class Kind { Settings, State };

    // pacing: how its writer tries again what did not work (the writer's own pace unless told).
    Profile(std::string_view company, std::string_view application, Kind kind = Kind::Settings,
            const Pacing& pacing = {});
    ~Profile(); // writes what is pending, as finish() does
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // A file that is not a regular file of the user's, is larger than a profile could be, or
    // is no settings file at all, is not read: every value then has its default.
    std::string readText(std::string_view section, std::string_view key,
                         std::string_view defaultText);
    // Any decimal integer reads as itself, saturated to the 32-bit range; a missing value or
    // a text that is not an integer gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue);

    void writeText(std::string_view section, std::string_view key, std::string_view text);
    void writeInteger(std::string_view section, std::string_view key, int value);

    void beginBatch();
    void endBatch();

    // True once every value handed to the writer is on disk; false when the time ran out.
    bool waitUntilWritten(std::chrono::milliseconds timeout);
    // The end of the process: hands over what a batch still holds, writes everything pending
    // for at most the given time, then gives up with a line on standard error.
    void finish(std::chrono::milliseconds timeout = closingWait);

    // Told of every write as it is made, in order, before any batching: the file shows only
    // the outcome of a batch, this shows the sequence.
    using WriteListener =
        std::function<void(std::string_view section, std::string_view key, std::string_view text)>;
    void setWriteListener(WriteListener listener);

    // Why values are not being kept, in a sentence; empty while all is well.
    std::string trouble() const { return writer.trouble(); }
    // Told on the profile's own thread, from its event loop, whenever the trouble changes.
    using TroubleListener = std::function<void(const std::string& trouble)>;
    void setTroubleListener(TroubleListener listener);

    // The file's absolute path; empty while no company is named.
    const std::string& filePath() const { return path; }
    // Where the profile of that company and application keeps its file.
    static std::string pathFor(std::string_view company, std::string_view application, Kind kind);

private:
    const ProfileFileFormat::Entries& stored();
    void write(std::string_view section, std::string_view key, std::string text);
    void handOver();

    std::string path;
    Kind kind;
    bool loaded = false;
    ProfileFileFormat::Entries fileValues; // the file as it was read
    ProfileFileFormat::Entries written;    // every value written since, by full key
    ProfileFileFormat::Changes held;       // the batch's writes, not yet handed over
    int batchDepth = 0;
    WriteListener writeListener;
    TroubleListener troubleListener;
    WindowMailbox troubleNews; // where the writer's news is delivered
    ProfileWriter writer;
};

} // namespace fenwake
