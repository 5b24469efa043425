#pragma once

namespace fenwake {

// The standard end codes of a dialog, and the ids of its OK and Cancel commands.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

} // namespace fenwake
