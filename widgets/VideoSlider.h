#pragma once
// Seek bar (range 0..1000) and volume slider (0..100). Dragging the seek bar and moving the volume
// slider report to the main window with UM_SEEK_DRAGGED / UM_VOLUME_CHANGED.

#include <QSlider>

namespace vemora {

class CVideoSlider : public QSlider {
    Q_OBJECT
public:
    CVideoSlider(QWidget* parent, QObject* mainWindow);
};

class CMySliderControl : public QSlider {
    Q_OBJECT
public:
    CMySliderControl(QWidget* parent, QObject* mainWindow);
};

} // namespace vemora
