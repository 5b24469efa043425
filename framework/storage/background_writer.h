#pragma once

#include "framework/storage/problem.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace fenwake {

// How long a writer waits before it tries again what did not work: the first delay, then twice
// as long each time, up to the last, for as long as the trouble lasts; and a moment between
// tries while the end waits for it.
struct Pacing {
    static constexpr std::chrono::milliseconds firstRetry{250};
    static constexpr std::chrono::milliseconds lastRetry{5000};
    static constexpr std::chrono::milliseconds finishingRetry{50};

    std::chrono::milliseconds first = firstRetry;
    std::chrono::milliseconds last = lastRetry;
    // Told of every wait before a try again, as it begins: for a test to see the pace.
    std::function<void(std::chrono::milliseconds wait)> waiting;
};

// The growing wait between tries.
class BackOff {
public:
    explicit BackOff(const Pacing& pacing) : pacing(pacing), current(pacing.first) {}
    std::chrono::milliseconds next() {
        const std::chrono::milliseconds wait = current;
        current = std::min(current * 2, pacing.last);
        return wait;
    }
    void reset() { current = pacing.first; }

private:
    const Pacing& pacing;
    std::chrono::milliseconds current;
};

// The one writer of something the program keeps (the settings, the window's state, the
// history), on a thread of its own, so that no disk however slow or busy, and no lock held by
// another program, ever makes the window wait.
//
// Jobs are done one at a time, in the order they were handed over; a job handed over while
// others wait may join the last of them, when the client says it may (so that what waits goes
// to disk together). A job that meets a problem that may pass stays first and is tried again
// after a back-off (Pacing); one that meets a lasting problem is given up at once, told to the
// client with its reason, and the jobs after it go on. The trouble, the problem that keeps jobs
// waiting, is told once as it starts (or changes) and once as it is over.
//
// At the end, finish() hurries what waits and gives it the time it has; what is not done by
// then is given up and handed back, with whether the job under way had already begun its last
// step (a rename it cannot take back). A thread stuck in a system call is left to it: it holds
// its own share of the state, and stops before any last step it has not begun. Nothing is told
// after finish() returns. The client's jobs must own what they work on.
template <typename Job>
class BackgroundWriter {
    struct State;

public:
    // What a job may ask while it is done.
    class Attempt {
    public:
        // Before the job's last step, the one it cannot take back: false once the end gave up
        // on it (the job then stops where it is); true, and from then on an end that gives up
        // says that the job may have landed.
        bool mayTakeLastStep() {
            const std::lock_guard lock(state.mutex);
            state.pastLastStep = !state.abandoned;
            return state.pastLastStep;
        }
        // True once the end gave up: a job that waits for something (a lock) stops waiting.
        bool givenUp() const {
            const std::lock_guard lock(state.mutex);
            return state.abandoned;
        }
        // A problem met on the way that the job still waits out (a lock held by another
        // program): the trouble, told as any other.
        void meanwhile(const Problem& problem) { state.setTrouble(problem); }
        // Tells the client what the job did, unless the end has silenced it.
        template <typename Tell>
        void tell(Tell&& what) {
            state.tell([&](const Client&) { what(); });
        }

    private:
        friend class BackgroundWriter;
        explicit Attempt(State& shared) : state(shared) {}
        State& state;
    };

    struct Client {
        // Does the job on the writer's thread; empty when it is done. The job is the writer's
        // own copy: what it learns (a file it read) is kept for the next try.
        std::function<Problem(Job& job, Attempt& attempt)> perform;
        // Whether the next job may join the last waiting one; when it may, this joins them.
        std::function<bool(Job& waiting, Job& next)> join;
        // The trouble changed: a problem began or changed, or, empty, it is over.
        std::function<void(const Problem& trouble)> troubleChanged;
        // A job given up for a lasting problem.
        std::function<void(const Job& job, const Problem& why)> gaveUp;
    };

    struct Unfinished {
        std::vector<Job> jobs;      // not done, in order
        Problem why;                // the trouble they met; empty when the time ran out first
        bool timedOut = false;      // the time ran out, rather than what was left being blocked
        bool mayHaveLanded = false; // the first had begun its last step
    };

    static constexpr std::chrono::milliseconds endingWait{3000};

    explicit BackgroundWriter(Client client, Pacing pacing = {})
        : state(std::make_shared<State>(std::move(client), std::move(pacing))) {}
    ~BackgroundWriter() { finish(endingWait); }
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // After finish() gave up, nothing more is taken. After a finish() that got everything done,
    // a hand-over starts the writer again.
    void hand(Job job) {
        const std::lock_guard lock(state->mutex);
        if (state->abandoned) {
            return;
        }
        // The first job is the one being done: it is never joined.
        if (state->jobs.size() > 1 && state->client.join &&
            state->client.join(state->jobs.back(), job)) {
            state->wake.notify_all();
            return;
        }
        state->jobs.push_back(std::move(job));
        if (!state->running) {
            if (thread.joinable()) {
                thread.join();
            }
            state->running = true;
            state->stopping = false;
            thread = std::thread(run, state);
        }
        state->wake.notify_all();
    }

    // Jobs handed over and not yet done or given up.
    std::size_t pending() const {
        const std::lock_guard lock(state->mutex);
        return state->jobs.size();
    }

    // The trouble now; empty while all is well.
    Problem trouble() const {
        const std::lock_guard lock(state->mutex);
        return state->trouble;
    }

    // True once every job handed over is done or given up; false when the time ran out. A job
    // waiting out its back-off is tried again at once.
    bool waitUntilDone(std::chrono::milliseconds timeout) {
        std::unique_lock lock(state->mutex);
        state->hurry = true;
        state->wake.notify_all();
        return state->settled.wait_for(lock, timeout, [&] { return state->jobs.empty(); });
    }

    // Does what is pending, trying again at once what waits out a back-off and stopping early
    // when what is left is blocked; gives up what is not done in the time and hands it back.
    Unfinished finish(std::chrono::milliseconds timeout) {
        State& shared = *state;
        Unfinished unfinished;
        {
            std::unique_lock lock(shared.mutex);
            const std::uint64_t triesBefore = shared.tries;
            shared.stopping = true;
            shared.hurry = true;
            shared.wake.notify_all();
            const bool done = shared.settled.wait_for(lock, timeout, [&] {
                return shared.jobs.empty() || (shared.tries > triesBefore &&
                                               shared.trouble.kind == Problem::Kind::Blocking);
            });
            if (!shared.jobs.empty()) {
                unfinished.jobs.assign(shared.jobs.begin(), shared.jobs.end());
                unfinished.why = shared.trouble;
                unfinished.timedOut = !done;
                unfinished.mayHaveLanded = shared.pastLastStep;
                shared.jobs.clear();
                shared.abandoned = true;
                shared.wake.notify_all();
            }
        }
        shared.silence();
        if (thread.joinable()) {
            if (unfinished.jobs.empty()) {
                thread.join();
                const std::lock_guard lock(shared.mutex);
                shared.silenced = false; // a later hand-over is heard again
            } else {
                thread.detach();
            }
        }
        return unfinished;
    }

private:
    struct State {
        State(Client heard, Pacing pace) : client(std::move(heard)), pacing(std::move(pace)) {}

        const Client client;
        const Pacing pacing;

        mutable std::mutex mutex;
        std::condition_variable wake;    // the writer: a new job, a hurry, the end
        std::condition_variable settled; // those who wait: a try has ended
        std::deque<Job> jobs;            // the first is the one being done
        std::uint64_t tries = 0;
        bool running = false;
        bool hurry = false;    // the back-off under way is cut short
        bool stopping = false; // finishing: the thread ends once nothing is left
        bool abandoned = false;
        bool pastLastStep = false;
        Problem trouble;

        // Held while the client is told anything, so that after finish() it never is again.
        std::mutex telling;
        bool silenced = false;

        template <typename Tell>
        void tell(Tell&& what) {
            const std::lock_guard guard(telling);
            if (!silenced) {
                what(client);
            }
        }
        void silence() {
            const std::lock_guard guard(telling);
            silenced = true;
        }
        // Not under the mutex: the client is told outside it.
        void setTrouble(const Problem& problem) {
            {
                const std::lock_guard lock(mutex);
                if (problem == trouble) {
                    return;
                }
                trouble = problem;
            }
            tell([&](const Client& heard) {
                if (heard.troubleChanged) {
                    heard.troubleChanged(problem);
                }
            });
        }
    };

    // The writer's thread: one job at a time, in order, none of them under the mutex.
    static void run(std::shared_ptr<State> shared) {
        State& state = *shared;
        BackOff backOff(state.pacing);
        std::unique_lock lock(state.mutex);
        for (;;) {
            state.wake.wait(
                lock, [&] { return !state.jobs.empty() || state.stopping || state.abandoned; });
            if (state.abandoned || state.jobs.empty()) {
                break;
            }
            Job job = state.jobs.front();
            state.pastLastStep = false;
            lock.unlock();
            Attempt attempt(state);
            const Problem problem = state.client.perform(job, attempt);
            lock.lock();
            ++state.tries;
            if (state.abandoned) {
                break;
            }
            state.pastLastStep = false;
            if (problem.empty() || problem.isLasting()) {
                state.jobs.pop_front();
                backOff.reset();
                // The trouble is over once everything waiting is done.
                const bool allDone = state.jobs.empty();
                lock.unlock();
                if (problem.isLasting()) {
                    state.tell([&](const Client& heard) {
                        if (heard.gaveUp) {
                            heard.gaveUp(job, problem);
                        }
                    });
                }
                if (allDone) {
                    state.setTrouble({});
                }
                lock.lock();
                state.settled.notify_all();
                continue;
            }
            state.jobs.front() = std::move(job);
            lock.unlock();
            state.setTrouble(problem);
            lock.lock();
            state.settled.notify_all();
            const std::chrono::milliseconds wait =
                state.stopping ? Pacing::finishingRetry : backOff.next();
            if (state.pacing.waiting) {
                state.pacing.waiting(wait);
            }
            state.wake.wait_for(lock, wait, [&] { return state.hurry || state.abandoned; });
            state.hurry = false;
        }
        state.running = false;
        state.settled.notify_all();
    }

    std::shared_ptr<State> state;
    std::thread thread;
};

} // namespace fenwake
