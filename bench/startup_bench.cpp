// Start-up benchmark: from process start to the first window exposed with its results, and
// the peak memory, for Fenwake and for a bare Qt dialog with the same controls (the floor),
// run alternately in the same session. Run it under a real X server for real figures:
//   xvfb-run -a build/bench/startup_bench [runs]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double peakMegabytes;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const std::string& program, const std::string& configHome, Sample& sample) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return false;
    }
    const long long started = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        setenv("XDG_STATE_HOME", (configHome + "/state").c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char text[64] = {};
    const ssize_t length = read(pipeEnds[0], text, sizeof text - 1);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (length <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    sample.milliseconds = static_cast<double>(std::atoll(text) - started) / 1e6;
    sample.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

struct Summary {
    double median;
    double minimum;
    double maximum;
};

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

void report(const char* what, const char* unit, const Summary& fenwake, const Summary& floor) {
    std::printf("%-22s fenwake %8.2f %s (min %.2f, max %.2f)   floor %8.2f %s (min %.2f, max "
                "%.2f)   ratio %.3f\n",
                what, fenwake.median, unit, fenwake.minimum, fenwake.maximum, floor.median, unit,
                floor.minimum, floor.maximum, fenwake.median / floor.median);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    const std::string folder = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/'));
    const std::string fenwake = folder + "/fenwake_first_frame";
    const std::string floor = folder + "/floor_dialog_first_frame";

    char configTemplate[] = "/tmp/fenwake-startup-XXXXXX";
    const std::string configHome = mkdtemp(configTemplate);
    const std::string settings = configHome + "/Kestrova";
    std::system(("mkdir -p " + settings +
                 " && printf '[Settings]\\nWaist=34.00\\nWeight=180.00"
                 "\\nHeight=70.00\\nMetric=0\\nFemale=0\\n' > " +
                 settings + "/fenwake_first_frame.conf")
                    .c_str());

    std::vector<double> fenwakeTimes, floorTimes, fenwakeMemory, floorMemory;
    for (int run = 0; run < runs + 2; ++run) {
        Sample ours{};
        Sample bare{};
        if (!runOnce(fenwake, configHome, ours) || !runOnce(floor, configHome, bare)) {
            std::fprintf(stderr, "a run failed; is there a display (or QT_QPA_PLATFORM)?\n");
            return 1;
        }
        if (run < 2) {
            continue; // the first runs warm the file cache
        }
        fenwakeTimes.push_back(ours.milliseconds);
        floorTimes.push_back(bare.milliseconds);
        fenwakeMemory.push_back(ours.peakMegabytes);
        floorMemory.push_back(bare.peakMegabytes);
    }
    std::system(("rm -rf " + configHome).c_str());

    std::printf("%d runs each, alternating, medians:\n", runs);
    report("start to first frame", "ms", summarise(fenwakeTimes), summarise(floorTimes));
    report("peak memory", "MB", summarise(fenwakeMemory), summarise(floorMemory));
    return 0;
}
