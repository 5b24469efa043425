// The history's CSV reader over any bytes: it never crashes, and every entry it reads writes
// back as CSV that reads as the same entries.
#include "history/history_csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const fenwake::HistoryCsv::Reading reading = fenwake::HistoryCsv::read(text);
    if (!reading.notEntries.empty() && (!reading.entries.empty() || !reading.refused.empty())) {
        std::abort();
    }
    const fenwake::HistoryCsv::Reading again =
        fenwake::HistoryCsv::read(fenwake::HistoryCsv::write(reading.entries));
    if (!again.notEntries.empty() || !again.refused.empty() ||
        again.entries.size() != reading.entries.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < again.entries.size(); ++i) {
        if (!again.entries[i].sameAs(reading.entries[i])) {
            std::abort();
        }
    }
    return 0;
}
