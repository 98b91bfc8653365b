#include "widgets/VideoSlider.h"

namespace vemora {

namespace {

const char* kSliderStyle = "QSlider { background: rgb(5,5,5); }"
                           "QSlider::groove:horizontal { height: 4px; background: rgb(70,70,75); }"
                           "QSlider::sub-page:horizontal { background: rgb(60,140,220); }"
                           "QSlider::handle:horizontal { width: 10px; margin: -6px 0;"
                           " background: rgb(220,220,220); border-radius: 3px; }";

} // namespace

CVideoSlider::CVideoSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("seek"));
    setRange(0, 1000);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QString::fromLatin1(kSliderStyle));
    connect(this, &QSlider::sliderMoved, this, &CVideoSlider::seekDragged);
    connect(this, &QSlider::sliderReleased, this, &CVideoSlider::seekDragged);
}

CMySliderControl::CMySliderControl(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("volume"));
    setRange(0, 100);
    setValue(50);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QString::fromLatin1(kSliderStyle));
    connect(this, &QSlider::valueChanged, this, &CMySliderControl::volumeChanged);
}

} // namespace vemora
