#pragma once
// The four 24 x 24 lock-mark images of the recording lists, indexed by a row's lockFlags value:
// 0 none (transparent), 1 padlock marked "G" (event lock), 2 marked "M" (manual lock), 3 plain
// padlock (both locks).

#include <QPixmap>

namespace vemora {

inline constexpr int kPadlockImageSize = 24;
inline constexpr int kPadlockImageCount = 4;

// Drawn once, on the first call (the GUI thread, when the lists are set up).
const QPixmap& PadlockImage(int index);

} // namespace vemora
