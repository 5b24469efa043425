#pragma once

#include <chrono>
#include <string>

namespace fenwake {

// Lines for standard error that can never hold up the one who says them. A terminal whose
// output is stopped (Ctrl+S), a pipe nobody reads or a reader that went away must not freeze
// the window, stall a writer thread or end the process: a line is handed to a thread of its
// own, which writes it while the sayer goes on. Should that thread be stuck, later lines wait
// for it in a short queue, and beyond that they are dropped. A pipe without a reader ends the
// writing for good (nobody listens), and never raises SIGPIPE.
class StandardError {
public:
    // The most lines that wait for the writer; more are dropped, as nobody reads them anyway.
    static constexpr std::size_t mostWaiting = 32;

    // Says "fenwake: <line>" with a line break. Never waits for the writing.
    static void say(const std::string& line);
    // Writes the text as it is.
    static void sayRaw(std::string text);

    // Waits, for at most the time given, until every line said so far is written or dropped;
    // false when the time ran out. For the end of the process, whose last words are worth a
    // short wait, and for tests.
    static bool flush(std::chrono::milliseconds timeout);
};

} // namespace fenwake
