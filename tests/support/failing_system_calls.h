#pragma once

#include <chrono>
#include <string>

namespace fenwake::test {

// The steps of replacing a file, each a family of system calls.
enum class FileStep {
    Create,     // opening a new file for writing (the temporary file)
    Write,      // write()
    PartWrite,  // write(): the first call writes half, as a disk filling up does; then Write
    Sync,       // fsync() and fdatasync()
    Replace,    // rename() and linkat(): putting the new file in place
    FolderSync, // fsync() of the folder itself, which makes the new name last
    LockCreate, // creating the lock file beside the file, as in a folder that is read-only
};

// A test program linked with this library answers the named calls itself, in front of the
// C library: once armed, every call of that step on a file in the folder (lock files aside)
// fails with the error, as a full disk, a quota or a failing device would make it fail.
void failStep(FileStep step, int error, const std::string& folder);
// Every sync, of any file, takes this much longer, as on a slow or busy disk.
void slowSyncs(std::chrono::milliseconds delay);
// Every rename takes this much longer before it happens, as on a network or FUSE file system
// that hangs: it lands all the same, late.
void slowRenames(std::chrono::milliseconds delay);
void stopFailing();
// How many calls made slow (syncs, renames) have begun, and how many are over, since the start.
int slowedCallsStarted();
int slowedCallsEnded();
// How many calls failed since the step was armed.
int failedCalls();

// Counts the calls that open, write, sync, lock or rename anything in the folder (locks
// included) made on the calling thread from now on.
void countCallsOfThisThread(const std::string& folder);
int countedCalls();

// Counts how often the file is opened for reading by any thread but the calling one (a writer
// thread's reads, not the test's own look at the file).
void countReadsElsewhere(const std::string& file);
int countedReads();

} // namespace fenwake::test
