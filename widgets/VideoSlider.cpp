#include "widgets/VideoSlider.h"

#include "app/ControlIds.h"
#include "app/CustomMessages.h"

namespace vemora {

namespace {

const char* kSliderStyle = "QSlider { background: rgb(5,5,5); }"
                           "QSlider::groove:horizontal { height: 4px; background: rgb(70,70,75); }"
                           "QSlider::sub-page:horizontal { background: rgb(60,140,220); }"
                           "QSlider::handle:horizontal { width: 10px; margin: -6px 0;"
                           " background: rgb(220,220,220); border-radius: 3px; }";

} // namespace

CVideoSlider::CVideoSlider(QWidget* parent, QObject* mainWindow) : QSlider(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("seek"));
    setRange(0, 1000);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QString::fromLatin1(kSliderStyle));
    connect(this, &QSlider::sliderMoved, this, [mainWindow](int) {
        if (mainWindow)
            PostUserMessage(mainWindow, UM_SEEK_DRAGGED, 0);
    });
    connect(this, &QSlider::sliderReleased, this, [mainWindow] {
        if (mainWindow)
            PostUserMessage(mainWindow, UM_SEEK_DRAGGED, 0);
    });
}

CMySliderControl::CMySliderControl(QWidget* parent, QObject* mainWindow) : QSlider(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("volume"));
    setRange(0, 100);
    setValue(50);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QString::fromLatin1(kSliderStyle));
    connect(this, &QSlider::valueChanged, this, [mainWindow](int) {
        if (mainWindow)
            PostUserMessage(mainWindow, UM_VOLUME_CHANGED, 0);
    });
}

} // namespace vemora
