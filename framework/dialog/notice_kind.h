#pragma once

namespace fenwake {

// What a notice line's sign says: that something is wrong, or only what has happened.
enum class NoticeKind { Warning, Information };

} // namespace fenwake
