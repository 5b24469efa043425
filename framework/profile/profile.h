#pragma once

// framework/profile: the per-user profile. The file's INI text is read and written by
// standard-library code (profile_file_format.h); the file itself, its lock and the
// read-merge-replace of a commit use Qt Core (QLockFile, QSaveFile) and POSIX calls. It may
// use the number texts' helpers; nothing of windows, except that the dialogs batch a
// handler's writes and the application shows its trouble.

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace fenwake {

// The per-user profile: text and integer values in sections, kept in
// $XDG_CONFIG_HOME/<company>/<application>.conf.
//
// Writes are held until the outermost batch ends (one batch per handler; outside any batch
// each write stands alone) and then committed in one locked read-merge-replace: under the
// file's lock, taken with a bounded wait, the current file is read, the pending keys are merged
// into it and the file is replaced atomically and durably. Other programs' keys, and other
// instances' latest values, are kept. A commit that fails leaves the file byte for byte as it
// was and keeps its keys pending for the next one. What goes wrong is the profile's trouble:
// said once on standard error and to a listener (the window shows it), and cleared by the next
// commit that succeeds.
class Profile {
public:
    static constexpr std::chrono::milliseconds lockWait{250};

    Profile(std::string_view company, std::string_view application);
    ~Profile(); // a last try for whatever is still pending
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // Pending values are read as they will be stored. A file that is not a regular file, or is
    // larger than a profile could be, is not read: every value then has its default.
    std::string readText(std::string_view section, std::string_view key,
                         std::string_view defaultText);
    // Any decimal integer reads as itself, saturated to the 32-bit range; a missing value or
    // a text that is not an integer gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue);

    void writeText(std::string_view section, std::string_view key, std::string_view text);
    void writeInteger(std::string_view section, std::string_view key, int value);

    void beginBatch();
    void endBatch();
    // Commits what is pending, batch or not: the last try as the window closes.
    void commitPending();

    // Told of every write as it is made, in order, before any batching: the file shows only
    // the outcome of a batch, this shows the sequence.
    using WriteListener =
        std::function<void(std::string_view section, std::string_view key, std::string_view text)>;
    void setWriteListener(WriteListener listener);

    // Why values are not being kept, in a sentence; empty while all is well.
    const std::string& trouble() const { return currentTrouble; }
    // Told whenever the trouble changes, with the new one (empty once it is over).
    using TroubleListener = std::function<void(const std::string& trouble)>;
    void setTroubleListener(TroubleListener listener);

    // The file's absolute path; empty while no company is named.
    const std::string& filePath() const { return path; }

private:
    void write(std::string_view section, std::string_view key, std::string text);
    void commit();
    bool store(std::string& problem) const;
    void reportTrouble(const std::string& trouble);

    std::string path;
    std::map<std::string, std::string> pending; // "section/key" to text
    WriteListener writeListener;
    TroubleListener troubleListener;
    std::string currentTrouble;
    int batchDepth = 0;
};

} // namespace fenwake
