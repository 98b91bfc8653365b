#include "playback/PlayerSnapshot.h"

#include "platform/WholeFile.h"
#include "playback/ImageFile.h"
#include "playback/VlcApi.h"

#include <QImage>

namespace vemora {

QString WithCameraMark(const QString& path, const char* mark) {
    int slash = static_cast<int>(path.lastIndexOf(QLatin1Char('/')));
    int dot = static_cast<int>(path.lastIndexOf(QLatin1Char('.')));
    if (dot <= slash)
        return path + QLatin1String(mark);
    return path.left(dot) + QLatin1String(mark) + path.mid(dot);
}

// libVLC writes into a temporary reserved beside the target (created exclusively, never through
// a link); the picture replaces the target only once complete.
void WriteSnapshot(VlcApi& player, const QString& path) {
    if (!player.IsLoaded())
        return;
    auto file = WholeFile::Begin(path.toStdString(), nullptr);
    if (!file || !player.TakeSnapshot(file->TempPath()))
        return;
    if (!IsJpegPath(path)) {
        file->Commit(nullptr);
        return;
    }
    WriteImageFile(QImage(QString::fromStdString(file->TempPath())), path);
}

} // namespace vemora
