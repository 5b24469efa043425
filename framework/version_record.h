#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace fenwake {

// The program's version resource: file and product version as four numbers, the language
// and code page of its strings, and the descriptive strings themselves.
struct VersionRecord {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    std::map<std::string, std::string> strings;

    // "1.1.0.0" for version 1, 1, 0, 0.
    static std::string dotted(const std::array<std::uint16_t, 4>& version);
};

} // namespace fenwake
