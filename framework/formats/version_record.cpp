#include "framework/formats/version_record.h"

namespace fenwake {

std::string VersionRecord::dotted(const std::array<std::uint16_t, 4>& version) {
    return std::to_string(version[0]) + '.' + std::to_string(version[1]) + '.' +
           std::to_string(version[2]) + '.' + std::to_string(version[3]);
}

} // namespace fenwake
