#pragma once

#include "framework/text/translatable.h"

#include <cstddef>
#include <string>

namespace fenwake {

// Whole text files the person names (an export, an import), read and written by the history's
// thread. Each gives back why it could not, empty when it could.
class TextFile {
public:
    // A regular file of at most `largest` bytes, never waiting on a pipe or a device.
    static TranslatableText read(const std::string& path, std::size_t largest, std::string& text);
    // The file replaced whole or not at all: written beside it, synced, renamed over it. A file
    // replaced keeps its permissions; a new one is readable by all and writable by its owner.
    static TranslatableText replace(const std::string& path, const std::string& text);
};

} // namespace fenwake
