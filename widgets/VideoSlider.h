#pragma once
// Seek bar (range 0..1000) and volume slider (0..100). They report upward with signals: the seek
// bar while it is dragged and when it is released, the volume slider when its value changes.

#include <QSlider>

namespace vemora {

class CVideoSlider : public QSlider {
    Q_OBJECT
public:
    explicit CVideoSlider(QWidget* parent);

signals:
    // The thumb was dragged or released; the wanted position is value().
    void seekDragged();
};

class CMySliderControl : public QSlider {
    Q_OBJECT
public:
    explicit CMySliderControl(QWidget* parent);

signals:
    void volumeChanged(int position);
};

} // namespace vemora
