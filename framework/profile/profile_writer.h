#pragma once

#include "framework/formats/profile_file_format.h"
#include "framework/storage/background_writer.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace fenwake {

// The writer of a profile file: a client of the one background writer, so that no disk,
// however slow or busy, and no lock held by another program ever makes the window wait.
//
// Values handed to it are committed in the order they came, each hand-over whole, in one
// locked read-merge-replace: under the file's lock the current file is read, only the lines
// of the handed keys change, and the file is replaced atomically and durably. Hand-overs that
// wait together are committed together, a key handed again with its latest text. A commit
// that fails keeps its values and is tried again on its own at the writer's pace; a lock held
// by a live program is waited for; a file that is none of ours is never replaced, and the
// values wait for the person to move it. What goes wrong is the profile's trouble: said once
// on standard error (never waiting for it to be read) and to the callback.
class ProfileWriter {
public:
    static constexpr std::chrono::milliseconds lockWait{250}; // then the wait is reported
    // How long a file found empty, that held something when last seen, is given to be written
    // again: an editor that writes in place empties the file first.
    static constexpr std::chrono::milliseconds refillWait{2000};

    // What the file is to the person, in the sentences its trouble is told in: the ids of
    // translatable texts.
    struct Wording {
        std::string notSaved;       // "%1" is why
        std::string closingWithout; // given up at the end: "%1" is why
        std::string closingUnsure;  // the end came as the new file was being put in place
    };

    // ownSection: the section that marks a file with anything in it as the profile's.
    ProfileWriter(std::string path, std::string ownSection, Wording wording,
                  const Pacing& pacing = {});
    ~ProfileWriter(); // finishes, as finish() does, if that has not happened yet
    ProfileWriter(const ProfileWriter&) = delete;
    ProfileWriter& operator=(const ProfileWriter&) = delete;

    void hand(const ProfileFileFormat::Changes& changes);

    // The file's text as its owner read it: a commit that later finds the file emptied knows
    // that it held something, and waits for it to be written again.
    void rememberText(const std::string& text);

    // True once everything handed over is on disk, false when the time ran out first. A commit
    // waiting out its back-off is tried again at once.
    bool waitUntilWritten(std::chrono::milliseconds timeout);

    // Writes what is still pending and stops. What cannot be written in the time given (or at
    // all, when the file is refused) is given up with one line on standard error: the file is
    // then left as it was, or, when the time ran out as the new file was already being put in
    // place, holds either the new values or the ones before, and the line says which of the
    // two it is. A later hand-over starts the writer again.
    void finish(std::chrono::milliseconds timeout);

    // Why values are not being kept, in a sentence; empty while all is well.
    std::string trouble() const;
    void reportTrouble(const std::string& trouble);
    // Called with the new trouble on whichever thread changed it, never after finish() gave
    // up.
    void setTroubleCallback(std::function<void(const std::string&)> callback);

private:
    struct Shared;
    using Writer = BackgroundWriter<ProfileFileFormat::Changes>;
    static Problem commit(Shared& shared, const ProfileFileFormat::Changes& changes,
                          Writer::Attempt& attempt);

    std::shared_ptr<Shared> shared;
    std::unique_ptr<Writer> writer;
};

} // namespace fenwake
