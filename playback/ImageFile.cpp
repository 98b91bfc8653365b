#include "playback/ImageFile.h"

#include "platform/WholeFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>

namespace vemora {

bool IsJpegPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

bool WriteImageFile(const QImage& image, const QString& path) {
    if (image.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const bool jpeg = IsJpegPath(path);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, jpeg ? "JPEG" : "PNG", jpeg ? 92 : -1))
        return false;
    return WriteWholeFile(path.toStdString(),
                          std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), nullptr);
}

} // namespace vemora
