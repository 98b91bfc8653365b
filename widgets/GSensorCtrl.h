#pragma once
// The G-sensor curve: the three acceleration axes of the whole recording as coloured curves over
// the plot width, a scale on the left, a time ruler, a playback cursor that follows the seek bar's
// thumb, and a legend of three boxes with the values at the playback position. A click on a box
// hides or shows its axis. Painted off screen and copied in one go.

#include "telemetry/TelemetryModel.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>
#include <vector>

namespace vemora {

class CGSensorCtrl : public QWidget {
    Q_OBJECT
public:
    enum SpanMode { SpanFromData = 0, SpanFixed = 1, SpanFromWidth = 2 };

    explicit CGSensorCtrl(QWidget* parent);

    // Empties the samples and puts the position at 0.
    void ClearSamples();
    // The recording's samples and scale: a count of 128 stands for fullScaleG; the plot shows
    // -rangeG .. +rangeG.
    void SetSamples(std::vector<GSensorSample> samples, double fullScaleG, double rangeG);
    void SetSamplesPerMs(double samplesPerMs);
    void SetPixelsPerMs(double pixelsPerMs);
    void SetSpanMode(int mode);
    // The playback position, limited to the recording's length.
    int SetPosition(int ms);
    // Stopped: axes, ruler and cursor only, legend grey.
    void SetStopped(bool stopped);
    void UpdateScale();

    // The count's acceleration (limited to the range) as a pixel row of the plot.
    int ValueToY(int16_t count) const;
    // X, Y, Z in g at the playback position; zeros past the last sample.
    std::array<double, 3> GetValuesAt() const;

    bool AxisShown(int axis) const { return m_bShowAxis[static_cast<size_t>(axis)] != 0; }
    QRect LegendRect(int axis) const { return m_rcLegend[static_cast<size_t>(axis)]; }
    QRect PlotRect() const { return m_rcPlot; }
    double PositionMs() const { return m_dPositionMs; }
    double DurationMs() const { return m_dDurationMs; }
    double TickSpanMs() const { return m_dTickSpanMs; }
    size_t SampleCount() const { return m_samples.size(); }
    bool Stopped() const { return m_bStopped != 0; }

    // Draws the whole control into image (of the control's size).
    void PaintInto(QImage& image);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    void ComputePlotRect();
    void DrawPlot(QPainter& p);
    void DrawRuler(QPainter& p);
    void DrawCurves(QPainter& p);
    void DrawCursor(QPainter& p);
    void DrawLabels(QPainter& p);

    std::vector<GSensorSample> m_samples;
    QRect m_rcPlot;
    int m_nPlotX0 = 0;
    int m_nZeroY = 0;
    int m_nPlotX1 = 0;
    int m_nPlotWidth = 0;
    int m_nPlotHeight = 0;
    double m_dSamplesPerMs = 0.016;
    double m_dFixedSpanMs = 60000.0;
    double m_dTickSpanMs = 0;
    double m_dDurationMs = 0;
    double m_dPixelsPerMs = 0.0275;
    double m_dPositionMs = 0.0;
    int m_nSpanMode = SpanFromData;
    int m_nTickStepMs = 200;
    double m_dFullScaleG = 2.0;
    double m_dRangeG = 2.0;
    int m_bStopped = 0;
    std::array<QRect, 3> m_rcLegend{};
    std::array<int, 3> m_bShowAxis{1, 1, 1};
    QImage m_buffer;
};

} // namespace vemora
