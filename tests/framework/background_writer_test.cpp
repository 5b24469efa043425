// The one background writer: jobs in order, each tried again at a pace that slows while its
// trouble lasts, given up at once when the trouble never will pass, joined while they wait,
// and handed back when the end comes first; the trouble told once as it starts and once as it
// is over. Its pace is made short here, so that nothing waits long.
#include "framework/storage/background_writer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fenwake {
namespace {

using namespace std::chrono_literals;

struct Job {
    std::string name;
    int failures = 0;     // tries that meet a passing problem first
    bool lasting = false; // can never be done
    bool blocked = false; // waits for the person
    bool hangs = false;   // takes its last step only once let go
};

// What the writer told, and the jobs done, in order.
class Log {
public:
    template <typename Change>
    void note(Change change) {
        const std::lock_guard lock(mutex);
        change();
        changed.notify_all();
    }
    template <typename Condition>
    bool until(Condition condition) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 20s, condition);
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> done;
    std::vector<std::string> gaveUp;
    std::vector<std::string> troubles; // "" when one is over
    std::vector<std::chrono::milliseconds> waits;
    std::atomic<bool> letGo{false};
};

using Writer = BackgroundWriter<Job>;

Writer::Client clientFor(Log& log, bool joins = false) {
    Writer::Client client;
    client.perform = [&log](Job& job, Writer::Attempt& attempt) -> Problem {
        if (job.lasting) {
            return Problem::lasting({"never " + job.name, {}});
        }
        if (job.blocked) {
            return Problem::blocking({"blocked " + job.name, {}});
        }
        if (job.failures > 0) {
            --job.failures;
            return Problem::passing({"full disk", {}});
        }
        if (job.hangs) {
            if (!attempt.mayTakeLastStep()) {
                return Problem::passing({"given up", {}});
            }
            std::unique_lock lock(log.mutex);
            log.changed.wait(lock, [&] { return log.letGo.load(); });
        }
        attempt.tell([&] { log.note([&] { log.done.push_back(job.name); }); });
        return {};
    };
    if (joins) {
        client.join = [](Job& waiting, Job& next) {
            waiting.name += "+" + next.name;
            return true;
        };
    }
    client.troubleChanged = [&log](const Problem& trouble) {
        log.note([&] { log.troubles.push_back(trouble.text.id); });
    };
    client.gaveUp = [&log](const Job& job, const Problem& why) {
        log.note([&] { log.gaveUp.push_back(job.name + ": " + why.text.id); });
    };
    return client;
}

Pacing shortPace(Log& log) {
    Pacing pace;
    pace.first = 1ms;
    pace.last = 8ms;
    pace.waiting = [&log](std::chrono::milliseconds wait) {
        log.note([&] { log.waits.push_back(wait); });
    };
    return pace;
}

TEST(BackgroundWriter, TriesAgainLessAndLessOftenAndTellsTheTroubleOnce) {
    Log log;
    Writer writer(clientFor(log), shortPace(log));
    writer.hand({"a", 6});
    ASSERT_TRUE(log.until([&] { return log.done.size() == 1 && log.troubles.size() == 2; }));
    using std::chrono::milliseconds;
    EXPECT_EQ(log.waits, (std::vector<milliseconds>{1ms, 2ms, 4ms, 8ms, 8ms, 8ms}));
    EXPECT_EQ(log.troubles, (std::vector<std::string>{"full disk", ""}));
    EXPECT_TRUE(writer.finish(1s).jobs.empty());
}

TEST(BackgroundWriter, TheDefaultPaceGoesFromAQuarterOfASecondToFiveSeconds) {
    Pacing pace;
    BackOff backOff(pace);
    std::vector<std::chrono::milliseconds> waits;
    for (int i = 0; i < 7; ++i) {
        waits.push_back(backOff.next());
    }
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{250ms, 500ms, 1000ms, 2000ms, 4000ms,
                                                             5000ms, 5000ms}));
    backOff.reset();
    EXPECT_EQ(backOff.next(), 250ms);
}

// A job that can never be done holds back nothing: it is given up with its reason, and the jobs
// after it are done in their order.
TEST(BackgroundWriter, AJobThatCanNeverBeDoneIsGivenUpAndTheRestGoOn) {
    Log log;
    Writer writer(clientFor(log), shortPace(log));
    writer.hand({"a"});
    writer.hand({"b", 0, true});
    writer.hand({"c", 1});
    ASSERT_TRUE(log.until([&] { return log.done.size() == 2; }));
    EXPECT_EQ(log.done, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(log.gaveUp, std::vector<std::string>{"b: never b"});
    EXPECT_TRUE(writer.waitUntilDone(5s));
    EXPECT_EQ(writer.pending(), 0u);
}

// Jobs handed over while the first is being tried wait together, joined into one.
TEST(BackgroundWriter, JobsWaitingTogetherAreJoined) {
    Log log;
    Writer writer(clientFor(log, true), shortPace(log));
    writer.hand({"a", 3});
    writer.hand({"b"});
    writer.hand({"c"});
    writer.hand({"d"});
    ASSERT_TRUE(log.until([&] { return log.done.size() == 2; }));
    EXPECT_EQ(log.done, (std::vector<std::string>{"a", "b+c+d"}));
}

// The end gives what is pending its time; what is not done then is handed back, with whether the
// job under way had begun its last step, and nothing is told after it.
TEST(BackgroundWriter, TheEndHandsBackWhatItCouldNotDo) {
    Log log;
    Writer writer(clientFor(log), shortPace(log));
    writer.hand({"a", 1000000});
    writer.hand({"b"});
    ASSERT_TRUE(log.until([&] { return !log.troubles.empty(); }));
    const Writer::Unfinished unfinished = writer.finish(50ms);
    ASSERT_EQ(unfinished.jobs.size(), 2u);
    EXPECT_EQ(unfinished.jobs[0].name, "a");
    EXPECT_EQ(unfinished.why.text.id, "full disk");
    EXPECT_FALSE(unfinished.mayHaveLanded);
    writer.hand({"c"}); // taken no more
    EXPECT_EQ(writer.pending(), 0u);
    EXPECT_TRUE(log.done.empty());
}

TEST(BackgroundWriter, AJobPastItsLastStepAtTheEndMayHaveLanded) {
    Log log;
    Writer writer(clientFor(log), shortPace(log));
    Job job{"a"};
    job.hangs = true;
    writer.hand(job);
    const Writer::Unfinished unfinished = writer.finish(50ms);
    log.note([&] { log.letGo = true; });
    ASSERT_EQ(unfinished.jobs.size(), 1u);
    EXPECT_TRUE(unfinished.mayHaveLanded);
    EXPECT_TRUE(unfinished.timedOut);
    EXPECT_TRUE(unfinished.why.empty());
}

// A job blocked by what only the person can change is not waited for at the end.
TEST(BackgroundWriter, TheEndDoesNotWaitForWhatIsBlocked) {
    Log log;
    Writer writer(clientFor(log), shortPace(log));
    Job job{"a"};
    job.blocked = true;
    writer.hand(job);
    ASSERT_TRUE(log.until([&] { return !log.troubles.empty(); }));
    const Writer::Unfinished unfinished = writer.finish(20s);
    EXPECT_FALSE(unfinished.timedOut) << "the end waited for the person";
    ASSERT_EQ(unfinished.jobs.size(), 1u);
    EXPECT_EQ(unfinished.why.kind, Problem::Kind::Blocking);
}

// Done in time, the end lets a later hand-over start the writer again.
TEST(BackgroundWriter, AfterAnEndInTimeAHandOverIsDoneAgain) {
    Log log;
    Writer writer(clientFor(log), shortPace(log));
    writer.hand({"a"});
    EXPECT_TRUE(writer.finish(5s).jobs.empty());
    writer.hand({"b"});
    EXPECT_TRUE(writer.waitUntilDone(5s));
    ASSERT_TRUE(log.until([&] { return log.done.size() == 2; }));
    EXPECT_EQ(log.done.back(), "b");
}

} // namespace
} // namespace fenwake
