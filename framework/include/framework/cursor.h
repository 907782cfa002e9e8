// The mouse cursors a control can show.
#pragma once

namespace fw {

enum class Cursor { StandardPointer, FingerPointer, HandOpen };

namespace Cursors {
inline constexpr Cursor StandardPointer = Cursor::StandardPointer;
inline constexpr Cursor FingerPointer = Cursor::FingerPointer;
inline constexpr Cursor HandOpen = Cursor::HandOpen;
} // namespace Cursors

} // namespace fw
