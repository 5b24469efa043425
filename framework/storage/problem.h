#pragma once

#include "framework/text/translatable.h"

#include <utility>

namespace fenwake {

// Why something could not be kept, as the program's background writers and the files they write
// tell it: a sentence to be said later in the person's language, and how long it is likely to
// last. A passing problem (a full disk, a busy database, a lock held by another program) is
// tried again after a while; a blocking one (a file in the way that only the person can move)
// is tried again too, but nothing is gained by hurrying it; a lasting one (a change that
// contradicts what is there, a file that is none of ours) can never be made, and what it stood
// in the way of is given up.
struct Problem {
    enum class Kind { Passing, Blocking, Lasting };

    TranslatableText text;
    Kind kind = Kind::Passing;

    static Problem passing(TranslatableText why) { return {std::move(why), Kind::Passing}; }
    static Problem blocking(TranslatableText why) { return {std::move(why), Kind::Blocking}; }
    static Problem lasting(TranslatableText why) { return {std::move(why), Kind::Lasting}; }

    bool empty() const { return text.empty(); }
    bool isLasting() const { return kind == Kind::Lasting; }
    bool operator==(const Problem&) const = default;
};

} // namespace fenwake
