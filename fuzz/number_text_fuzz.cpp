// Feeds arbitrary bytes to both number readers and checks what they promise: the edit
// reader gives only finite numbers, and what it accepts shows and reads back unchanged.
#include "framework/text/number_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    using fenwake::NumberText;

    const double stored = NumberText::readLeadingNumber(text);
    NumberText::twoDecimals(stored);
    NumberText::editText(stored);

    if (const auto typed = NumberText::readEditNumber(text)) {
        if (!std::isfinite(*typed)) {
            std::abort();
        }
        const std::string shown = NumberText::editText(*typed);
        const auto again = NumberText::readEditNumber(shown);
        if (!again || NumberText::editText(*again) != shown) {
            std::abort();
        }
        if (NumberText::readLeadingNumber(NumberText::twoDecimals(*typed)) !=
            NumberText::readLeadingNumber(NumberText::twoDecimals(*typed) + "junk")) {
            std::abort();
        }
    }
    return 0;
}
