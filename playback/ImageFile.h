#pragma once
// Snapshot pictures written whole: encoded in memory, then a temporary beside the target, synced
// and renamed over it, never through a link.

#include <QImage>
#include <QString>

namespace vemora {

// True when the name asks for a JPEG picture (".jpg", ".jpeg", any case); PNG otherwise.
bool IsJpegPath(const QString& path);

// Writes image to path as JPEG (quality 92) or PNG, as the name asks; false when nothing was
// written (the target is then as it was).
bool WriteImageFile(const QImage& image, const QString& path);

} // namespace vemora
