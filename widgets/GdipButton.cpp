#include "widgets/GdipButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace vemora {
namespace {

// The background with the picture drawn over it at offset.
QImage Compose(const QImage& background, const QImage& picture, QPoint offset) {
    QImage image = background;
    QPainter p(&image);
    p.drawImage(offset, picture);
    return image;
}

} // namespace

CGdipButton::CGdipButton(int id, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_nId(id) {
    setText(caption); // names the button for accessibility; never drawn
    setObjectName(QStringLiteral("button%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
    // A toggle button flips once per press (also a programmatic click), before its command
    // runs, so the command sees the new state; how often the pressed button is redrawn does
    // not matter.
    connect(this, &QAbstractButton::pressed, this, [this] {
        if (m_bToggle)
            m_bAltShown = !m_bAltShown;
    });
    connect(this, &QAbstractButton::clicked, this, [this] { emit command(m_nId); });
}

CGdipButton::~CGdipButton() = default;

bool CGdipButton::LoadPictures(const QString& standard, const QString& alternate, bool toggle) {
    m_pStdImage = std::make_unique<CGdiPlusBitmapResource>();
    if (!m_pStdImage->Load(standard))
        m_pStdImage.reset();
    m_pAltImage.reset();
    if (!alternate.isEmpty()) {
        m_pAltImage = std::make_unique<CGdiPlusBitmapResource>();
        if (!m_pAltImage->Load(alternate))
            m_pAltImage.reset();
    }
    m_bHasAlt = m_pAltImage != nullptr;
    m_bToggle = toggle;
    m_preparedSize = QSize();
    update();
    return m_pStdImage != nullptr;
}

void CGdipButton::SetAltShown(bool shown) {
    m_bAltShown = shown;
    m_bGrey = false;
    update();
}

void CGdipButton::SetGrey(bool grey) {
    m_bGrey = grey;
    update();
}

// The main window paints nothing but its dark background under a button, so the pictures are
// drawn on a transparent background and keep their own transparency.
void CGdipButton::PreparePictures() {
    if (m_preparedSize == size())
        return;
    m_preparedSize = size();
    m_pictures.fill(QImage());
    if (!m_pStdImage || size().isEmpty())
        return;
    QImage background(size(), QImage::Format_ARGB32_Premultiplied);
    background.fill(Qt::transparent);
    m_pictures[PictureBackground] = background;
    auto prepare = [&](const CGdiPlusBitmapResource& image, Picture plain, Picture pressed, Picture hot) {
        const QImage picture = image.Render(size());
        m_pictures[plain] = Compose(background, picture, QPoint(0, 0));
        m_pictures[pressed] = Compose(background, picture, QPoint(1, 1));
        m_pictures[hot] = Compose(background, ApplyColourMatrix(picture, kHotMatrix), QPoint(0, 0));
    };
    prepare(*m_pStdImage, PictureStandard, PictureStandardPressed, PictureStandardHot);
    m_pictures[PictureGrey] =
        Compose(background, ApplyColourMatrix(m_pStdImage->Render(size()), kGreyMatrix), QPoint(0, 0));
    if (m_bHasAlt)
        prepare(*m_pAltImage, PictureAlt, PictureAltPressed, PictureAltHot);
}

const QImage& CGdipButton::PreparedPicture(Picture which) {
    PreparePictures();
    return m_pictures[which];
}

CGdipButton::Picture CGdipButton::CurrentPicture() const {
    const bool alt = m_bAltShown && m_bHasAlt;
    if (m_bGrey)
        return PictureGrey;
    if (isDown())
        return alt ? PictureAltPressed : PictureStandardPressed;
    if (m_bHover)
        return alt ? PictureAltHot : PictureStandardHot;
    return alt ? PictureAlt : PictureStandard;
}

void CGdipButton::paintEvent(QPaintEvent*) {
    const QImage& picture = PreparedPicture(CurrentPicture());
    if (picture.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, picture);
}

void CGdipButton::enterEvent(QEnterEvent*) {
    m_bHover = true;
    update();
}

void CGdipButton::leaveEvent(QEvent*) {
    m_bHover = false;
    update();
}

// A fast second click is a click of its own.
void CGdipButton::mouseDoubleClickEvent(QMouseEvent* e) {
    QAbstractButton::mousePressEvent(e);
}

void CGdipButton::resizeEvent(QResizeEvent* e) {
    QAbstractButton::resizeEvent(e);
    update();
}

} // namespace vemora
