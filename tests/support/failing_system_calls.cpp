// The C library's file calls, answered here first. The dynamic linker binds every library's
// calls (Qt's included) to the executable's own definitions, so these see each call before
// the C library does; they pass it on unchanged unless the step is armed.
#undef _FORTIFY_SOURCE
#include "tests/support/failing_system_calls.h"

#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <set>
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
    int failures = 0;
};

Fault& fault() {
    static Fault instance;
    return instance;
}

bool inFolder(const Fault& state, const char* path) {
    if (path == nullptr || state.folder.empty()) {
        return false;
    }
    const std::string name(path);
    const bool isLock = name.ends_with(".lock") || name.ends_with(".rmlock");
    return name.starts_with(state.folder) && !isLock;
}

// Whether a call of this step on this file fails now; counts it when it does.
bool failsNow(FileStep step, const char* path, int descriptor = -1) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    const bool ours = path != nullptr ? inFolder(state, path) : state.descriptors.count(descriptor);
    if (!state.armed || state.step != step || !ours) {
        return false;
    }
    ++state.failures;
    errno = state.error;
    return true;
}

void remember(int descriptor, const char* path, int flags) {
    const bool writing = (flags & (O_WRONLY | O_RDWR | O_CREAT)) != 0;
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    if (descriptor >= 0 && writing && inFolder(state, path)) {
        state.descriptors.insert(descriptor);
    }
}

void forget(int descriptor) {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.descriptors.erase(descriptor);
}

template <class Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool creates(int flags) {
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

// Every open goes to the C library's openat, which open, open64 and openat64 all are.
int openFile(int directory, const char* path, int flags, mode_t mode) {
    if (creates(flags) && failsNow(FileStep::Create, path)) {
        return -1;
    }
    using OpenAt = int (*)(int, const char*, int, ...);
    static const auto real = next<OpenAt>("openat");
    const int descriptor = real(directory, path, flags, mode);
    remember(descriptor, path, flags);
    return descriptor;
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
}

void stopFailing() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    state.armed = false;
}

int failedCalls() {
    Fault& state = fault();
    const std::lock_guard lock(state.mutex);
    return state.failures;
}

} // namespace fenwake::test

using fenwake::test::failsNow;
using fenwake::test::FileStep;
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
    if (failsNow(FileStep::Write, nullptr, descriptor)) {
        return -1;
    }
    static const auto real = fenwake::test::next<ssize_t (*)(int, const void*, size_t)>("write");
    return real(descriptor, data, size);
}

int fsync(int descriptor) {
    if (failsNow(FileStep::Sync, nullptr, descriptor)) {
        return -1;
    }
    static const auto real = fenwake::test::next<int (*)(int)>("fsync");
    return real(descriptor);
}

int fdatasync(int descriptor) {
    if (failsNow(FileStep::Sync, nullptr, descriptor)) {
        return -1;
    }
    static const auto real = fenwake::test::next<int (*)(int)>("fdatasync");
    return real(descriptor);
}

int rename(const char* from, const char* to) {
    if (failsNow(FileStep::Replace, to)) {
        return -1;
    }
    static const auto real = fenwake::test::next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

int linkat(int fromDirectory, const char* from, int toDirectory, const char* to, int flags) {
    if (failsNow(FileStep::Replace, to)) {
        return -1;
    }
    static const auto real =
        fenwake::test::next<int (*)(int, const char*, int, const char*, int)>("linkat");
    return real(fromDirectory, from, toDirectory, to, flags);
}

} // extern "C"
