#pragma once
// Values the main window's source files share.

#include <QColor>
#include <QEvent>

namespace vemora {

// Dialog background and the colour every instrument paints on.
inline constexpr QColor kBackground(5, 5, 5);

// wParam of UM_TOGGLE_FULLSCREEN from the keyboard: the front pane, wherever the mouse is.
inline constexpr qint64 kFullScreenFrontPane = 1;

// Posted by the scan worker when ScanSource has returned; carries whether it found recordings.
inline const QEvent::Type kScanFinishedEvent = static_cast<QEvent::Type>(QEvent::User + 0x100);

} // namespace vemora
