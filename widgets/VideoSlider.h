#pragma once
// The seek bar (range 0..1000) and the volume slider (0..100), drawn by the program: a channel and
// a round thumb in the slider's colours. A click puts the thumb at the clicked point at once and a
// drag follows the mouse; they report upward with signals. The seek bar never goes below
// SeekLeadIn and publishes its calibration (SeekBarValues.h) whenever it paints.

#include <QColor>
#include <QRect>
#include <QSlider>

#include <vector>

namespace vemora {

// What both sliders share: the geometry of channel and thumb and the thumb's drawing.
class COwnerDrawnSlider : public QSlider {
    Q_OBJECT
public:
    COwnerDrawnSlider(QWidget* parent, QColor thumb, QColor thumbPressed);

    // The channel the thumb's centre runs along, in client pixels.
    QRect ChannelRect() const;
    QRect ThumbRect() const;
    // The position under client x (not limited to the range; setValue limits it).
    int PositionFromX(int x) const;
    bool Dragging() const { return m_bDragging != 0; }

protected:
    void DrawThumb(QPainter& painter) const;
    void wheelEvent(QWheelEvent* e) override;

    int m_bDragging = 0;

private:
    int ThumbDiameter() const;
    QColor m_crThumb;
    QColor m_crThumbPressed;
};

// A small mark on the seek bar: where in the recording (0 = start, 1 = end) and its colour.
struct SeekMark {
    double fraction = 0;
    QColor colour;
};

class CVideoSlider : public COwnerDrawnSlider {
    Q_OBJECT
public:
    explicit CVideoSlider(QWidget* parent);

    // The range marked for a clip, as bar positions; -1 for a mark not in this recording.
    // inBefore / outAfter: the range reaches in from an earlier or on into a later recording,
    // so the band runs to that end of the bar.
    void SetClipMarks(int inPosition, int outPosition, bool inBefore, bool outAfter);
    // Marks drawn under the thumb (the incidents of the recording); empty = none.
    void SetMarks(std::vector<SeekMark> marks);
    const std::vector<SeekMark>& Marks() const { return m_marks; }
    // x of a mark's centre in the bar's pixels.
    int MarkX(const SeekMark& mark) const;

signals:
    // The thumb was dragged or released; the wanted position is value().
    void seekDragged();
    // The button was let go (after the last seekDragged): the players may go there at once.
    void seekReleased();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // The clicked position, never below the lead-in.
    int SeekPositionAt(int x) const;
    void PublishCalibration();
    void DrawClipMarks(QPainter& painter) const;
    int XOfPosition(int position) const;

    int m_nClipIn = -1;
    int m_nClipOut = -1;
    bool m_bClipInBefore = false; // the start mark lies in an earlier recording
    bool m_bClipOutAfter = false; // the end mark lies in a later recording
    void DrawMarks(QPainter& painter) const;

    std::vector<SeekMark> m_marks;
};

class CMySliderControl : public COwnerDrawnSlider {
    Q_OBJECT
public:
    explicit CMySliderControl(QWidget* parent);

signals:
    // The position changed, or the user let go of the thumb.
    void volumeChanged(int position);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace vemora
