// Lines for standard error against the ends a terminal or a pipe can have: nobody reading it
// (the person pressed Ctrl+S, or a pipe's reader is busy) and nobody there at all (a pipe whose
// reader went away). Whoever says a line never waits, and the process never ends of it.
#include "framework/message/standard_error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace fenwake {
namespace {

using namespace std::chrono_literals;

// Standard error on the write end of a pipe for the life of the object.
class StandardErrorOnAPipe {
public:
    StandardErrorOnAPipe() {
        StandardError::flush(1s);
        EXPECT_EQ(pipe(ends), 0);
        saved = dup(STDERR_FILENO);
        dup2(ends[1], STDERR_FILENO);
    }
    ~StandardErrorOnAPipe() {
        dup2(saved, STDERR_FILENO);
        close(saved);
        closeReader();
        close(ends[1]);
    }
    StandardErrorOnAPipe(const StandardErrorOnAPipe&) = delete;
    StandardErrorOnAPipe& operator=(const StandardErrorOnAPipe&) = delete;

    // Fills the pipe to the brim, as a reader that stopped reading leaves it.
    void fill() {
        fcntl(ends[1], F_SETFL, O_NONBLOCK);
        const std::string block(4096, 'x');
        while (::write(ends[1], block.data(), block.size()) > 0) {
        }
        fcntl(ends[1], F_SETFL, 0);
    }
    std::string drain() {
        fcntl(ends[0], F_SETFL, O_NONBLOCK);
        std::string text;
        char buffer[4096];
        for (ssize_t count; (count = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
            text.append(buffer, static_cast<std::size_t>(count));
        }
        return text;
    }
    void closeReader() {
        if (ends[0] >= 0) {
            close(ends[0]);
            ends[0] = -1;
        }
    }

private:
    int ends[2] = {-1, -1};
    int saved = -1;
};

TEST(StandardError, SaysALineWithTheProgramsName) {
    StandardErrorOnAPipe pipe;
    StandardError::say("settings not saved: why");
    ASSERT_TRUE(StandardError::flush(5s));
    EXPECT_EQ(pipe.drain(), "fenwake: settings not saved: why\n");
}

// A reader that does not read: saying returns at once, and the lines wait, the oldest first,
// as many as the queue holds; the rest are dropped.
TEST(StandardError, NeverWaitsForAReaderThatDoesNotRead) {
    StandardErrorOnAPipe pipe;
    pipe.fill();
    StandardError::sayRaw("0\n");
    EXPECT_FALSE(StandardError::flush(200ms)) << "the pipe was read: the test tested nothing";
    for (std::size_t line = 1; line < StandardError::mostWaiting + 10; ++line) {
        StandardError::sayRaw(std::to_string(line) + "\n");
    }
    const std::string drained = pipe.drain();
    ASSERT_TRUE(StandardError::flush(5s));
    const std::string written = drained + pipe.drain();
    EXPECT_EQ(written.find_first_not_of('x'), written.find("0\n1\n"));
    // One line was being written as the pipe stopped; the queue held the next ones.
    const auto lineOf = [](std::size_t number) {
        std::string line("\n"); // appended: GCC 12 at -O3 warns falsely on "\n" + a string
        return line.append(std::to_string(number)).append("\n");
    };
    EXPECT_NE(written.find(lineOf(StandardError::mostWaiting)), std::string::npos);
    EXPECT_EQ(written.find(lineOf(StandardError::mostWaiting + 1)), std::string::npos);
}

// With nobody at the other end a line is lost, not the process: no SIGPIPE, and later lines
// are not even tried.
TEST(StandardError, APipeWithoutAReaderEndsNothing) {
    const auto previous = std::signal(SIGPIPE, SIG_DFL);
    {
        StandardErrorOnAPipe pipe;
        pipe.closeReader();
        StandardError::say("first");
        EXPECT_TRUE(StandardError::flush(5s));
        StandardError::say("second");
        EXPECT_TRUE(StandardError::flush(5s));
    }
    // Nobody listened once: later lines are not even tried, wherever standard error now goes.
    StandardErrorOnAPipe listened;
    StandardError::say("third");
    EXPECT_TRUE(StandardError::flush(5s));
    EXPECT_EQ(listened.drain(), "");
    std::signal(SIGPIPE, previous);
}

} // namespace
} // namespace fenwake
