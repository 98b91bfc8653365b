#pragma once
// The exact paused picture drawn over a video pane, at the recording's full resolution, scaled
// to the pane with smooth filtering, with a quiet line of time and picture number. The wheel
// zooms around the pointer (1x to 8x), dragging pans. It is a native window of its own over the
// player's, covering the pane it is made in.

#include "widgets/ZoomView.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace vemora {

class FrameOverlay : public QWidget {
    Q_OBJECT
public:
    explicit FrameOverlay(QWidget* pane);

    // Shows a picture (the zoom stays while the picture size does) with its caption.
    void ShowPicture(const QImage& picture, const QString& caption);
    // Hides the layer and forgets the picture; the next one starts at 1x.
    void Clear();
    void ResetZoom();
    const QImage& Picture() const { return m_picture; }
    const QString& Caption() const { return m_caption; }
    const ZoomView& View() const { return m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QImage m_picture;
    QString m_caption;
    ZoomView m_view;
    bool m_bDragging = false;
    QPoint m_lastDrag;
};

} // namespace vemora
