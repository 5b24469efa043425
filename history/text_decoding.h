#pragma once

#include "framework/text/translatable.h"

#include <string>
#include <string_view>

namespace fenwake {

// A file's bytes as UTF-8 text: UTF-8 with or without its byte-order mark, or UTF-16 (little or
// big endian) with its mark, as spreadsheets on other systems save "Unicode" text.
class TextDecoding {
public:
    struct Decoded {
        std::string_view original; // the bytes, after any mark, when they are UTF-8 already
        std::string converted;     // UTF-16 in UTF-8
        bool isConverted = false;
        TranslatableText problem; // why the bytes are no text; then the text is empty

        std::string_view text() const { return isConverted ? converted : original; }
    };
    // UTF-8 is taken as it is, without a copy: the text views the bytes, which must outlive it.
    static Decoded toUtf8(std::string_view bytes);
};

} // namespace fenwake
