#include "widgets/GSensorCtrl.h"

#include "widgets/Frame3d.h"
#include "widgets/SeekBarValues.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vemora {
namespace {

const QColor kBackground(5, 5, 5);
const QColor kGrey(102, 102, 102);
const QColor kAxisColours[3] = {QColor(255, 255, 0), QColor(60, 255, 60), QColor(255, 60, 60)};
const char* const kAxisNames[3] = {"X", "Y", "Z"};
constexpr double kDefaultSpanMs = 20000.0;
constexpr int kCursorOverhang = 4;

// Plot insets from the client rectangle.
constexpr int kInsetLeft = 24, kInsetTop = 20, kInsetRight = 2, kInsetBottom = 8;

int Count(int16_t field) {
    return GSensorSample::Count(field);
}

// Flat stretches clamped to these pixel rows are left out of the curves.
bool IsClampRow(int y) {
    return y == 20 || y == 60;
}

QFont LabelFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

// Collects one axis's line into polylines. Samples far outnumber pixel columns, so every column is
// kept as at most four points (entry, lowest, highest, exit): the pixels drawn stay the same.
class AxisTrace {
public:
    AxisTrace(QPoint start, const QColor& colour) : m_previous(start), m_pen(colour, 1) {
        m_pen.setCosmetic(true);
    }

    // A line from the previous point to p, or (draw false) only a move to p.
    void Step(QPainter& painter, QPoint p, bool draw) {
        if (!draw) {
            Flush(painter);
            m_previous = p;
            return;
        }
        if (m_points.isEmpty() && !m_column)
            Add(m_previous);
        Add(p);
        m_previous = p;
    }

    void Flush(QPainter& painter) {
        CloseColumn();
        if (m_points.size() >= 2) {
            painter.setPen(m_pen);
            painter.drawPolyline(m_points.constData(), static_cast<int>(m_points.size()));
        }
        m_points.clear();
    }

    QPoint Previous() const { return m_previous; }

private:
    struct Column {
        int x, first, low, high, last;
    };

    void Add(QPoint p) {
        if (m_column && m_column->x == p.x()) {
            m_column->low = std::min(m_column->low, p.y());
            m_column->high = std::max(m_column->high, p.y());
            m_column->last = p.y();
            return;
        }
        CloseColumn();
        m_column = Column{p.x(), p.y(), p.y(), p.y(), p.y()};
    }

    void Append(int x, int y) {
        QPoint p(x, y);
        if (m_points.isEmpty() || m_points.back() != p)
            m_points.push_back(p);
    }

    void CloseColumn() {
        if (!m_column)
            return;
        const Column c = *m_column;
        Append(c.x, c.first);
        Append(c.x, c.low);
        Append(c.x, c.high);
        Append(c.x, c.last);
        m_column.reset();
    }

    QPoint m_previous;
    QPen m_pen;
    std::optional<Column> m_column;
    QVector<QPoint> m_points;
};

} // namespace

CGSensorCtrl::CGSensorCtrl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("gsensor"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(60);
    resize(400, 80);
    ComputePlotRect();
    UpdateScale();
}

void CGSensorCtrl::ComputePlotRect() {
    m_rcPlot =
        QRect(QPoint(kInsetLeft, kInsetTop), QPoint(width() - kInsetRight - 1, height() - kInsetBottom - 1));
}

void CGSensorCtrl::UpdateScale() {
    m_dDurationMs = m_dSamplesPerMs != 0 ? static_cast<double>(m_samples.size()) / m_dSamplesPerMs : 0;
    switch (m_nSpanMode) {
    case SpanFromData:
        m_dTickSpanMs = std::clamp(m_dDurationMs, 1000.0, 3600000.0);
        break;
    case SpanFixed:
        m_dTickSpanMs = m_dFixedSpanMs;
        break;
    default:
        m_dTickSpanMs = m_dPixelsPerMs != 0 ? (m_rcPlot.width()) / m_dPixelsPerMs : 0;
        break;
    }
}

void CGSensorCtrl::ClearSamples() {
    m_samples.clear();
    m_dPositionMs = 0;
    UpdateScale();
    update();
}

void CGSensorCtrl::SetSamples(std::vector<GSensorSample> samples, double fullScaleG, double rangeG) {
    m_samples = std::move(samples);
    m_dFullScaleG = fullScaleG;
    m_dRangeG = rangeG > 0 ? rangeG : 2.0;
    m_dPositionMs = 0;
    UpdateScale();
    update();
}

void CGSensorCtrl::SetSamplesPerMs(double samplesPerMs) {
    m_dSamplesPerMs = samplesPerMs;
    UpdateScale();
}

void CGSensorCtrl::SetPixelsPerMs(double pixelsPerMs) {
    m_dPixelsPerMs = pixelsPerMs;
    UpdateScale();
}

void CGSensorCtrl::SetSpanMode(int mode) {
    m_nSpanMode = mode;
    UpdateScale();
    update();
}

int CGSensorCtrl::SetPosition(int ms) {
    m_dPositionMs = ms;
    UpdateScale();
    m_dPositionMs = std::clamp(m_dPositionMs, 0.0, std::max(0.0, m_dDurationMs));
    update();
    return 1;
}

void CGSensorCtrl::SetStopped(bool stopped) {
    if ((m_bStopped != 0) == stopped)
        return;
    m_bStopped = stopped ? 1 : 0;
    update();
}

int CGSensorCtrl::ValueToY(int16_t count) const {
    double g = std::clamp(Count(count) * m_dFullScaleG / 128, -m_dRangeG, m_dRangeG);
    return static_cast<int>(m_nZeroY - g * (m_nPlotHeight / (2 * m_dRangeG)));
}

std::array<double, 3> CGSensorCtrl::GetValuesAt() const {
    const double index = std::trunc(std::trunc(m_dPositionMs) * m_dSamplesPerMs);
    if (!(index >= 0) || index >= static_cast<double>(m_samples.size()))
        return {0.0, 0.0, 0.0};
    const GSensorSample& s = m_samples[static_cast<size_t>(index)];
    const double k = m_dFullScaleG / 128;
    return {Count(s.x) * k, Count(s.y) * k, Count(s.z) * k};
}

void CGSensorCtrl::PaintInto(QImage& image) {
    QPainter p(&image);
    DrawPlot(p);
    DrawLabels(p);
}

void CGSensorCtrl::paintEvent(QPaintEvent*) {
    if (m_buffer.size() != size())
        m_buffer = QImage(size(), QImage::Format_RGB32);
    PaintInto(m_buffer);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void CGSensorCtrl::DrawPlot(QPainter& p) {
    p.fillRect(QRect(QPoint(0, 0), size()), kBackground);
    ComputePlotRect();
    double span = kDefaultSpanMs;
    switch (m_nSpanMode) {
    case SpanFromData:
        if (m_dSamplesPerMs != 0)
            span = std::trunc(static_cast<double>(m_samples.size()) / m_dSamplesPerMs);
        break;
    case SpanFixed:
        span = m_dFixedSpanMs;
        break;
    default:
        span = m_dPixelsPerMs != 0 ? std::trunc(m_rcPlot.width() / m_dPixelsPerMs) : 0;
        break;
    }
    m_dTickSpanMs = span > 0 ? span : kDefaultSpanMs;
    m_nPlotHeight = m_rcPlot.height();
    m_nPlotX0 = m_rcPlot.left();
    m_nPlotWidth = m_rcPlot.width();
    m_nZeroY = m_rcPlot.top() + m_nPlotHeight / 2;
    m_nPlotX1 = m_nPlotX0 + m_nPlotWidth;

    p.fillRect(QRect(m_nPlotX0, m_nZeroY, m_nPlotWidth, 1), Qt::white);
    p.fillRect(QRect(m_rcPlot.left(), m_rcPlot.top(), 1, m_nPlotHeight), kGrey);
    DrawRuler(p);
    DrawCurves(p);
    DrawCursor(p);
}

void CGSensorCtrl::DrawRuler(QPainter& p) {
    const double n = m_dTickSpanMs / m_nTickStepMs;
    const int top = m_rcPlot.top();
    const int bottom = m_rcPlot.bottom() + 1;
    for (int r = 0; r < n; ++r) {
        const int x = static_cast<int>((m_nPlotWidth * r) / n + m_rcPlot.left());
        const int length = r % 10 == 0 ? 6 : (r % 10 == 5 ? 4 : 2);
        for (int end : {top, m_nZeroY, bottom})
            p.fillRect(QRect(x, end - length, 1, length), kGrey);
    }
}

void CGSensorCtrl::DrawCurves(QPainter& p) {
    if (m_samples.empty())
        return;
    const float step = static_cast<float>(m_nPlotWidth) / static_cast<float>(m_samples.size());
    const QPoint start(m_nPlotX0, m_nZeroY);
    std::array<AxisTrace, 3> traces{AxisTrace(start, kAxisColours[0]), AxisTrace(start, kAxisColours[1]),
                                    AxisTrace(start, kAxisColours[2])};
    p.setRenderHint(QPainter::Antialiasing, false);
    // Only the low byte of a field counts: 256 possible rows, worked out once per paint.
    std::array<int, 256> rowOfByte;
    for (int b = 0; b < 256; ++b)
        rowOfByte[static_cast<size_t>(b)] = ValueToY(static_cast<int16_t>(b));
    auto row = [&rowOfByte](int16_t field) { return rowOfByte[static_cast<uint8_t>(field)]; };
    for (size_t i = 0; i < m_samples.size(); ++i) {
        const GSensorSample& s = m_samples[i];
        if (s.IsGap())
            continue; // neither drawn nor joined to: the line goes on from the last valid point
        const int x = static_cast<int>(std::trunc(static_cast<float>(i) * step)) + m_nPlotX0;
        const int ys[3] = {row(s.x), row(s.y), row(s.z)};
        for (size_t a = 0; a < 3; ++a) {
            const bool flatAtClamp = IsClampRow(ys[a]) && IsClampRow(traces[a].Previous().y());
            traces[a].Step(p, QPoint(x, ys[a]), m_bShowAxis[a] && !m_bStopped && !flatAtClamp);
        }
    }
    for (AxisTrace& trace : traces)
        trace.Flush(p);
}

void CGSensorCtrl::DrawCursor(QPainter& p) {
    int x = m_nPlotX0;
    if ((SeekThumbMoved || m_dPositionMs > 0) && SeekThumbX >= 0)
        x = SeekThumbX;
    const int top = m_rcPlot.top() - kCursorOverhang;
    const int bottom = m_rcPlot.bottom() + 1 + kCursorOverhang;
    p.fillRect(QRect(x - 1, top, 2, bottom - top), QColor(0, 0, 255));
    SeekThumbMoved = 0;
}

void CGSensorCtrl::DrawLabels(QPainter& p) {
    QFont scaleFont = LabelFont(10);
    p.setFont(scaleFont);
    QFontMetrics scaleMetrics(scaleFont);
    const int unit = (height() - 20) / 6;
    auto drawOpaque = [&p](const QFontMetrics& fm, int x, int y, const QString& text, const QColor& bg,
                           const QColor& fg) {
        QRect box(x, y, fm.horizontalAdvance(text), fm.height());
        p.fillRect(box, bg);
        p.setPen(fg);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    };
    drawOpaque(scaleMetrics, 4, unit + 10, QString::asprintf(" %1.0fG", m_dRangeG), kBackground, Qt::white);
    drawOpaque(scaleMetrics, 4, 3 * unit + 10, QString::asprintf(" %0.0fG", 0.0), kBackground, Qt::white);
    drawOpaque(scaleMetrics, 4, 5 * unit + 10, QString::asprintf("-%1.0fG", m_dRangeG), kBackground,
               Qt::white);

    const std::array<double, 3> values = GetValuesAt();
    QFont legendFont = LabelFont(13);
    p.setFont(legendFont);
    QFontMetrics fm(legendFont);
    int x = 40;
    for (size_t a = 0; a < 3; ++a) {
        const QString text = QString::asprintf("%s: %0.4f G    ", kAxisNames[a], values[a]);
        const int cx = fm.horizontalAdvance(text);
        const int cy = fm.height();
        QRect box(QPoint(x - 1, 1), QPoint(x + cx, cy + 2)); // the text's box grown by 1 px
        const bool active = !m_bStopped && m_bShowAxis[a] && m_dDurationMs != 0;
        const int d = active ? 1 : 0;
        if (active) {
            box.translate(1, 1);
            Draw3dFrame(p, box, QColor(130, 130, 130), QColor(80, 80, 80));
        } else {
            Draw3dFrame(p, box, QColor(100, 100, 100), QColor(50, 50, 50));
        }
        m_rcLegend[a] = QRect(x + d, 2 + d, cx, cy);
        drawOpaque(fm, x + d, 2 + d, text, Qt::black, active ? kAxisColours[a] : QColor(160, 160, 160));
        x += cx + 8;
    }
}

void CGSensorCtrl::resizeEvent(QResizeEvent*) {
    ComputePlotRect();
    UpdateScale();
}

void CGSensorCtrl::mousePressEvent(QMouseEvent*) {}

void CGSensorCtrl::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint at = e->position().toPoint();
    for (size_t a = 0; a < 3; ++a) {
        if (m_rcLegend[a].contains(at)) {
            m_bShowAxis[a] = !m_bShowAxis[a];
            break;
        }
    }
    update();
}

void CGSensorCtrl::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton)
        update();
}

void CGSensorCtrl::mouseDoubleClickEvent(QMouseEvent*) {}

} // namespace vemora
