#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace fenwake {

// The 16-bit word that starts at the given byte, least significant byte first, as the
// binary resources store their words. The caller checks that both bytes are there.
constexpr std::uint16_t littleEndianWord(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

} // namespace fenwake
