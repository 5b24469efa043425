#include "framework/message/standard_error.h"

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace fenwake {

namespace {

// Made once and never destroyed: the writing thread may still be stuck in a write when the
// process ends, and must not find its queue gone.
struct Queue {
    std::mutex mutex;
    std::condition_variable wake;    // the writer: a line is waiting
    std::condition_variable written; // those who flush: the queue went down
    std::deque<std::string> lines;
    bool writing = false; // the writer holds a line it took from the queue
    bool nobodyListens = false;
};

// The whole text, or as much as the other end takes; false when it went away.
bool writeAll(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = ::write(STDERR_FILENO, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return errno != EPIPE; // any other failure loses this line only
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

void writeForever(Queue& queue) {
    // A write to a pipe without a reader raises SIGPIPE in the thread that made it; blocked
    // here, the write fails with EPIPE instead and the process lives on.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    std::unique_lock lock(queue.mutex);
    for (;;) {
        queue.wake.wait(lock, [&queue] { return !queue.lines.empty(); });
        std::string line = std::move(queue.lines.front());
        queue.lines.pop_front();
        queue.writing = !queue.nobodyListens;
        lock.unlock();
        const bool listened = !queue.writing || writeAll(line);
        lock.lock();
        queue.writing = false;
        queue.nobodyListens = queue.nobodyListens || !listened;
        queue.written.notify_all();
    }
}

Queue& queue() {
    static Queue* const shared = [] {
        auto* made = new Queue;
        std::thread(writeForever, std::ref(*made)).detach();
        return made;
    }();
    return *shared;
}

} // namespace

void StandardError::say(const std::string& line) {
    sayRaw("fenwake: " + line + '\n');
}

void StandardError::sayRaw(std::string text) {
    Queue& shared = queue();
    const std::lock_guard lock(shared.mutex);
    if (shared.nobodyListens || shared.lines.size() >= mostWaiting) {
        return;
    }
    shared.lines.push_back(std::move(text));
    shared.wake.notify_one();
}

bool StandardError::flush(std::chrono::milliseconds timeout) {
    Queue& shared = queue();
    std::unique_lock lock(shared.mutex);
    return shared.written.wait_for(lock, timeout,
                                   [&shared] { return shared.lines.empty() && !shared.writing; });
}

} // namespace fenwake
