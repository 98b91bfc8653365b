// The instruments rendered off screen: the G-sensor curve's gaps, clamping and legend, the
// compass's picture choice, the speed label's texts and the seek bar's calibration.
#include "app/InstrumentPanel.h"
#include "widgets/GSensorCtrl.h"
#include "widgets/PngCompassStatic.h"
#include "widgets/SeekBarValues.h"
#include "widgets/SpeedLabel.h"
#include "widgets/VideoSlider.h"

#include <QCoreApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace vemora {
namespace {

const QRgb kYellow = qRgb(255, 255, 0);

// Rows of column x in [top, bottom] painted in colour.
std::vector<int> RowsOf(const QImage& image, int x, int top, int bottom, QRgb colour) {
    std::vector<int> rows;
    for (int y = top; y <= bottom; ++y)
        if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
            rows.push_back(y);
    return rows;
}

// 426 x 88: plot 400 px wide from x 24, rows 20-79, zero line at row 50, 15 px per g (range 2 g).
struct Curve {
    CGSensorCtrl ctrl{nullptr};
    Curve() {
        ctrl.resize(426, 88);
        std::vector<GSensorSample> samples(400, GSensorSample{16, 0, 0}); // X at 1 g: row 35
        samples[100].x = -128;                                            // gap marker
        samples[200].x = -127;                                            // -7.9 g: beyond the range
        ctrl.SetSamples(std::move(samples), 8.0, 2.0);
        ctrl.SetSamplesPerMs(0.005);
        ctrl.SetPixelsPerMs(0.01);
        ctrl.SetSpanMode(CGSensorCtrl::SpanFromWidth);
    }
    QImage Paint() { return ctrl.grab().toImage(); }
};

} // namespace

TEST(GSensorCurve, GapsAreBridgedAndValuesClampedToThePlot) {
    Curve curve;
    QImage image = curve.Paint();
    // The gap marker's column only carries the line joining its neighbours.
    EXPECT_EQ(RowsOf(image, 124, 21, 87, kYellow), std::vector<int>{35});
    // A value beyond -2 g reaches the bottom edge of the plot and no further.
    std::vector<int> rows = RowsOf(image, 224, 21, 87, kYellow);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back(), 80);
    // The legend shows the value at the playback position.
    curve.ctrl.SetPosition(20000); // sample 100: the gap marker, -128 counts
    EXPECT_DOUBLE_EQ(curve.ctrl.GetValuesAt()[0], -8.0);
    curve.ctrl.SetPosition(999999); // past the end: the length, and zeros
    EXPECT_DOUBLE_EQ(curve.ctrl.PositionMs(), 80000);
    EXPECT_DOUBLE_EQ(curve.ctrl.GetValuesAt()[0], 0.0);
}

TEST(GSensorCurve, LegendClickHidesAndShowsAnAxis) {
    Curve curve;
    curve.Paint();
    const QPoint box = curve.ctrl.LegendRect(0).center();
    QTest::mouseClick(&curve.ctrl, Qt::LeftButton, {}, QPoint(420, 80)); // outside every box
    EXPECT_TRUE(curve.ctrl.AxisShown(0));
    QTest::mouseClick(&curve.ctrl, Qt::LeftButton, {}, box);
    EXPECT_FALSE(curve.ctrl.AxisShown(0));
    EXPECT_TRUE(RowsOf(curve.Paint(), 300, 21, 87, kYellow).empty());
    QTest::mouseClick(&curve.ctrl, Qt::LeftButton, {}, curve.ctrl.LegendRect(0).center());
    EXPECT_TRUE(curve.ctrl.AxisShown(0));
    EXPECT_EQ(RowsOf(curve.Paint(), 300, 21, 87, kYellow), std::vector<int>{35});
    // Stopped: no curves at all.
    curve.ctrl.SetStopped(true);
    EXPECT_TRUE(RowsOf(curve.Paint(), 300, 21, 87, kYellow).empty());
}

TEST(Compass, PictureChoiceAndGreyCard) {
    struct Case {
        int heading, picture;
    } cases[] = {{0, 1},   {45, 8}, {90, 7}, {135, 6}, {180, 5}, {225, 4}, {270, 3},
                 {315, 2}, {22, 1}, {23, 8}, {337, 2}, {338, 1}, {360, 1}, {-45, 2}};
    CPngCompassStatic compass(nullptr);
    ASSERT_EQ(compass.ImageCount(), 8);
    for (const Case& c : cases) {
        compass.SetHeading(c.heading);
        EXPECT_EQ(compass.Image(), c.picture) << c.heading;
    }
    EXPECT_FALSE(compass.AddImage(QStringLiteral(":/compass/none.svg")));
    EXPECT_EQ(compass.ImageCount(), 8);

    auto paint = [&compass] {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        compass.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    auto hasRed = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QColor c = image.pixelColor(x, y);
                if (c.alpha() > 200 && c.red() > 200 && c.green() < 80)
                    return true;
            }
        return false;
    };
    compass.SetHeading(0);
    EXPECT_TRUE(hasRed(paint()));
    compass.ClearHeading();
    QImage grey = paint();
    EXPECT_FALSE(hasRed(grey));
    EXPECT_EQ(qAlpha(grey.pixel(0, 0)), 0); // transparent corners stay transparent
    QColor middle = grey.pixelColor(16, 16);
    EXPECT_GT(middle.alpha(), 0);
    EXPECT_TRUE(middle.red() == middle.green() && middle.green() == middle.blue());
}

TEST(SpeedLabel, TextsAndUnitSwitch) {
    CSpeedLabelStatic label(nullptr);
    label.resize(110, 40);
    struct Case {
        uint16_t kmh;
        const char* metric;
        const char* mph;
    } cases[] = {{100, "100", " 62"}, {15, " 15", "  9"}, {1, "  1", "  0"}, {1200, "1200", "750"}};
    for (const Case& c : cases) {
        label.SetSpeed(true, c.kmh);
        EXPECT_EQ(label.ValueText(), QString::fromLatin1(c.metric));
        EXPECT_EQ(label.UnitText(), QStringLiteral("Km/h"));
        QTest::mouseDClick(&label, Qt::LeftButton);
        EXPECT_EQ(label.ValueText(), QString::fromLatin1(c.mph));
        EXPECT_EQ(label.UnitText(), QStringLiteral("MPH"));
        label.ToggleUnit();
    }
    auto painted = [&label] {
        QImage image = label.grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0x050505)
                    return true;
        return false;
    };
    EXPECT_TRUE(painted());
    label.SetSpeed(false, 0); // no fix: blank
    EXPECT_FALSE(painted());
}

TEST(SeekBar, CalibrationAndClicks) {
    CVideoSlider bar(nullptr);
    for (auto [width, leadIn] : {std::pair{444, 40}, std::pair{888, 20}}) {
        bar.resize(width, 20);
        bar.grab();
        EXPECT_EQ(SeekLeadIn, leadIn);
        EXPECT_EQ(SeekSpan, 1000 - leadIn);
    }
    QSignalSpy dragged(&bar, &CVideoSlider::seekDragged);
    QSignalSpy released(&bar, &CVideoSlider::seekReleased);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(0, 10)); // left of the channel
    EXPECT_EQ(bar.value(), SeekLeadIn.load());
    EXPECT_EQ(dragged.count(), 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(5000, 10), QPointF(5000, 10), Qt::NoButton, Qt::LeftButton,
                     {});
    QCoreApplication::sendEvent(&bar, &move);
    EXPECT_EQ(bar.value(), 1000); // beyond the right end: the range's end
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, 10));
    EXPECT_EQ(dragged.count(), 2);
    EXPECT_EQ(released.count(), 1); // only the release lets the players go at once
    EXPECT_NEAR(bar.value(), 500, 5);
    bar.grab();
    EXPECT_NEAR(SeekThumbX, bar.width() / 2, 10);
}

TEST(InstrumentPanel, CallsFromAnotherThreadReachTheWidgets) {
    CSpeedLabelStatic label(nullptr);
    CPngCompassStatic compass(nullptr);
    InstrumentPanel panel(nullptr, &label, &compass);
    std::thread worker([&panel] {
        panel.ShowSpeed(true, 42);
        panel.ShowHeading(90);
    });
    worker.join();
    EXPECT_EQ(label.SpeedKmh(), 0); // queued, not yet applied
    QCoreApplication::processEvents();
    EXPECT_EQ(label.SpeedKmh(), 42);
    EXPECT_EQ(compass.Image(), 7);
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The players' time reports hand the instruments the same values several times a second: only a
// change paints again (the window's ground under a control is the dearest thing painted).
TEST(Instruments, OnlyAChangePaintsAgain) {
    CSpeedLabelStatic speed(nullptr);
    CPbSpeedLabelStatic rate(nullptr);
    CPngCompassStatic compass(nullptr);
    CGSensorCtrl curve(nullptr);
    struct Row {
        const char* what;
        QWidget* widget;
        std::function<void()> set, other;
    } rows[] = {
        {"speed", &speed, [&] { speed.SetSpeed(true, 57); }, [&] { speed.SetSpeed(true, 58); }},
        {"no fix", &speed, [&] { speed.SetSpeed(false, 0); }, [&] { speed.SetSpeed(true, 0); }},
        {"rate", &rate, [&] { rate.SetText(QStringLiteral("2.0X"), true); },
         [&] { rate.SetText(QStringLiteral("2.0X"), false); }},
        {"heading", &compass, [&] { compass.SetHeading(90); }, [&] { compass.SetHeading(180); }},
        {"no heading", &compass, [&] { compass.ClearHeading(); }, [&] { compass.SetHeading(0); }},
        {"curve stopped", &curve, [&] { curve.SetStopped(true); }, [&] { curve.SetStopped(false); }},
    };
    auto paintsOf = [](QWidget* widget, const std::function<void()>& change) {
        PaintCounter counter;
        widget->installEventFilter(&counter);
        change();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        widget->removeEventFilter(&counter);
        return counter.paints;
    };
    for (const Row& row : rows) {
        row.widget->resize(110, 40);
        row.widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(row.widget)) << row.what;
        paintsOf(row.widget, row.set);
        EXPECT_EQ(paintsOf(row.widget, row.set), 0) << row.what << ": the same again";
        EXPECT_GT(paintsOf(row.widget, row.other), 0) << row.what << ": a change";
        row.widget->hide();
    }
}

} // namespace vemora
