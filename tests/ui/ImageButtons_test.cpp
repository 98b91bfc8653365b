// The image buttons' prepared pictures, their states and clicks, the picture controls and the
// pictures of the resources.

#include "widgets/GdipButton.h"
#include "widgets/PngStatic.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vemora;

namespace {

using P = CGdipButton::Picture;

struct Button {
    QWidget parent;
    CGdipButton* button;
    explicit Button(const char* standard, const char* alternate = nullptr, bool toggle = false)
        : button(new CGdipButton(1015, QStringLiteral("PLAY"), &parent)) {
        button->resize(48, 48);
        EXPECT_TRUE(button->LoadPictures(QString::fromLatin1(standard),
                                         alternate ? QString::fromLatin1(alternate) : QString(), toggle));
    }
    const QImage& Picture(P which) { return button->PreparedPicture(which); }
    void Send(QEvent::Type type) {
        QMouseEvent e(type, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button, &e);
    }
};

} // namespace

TEST(ImageButtonTest, PressedPictureIsTheStandardOneShiftedByOnePixel) {
    Button b("play");
    const QImage& standard = b.Picture(P::PictureStandard);
    const QImage& pressed = b.Picture(P::PictureStandardPressed);
    ASSERT_EQ(standard.size(), QSize(48, 48));
    int differing = 0;
    for (int y = 0; y < 47; ++y)
        for (int x = 0; x < 47; ++x)
            differing += pressed.pixel(x + 1, y + 1) != standard.pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_NE(pressed, standard);
}

TEST(ImageButtonTest, HotAndGreyPicturesKeepTheTransparency) {
    Button b("play");
    const QImage standard = b.Picture(P::PictureStandard).convertToFormat(QImage::Format_ARGB32);
    for (P which : {P::PictureStandardHot, P::PictureGrey}) {
        const QImage picture = b.Picture(which).convertToFormat(QImage::Format_ARGB32);
        int alphaChanged = 0, colourChanged = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                alphaChanged += qAlpha(picture.pixel(x, y)) != qAlpha(standard.pixel(x, y));
                colourChanged += picture.pixel(x, y) != standard.pixel(x, y);
            }
        EXPECT_EQ(alphaChanged, 0) << which;
        EXPECT_GT(colourChanged, 100) << which;
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << which; // the corner outside the round plate
    }
    // Hot is brighter, grey has no colour.
    const QRgb centre = standard.pixel(24, 40);
    const QRgb hot = b.Picture(P::PictureStandardHot).convertToFormat(QImage::Format_ARGB32).pixel(24, 40);
    EXPECT_GT(qGray(hot), qGray(centre));
    const QRgb glyph = b.Picture(P::PictureGrey).convertToFormat(QImage::Format_ARGB32).pixel(26, 24);
    EXPECT_EQ(qRed(glyph), qBlue(glyph));
}

TEST(ImageButtonTest, ToggleFlipsOncePerPressAndDoubleClicksCountTwice) {
    Button b("play", "pause", true);
    QSignalSpy commands(b.button, &CGdipButton::command);
    b.Send(QEvent::MouseButtonPress);
    EXPECT_TRUE(b.button->AltShown());
    EXPECT_EQ(b.button->CurrentPicture(), P::PictureAltPressed);
    b.button->repaint(); // redrawn while held: still one flip
    b.Send(QEvent::MouseButtonRelease);
    EXPECT_TRUE(b.button->AltShown());
    EXPECT_EQ(b.button->CurrentPicture(), P::PictureAlt);
    // press, release, double-click, release: two commands and two flips.
    b.Send(QEvent::MouseButtonPress);
    b.Send(QEvent::MouseButtonRelease);
    b.Send(QEvent::MouseButtonDblClick);
    b.Send(QEvent::MouseButtonRelease);
    EXPECT_EQ(commands.count(), 3);
    EXPECT_TRUE(b.button->AltShown());
    b.button->click(); // a click from the keyboard or a menu flips the same way
    EXPECT_FALSE(b.button->AltShown());
}

TEST(ImageButtonTest, GreyWinsOverHoverAndSettingTheStateClearsIt) {
    Button b("stop");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(b.button, &enter);
    EXPECT_EQ(b.button->CurrentPicture(), P::PictureStandardHot);
    b.button->SetGrey(true);
    EXPECT_EQ(b.button->CurrentPicture(), P::PictureGrey);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b.button, &leave);
    EXPECT_EQ(b.button->CurrentPicture(), P::PictureGrey);
    b.button->SetAltShown(false);
    EXPECT_EQ(b.button->CurrentPicture(), P::PictureStandard);
}

TEST(ImageButtonTest, MissingPicturesLeaveTheControlsEmpty) {
    QWidget parent;
    CGdipButton button(1014, QStringLiteral("Conf"), &parent);
    button.resize(48, 36);
    EXPECT_FALSE(button.LoadPictures(QStringLiteral("no-such-picture")));
    EXPECT_TRUE(button.PreparedPicture(CGdipButton::PictureStandard).isNull());
    CPngStatic gps(1010, &parent);
    EXPECT_FALSE(gps.LoadPicture(QStringLiteral("no-such-picture")));
    gps.resize(32, 32);
    EXPECT_EQ(gps.grab().toImage().pixelColor(16, 16).alpha(), 255); // painted nothing, no crash
}

// Every picture of the set draws at its use size and is not blank.
TEST(ImageButtonTest, EveryPictureOfTheSetDraws) {
    const char* names[] = {"play",       "pause",       "stop",   "fast",    "slow",      "folder",
                           "camera",     "floppy",      "bin",    "loop",    "loop_off",  "mirror",
                           "mirror_alt", "kml",         "map",    "gsensor", "lock_open", "lock_closed",
                           "speaker",    "speaker_off", "close",  "frame",   "minimise",  "question",
                           "size_s",     "size_m",      "size_l", "gps",     "logo",      "check"};
    for (const char* name : names) {
        CGdiPlusBitmapResource picture;
        ASSERT_TRUE(picture.Load(QString::fromLatin1(name))) << name;
        const QImage image = picture.Render(QSize(32, 32)).convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 40) << name;
    }
}
