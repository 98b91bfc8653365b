#include "library/views/PadlockImages.h"

#include "widgets/GdiPlusBitmap.h"

#include <QImage>

#include <array>

namespace vemora {

namespace {

QPixmap MakePadlock(int index) {
    static const char* const kPictures[kPadlockImageCount] = {nullptr, "padlock_event", "padlock_manual",
                                                              "padlock_both"};
    QImage image(kPadlockImageSize, kPadlockImageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    CGdiPlusBitmapResource picture;
    if (kPictures[index] && picture.Load(QString::fromLatin1(kPictures[index])))
        image = picture.Render(image.size());
    return QPixmap::fromImage(image);
}

} // namespace

const QPixmap& PadlockImage(int index) {
    static const std::array<QPixmap, kPadlockImageCount> images = {MakePadlock(0), MakePadlock(1),
                                                                   MakePadlock(2), MakePadlock(3)};
    return images[static_cast<size_t>(index & 3)];
}

} // namespace vemora
