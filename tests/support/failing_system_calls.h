#pragma once

#include <string>

namespace fenwake::test {

// The steps of replacing a file, each a family of system calls.
enum class FileStep {
    Create,  // opening a new file for writing (the temporary file)
    Write,   // write()
    Sync,    // fsync() and fdatasync()
    Replace, // rename() and linkat(): putting the new file in place
};

// A test program linked with this library answers the named calls itself, in front of the
// C library: once armed, every call of that step on a file in the folder (lock files aside)
// fails with the error, as a full disk, a quota or a failing device would make it fail.
void failStep(FileStep step, int error, const std::string& folder);
void stopFailing();
// How many calls failed since the step was armed.
int failedCalls();

} // namespace fenwake::test
