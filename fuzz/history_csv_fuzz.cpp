// The history's CSV reader over any bytes, in any of the forms it reads (separators, decimal
// commas, UTF-16, other trackers' columns and dates): it never crashes, and every entry it
// reads, completed with what the person gives, writes back as CSV that reads as the same
// entries.
#include "history/history_csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const fenwake::HistoryCsv::Reading reading = fenwake::HistoryCsv::read(text);
    if (!reading.notEntries.empty() && (!reading.entries.empty() || reading.refused.count != 0)) {
        std::abort();
    }
    const std::vector<fenwake::HistoryEntry> entries =
        fenwake::HistoryCsv::completed(reading, {true, true, 81.5, 70.25, 172.0});
    const fenwake::HistoryCsv::Reading again =
        fenwake::HistoryCsv::read(fenwake::HistoryCsv::write(entries));
    if (!again.notEntries.empty() || again.refused.count != 0 || again.lacking.any() ||
        again.entries.size() != entries.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < again.entries.size(); ++i) {
        if (!again.entries[i].sameAs(entries[i])) {
            std::abort();
        }
    }
    return 0;
}
