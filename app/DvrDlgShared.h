#pragma once
// Values the main window's source files share.

#include <QColor>

namespace vemora {

// Dialog background and the colour every instrument paints on.
inline constexpr QColor kBackground(5, 5, 5);

} // namespace vemora
