#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace fenwake {

// The per-user profile: text and integer values in sections, kept in
// $XDG_CONFIG_HOME/<company>/<application>.conf through QSettings.
//
// Writes are durable and atomic: outside a batch each write reaches disk on its own; inside a
// batch (one per handler) the writes are held and reach disk together in one atomic replace
// when the batch ends, so a handler's writes are on disk before it returns. A write that cannot
// reach disk leaves the file as it was and is reported once per run on standard error; the program
// goes on.
class Profile {
public:
    Profile(std::string_view company, std::string_view application);
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    std::string readText(std::string_view section, std::string_view key,
                         std::string_view defaultText) const;
    // Any decimal integer reads as itself, saturated to the 32-bit range; a missing value or
    // a text that is not an integer gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

    void writeText(std::string_view section, std::string_view key, std::string_view text);
    void writeInteger(std::string_view section, std::string_view key, int value);

    void beginBatch();
    void endBatch();

    // Told of every write as it is made, in order, before any batching: the file shows only
    // the outcome of a batch, this shows the sequence.
    using WriteListener =
        std::function<void(std::string_view section, std::string_view key, std::string_view text)>;
    void setWriteListener(WriteListener listener);

    // The file's absolute path; empty while no company is named.
    std::string filePath() const;
    // False once a write failed to reach disk during this run.
    bool lastWriteSucceeded() const;

private:
    void write(std::string_view section, std::string_view key, const std::string& text);
    void commit();
    void reportFailure(const std::string& reason);

    struct Store;
    std::unique_ptr<Store> store;
    WriteListener writeListener;
    int batchDepth = 0;
    bool writeSucceeded = true;
    bool failureReported = false;
};

} // namespace fenwake
