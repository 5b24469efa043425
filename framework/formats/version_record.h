#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace fenwake {

// The program's version resource: the product version as four numbers, and the
// descriptive strings.
struct VersionRecord {
    std::array<std::uint16_t, 4> productVersion{};
    std::map<std::string, std::string> strings;

    // "1.1.0.0" for version 1, 1, 0, 0.
    static std::string dotted(const std::array<std::uint16_t, 4>& version);
};

} // namespace fenwake
