// The C library's file calls, answered here first. The dynamic linker binds every library's
// calls (Qt's included) to the executable's own definitions, so these see each call before
// the C library does; they pass it on unchanged unless the step is armed.
#undef _FORTIFY_SOURCE
#include "tests/support/failing_system_calls.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <set>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace fenwake::test {

namespace {

struct Fault {
    std::mutex mutex;
    bool armed = false;
    FileStep step = FileStep::Write;
    int error = 0;
    std::string folder;
    std::set<int> descriptors; // files opened for writing in the folder
    std::set<int> folders;     // the folder itself, opened
    std::set<int> partWritten; // files of PartWrite that had their half
    int failures = 0;
    std::chrono::milliseconds syncDelay{0};
    std::chrono::milliseconds renameDelay{0};
    // Calls counted for one thread.
    std::string watchedFolder;
    std::thread::id watchedThread;
    std::set<int> watchedDescriptors; // anything opened in the watched folder, by any thread
    int watchedCalls = 0;
    // Calls made slow: begun, and over.
    int slowedStarted = 0;
    int slowedEnded = 0;
    // Opens of one file for reading, by threads other than the one that asked.
    std::string readFile;
    std::thread::id readCounter;
    int reads = 0;
};

Fault& fault() {
    static Fault instance;
    return instance;
}

// A path as given, or relative to the folder a descriptor stands for.
std::string fullPath(int directory, const char* path) {
    if (path == nullptr || path[0] == '/' || directory == AT_FDCWD) {
        return path != nullptr ? path : "";
    }
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", directory);
    char folder[4096];
    const ssize_t length = readlink(link, folder, sizeof folder - 1);
    return length < 0 ? path : std::string(folder, static_cast<std::size_t>(length)) + '/' + path;
}

bool inFolder(const Fault& state, const char* path) {
    if (path == nullptr || state.folder.empty()) {
        return false;
    }
    const std::string name(path);
    const bool isLock = name.ends_with(".lock") || name.ends_with(".rmlock");
    return name.starts_with(state.folder) && !isLock;
}

bool watched(const Fault& state, const std::string& path) {
    return !state.watchedFolder.empty() && path.starts_with(state.watchedFolder);
}

// Counts a call on a path, or on a descriptor opened in the watched folder.
void noteCall(const char* path, int descriptor = -1) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    const bool inWatched =
        path != nullptr ? watched(state, path) : state.watchedDescriptors.count(descriptor) > 0;
    if (inWatched && std::this_thread::get_id() == state.watchedThread) {
        ++state.watchedCalls;
    }
}

void slowDown(std::chrono::milliseconds Fault::*which) {
    Fault& state = fault();
    std::chrono::milliseconds delay;
    {
        const std::lock_guard lock(state.mutex);
        delay = state.*which;
        state.slowedStarted += delay.count() > 0 ? 1 : 0;
    }
    std::this_thread::sleep_for(delay);
    const std::lock_guard lock(state.mutex);
    state.slowedEnded += delay.count() > 0 ? 1 : 0;
}

bool isLockOfFolder(const Fault& state, const std::string& path) {
    return !state.folder.empty() && path.starts_with(state.folder) && path.ends_with(".lock");
}

bool isOurs(const Fault& state, FileStep step, const char* path, int descriptor) {
    if (step == FileStep::LockCreate) {
        return path != nullptr && isLockOfFolder(state, path);
    }
    if (path != nullptr) {
        return inFolder(state, path);
    }
    return (step == FileStep::FolderSync ? state.folders : state.descriptors).count(descriptor) > 0;
}

// Whether a call of this step on this file fails now; counts it when it does.
bool failsNow(FileStep step, const char* path, int descriptor = -1) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    if (!state.armed || state.step != step || !isOurs(state, step, path, descriptor)) {
        return false;
    }
    ++state.failures;
    errno = state.error;
    return true;
}

void remember(int descriptor, const std::string& path, int flags) {
    const bool writing = (flags & (O_WRONLY | O_RDWR | O_CREAT)) != 0;
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    if (descriptor >= 0 && writing && inFolder(state, path.c_str())) {
        state.descriptors.insert(descriptor);
    }
    if (descriptor >= 0 && (flags & O_DIRECTORY) != 0 && !state.folder.empty() &&
        path.starts_with(state.folder) && path.find('/', state.folder.size() + 1) == path.npos) {
        state.folders.insert(descriptor);
    }
    if (descriptor >= 0 && watched(state, path)) {
        state.watchedDescriptors.insert(descriptor);
    }
}

void forget(int descriptor) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.descriptors.erase(descriptor);
    state.folders.erase(descriptor);
    state.partWritten.erase(descriptor);
    state.watchedDescriptors.erase(descriptor);
}

template <class Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool creates(int flags) {
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

// Every open goes to the C library's openat, which open, open64 and openat64 all are.
void noteRead(const std::string& path, int flags) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    if ((flags & O_ACCMODE) == O_RDONLY && path == state.readFile &&
        std::this_thread::get_id() != state.readCounter) {
        ++state.reads;
    }
}

int openFile(int directory, const char* path, int flags, mode_t mode) {
    const std::string full = fullPath(directory, path);
    noteCall(full.c_str());
    noteRead(full, flags);
    if (creates(flags) && (failsNow(FileStep::Create, full.c_str()) ||
                           failsNow(FileStep::LockCreate, full.c_str()))) {
        return -1;
    }
    using OpenAt = int (*)(int, const char*, int, ...);
    static const auto real = next<OpenAt>("openat");
    const int descriptor = real(directory, path, flags, mode);
    remember(descriptor, full, flags);
    return descriptor;
}

int syncFile(bool dataOnly, int descriptor) {
    noteCall(nullptr, descriptor);
    slowDown(&Fault::syncDelay);
    if (failsNow(FileStep::Sync, nullptr, descriptor) ||
        failsNow(FileStep::FolderSync, nullptr, descriptor)) {
        return -1;
    }
    static const auto realFsync = next<int (*)(int)>("fsync");
    static const auto realFdatasync = next<int (*)(int)>("fdatasync");
    return (dataOnly ? realFdatasync : realFsync)(descriptor);
}

// For PartWrite: how much of a write goes through, all of it when the step is not armed.
// The first write to a file gets half; every later one fails.
std::optional<std::size_t> partOfWrite(int descriptor, std::size_t size) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    if (!state.armed || state.step != FileStep::PartWrite ||
        state.descriptors.count(descriptor) == 0) {
        return size;
    }
    if (state.partWritten.insert(descriptor).second && size > 1) {
        return size / 2;
    }
    ++state.failures;
    errno = state.error;
    return std::nullopt;
}

mode_t modeOf(int flags, va_list arguments) {
    return creates(flags) ? static_cast<mode_t>(va_arg(arguments, unsigned)) : 0;
}

} // namespace

void failStep(FileStep step, int error, const std::string& folder) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.armed = true;
    state.step = step;
    state.error = error;
    state.folder = folder;
    state.failures = 0;
    state.partWritten.clear();
}

void slowSyncs(std::chrono::milliseconds delay) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.syncDelay = delay;
}

void slowRenames(std::chrono::milliseconds delay) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.renameDelay = delay;
}

void stopFailing() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.armed = false;
    state.syncDelay = std::chrono::milliseconds(0);
    state.renameDelay = std::chrono::milliseconds(0);
}

void countCallsOfThisThread(const std::string& folder) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.watchedFolder = folder;
    state.watchedThread = std::this_thread::get_id();
    state.watchedCalls = 0;
}

int countedCalls() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    return state.watchedCalls;
}

void countReadsElsewhere(const std::string& file) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.readFile = file;
    state.readCounter = std::this_thread::get_id();
    state.reads = 0;
}

int countedReads() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    return state.reads;
}

int slowedCallsStarted() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    return state.slowedStarted;
}

int slowedCallsEnded() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    return state.slowedEnded;
}

int failedCalls() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    return state.failures;
}

} // namespace fenwake::test

using fenwake::test::failsNow;
using fenwake::test::FileStep;
using fenwake::test::noteCall;
using fenwake::test::openFile;

extern "C" {

int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = fenwake::test::modeOf(flags, arguments);
    va_end(arguments);
    return openFile(AT_FDCWD, path, flags, mode);
}

// On this platform the 64-bit names are the same calls.
int open64(const char* path, int flags, ...) __attribute__((alias("open")));

int openat(int directory, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = fenwake::test::modeOf(flags, arguments);
    va_end(arguments);
    return openFile(directory, path, flags, mode);
}

int openat64(int directory, const char* path, int flags, ...) __attribute__((alias("openat")));

int close(int descriptor) {
    fenwake::test::forget(descriptor);
    static const auto real = fenwake::test::next<int (*)(int)>("close");
    return real(descriptor);
}

ssize_t write(int descriptor, const void* data, size_t size) {
    noteCall(nullptr, descriptor);
    const std::optional<std::size_t> part = fenwake::test::partOfWrite(descriptor, size);
    if (failsNow(FileStep::Write, nullptr, descriptor) || !part) {
        return -1;
    }
    static const auto real = fenwake::test::next<ssize_t (*)(int, const void*, size_t)>("write");
    return real(descriptor, data, *part);
}

int fsync(int descriptor) {
    return fenwake::test::syncFile(false, descriptor);
}

int fdatasync(int descriptor) {
    return fenwake::test::syncFile(true, descriptor);
}

int flock(int descriptor, int operation) {
    noteCall(nullptr, descriptor);
    static const auto real = fenwake::test::next<int (*)(int, int)>("flock");
    return real(descriptor, operation);
}

int rename(const char* from, const char* to) {
    noteCall(to);
    fenwake::test::slowDown(&fenwake::test::Fault::renameDelay);
    if (failsNow(FileStep::Replace, to)) {
        return -1;
    }
    static const auto real = fenwake::test::next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

int linkat(int fromDirectory, const char* from, int toDirectory, const char* to, int flags) {
    noteCall(to);
    if (failsNow(FileStep::Replace, to)) {
        return -1;
    }
    static const auto real =
        fenwake::test::next<int (*)(int, const char*, int, const char*, int)>("linkat");
    return real(fromDirectory, from, toDirectory, to, flags);
}

} // extern "C"
