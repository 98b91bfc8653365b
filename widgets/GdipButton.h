#pragma once
// Image button of the main window. It prepares its pictures once for its size (standard,
// pressed one pixel right and down, hot, grey, and the same for the alternate picture) and
// then only copies the one that fits its state. Toggle buttons (PLAY/pause, Loop, FLIP, Vol,
// LOCK) flip between the standard and the alternate set on every press.

#include "widgets/GdiPlusBitmap.h"

#include <QAbstractButton>
#include <QImage>

#include <array>
#include <memory>

namespace vemora {

class CGdipButton : public QAbstractButton {
    Q_OBJECT
public:
    enum Picture {
        PictureBackground,
        PictureStandard,
        PictureStandardPressed,
        PictureStandardHot,
        PictureAlt,
        PictureAltPressed,
        PictureAltHot,
        PictureGrey,
        kPictureCount
    };

    CGdipButton(int id, const QString& caption, QWidget* parent);
    ~CGdipButton() override;

    int Id() const { return m_nId; }
    // Loads the pictures by name; the alternate one may be empty. A toggle button flips on
    // every press. False when the standard picture is missing (the button then shows nothing).
    bool LoadPictures(const QString& standard, const QString& alternate = QString(), bool toggle = false);
    void SetAltShown(bool shown); // also clears the grey look
    bool AltShown() const { return m_bAltShown; }
    void SetGrey(bool grey);
    bool Grey() const { return m_bGrey; }
    bool Hover() const { return m_bHover; }

    // The picture the button shows in its present state, and any prepared picture (prepared on
    // first use for the present size).
    Picture CurrentPicture() const;
    const QImage& PreparedPicture(Picture which);

signals:
    void command(int id);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void PreparePictures();

    int m_nId;
    bool m_bHasAlt = false;
    bool m_bGrey = false;
    bool m_bToggle = false;
    bool m_bHover = false;
    bool m_bAltShown = false;
    std::unique_ptr<CGdiPlusBitmapResource> m_pAltImage;
    std::unique_ptr<CGdiPlusBitmapResource> m_pStdImage;
    std::array<QImage, kPictureCount> m_pictures;
    QSize m_preparedSize;
};

} // namespace vemora
