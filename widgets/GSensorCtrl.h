#pragma once
// G-sensor curve control: the three axes of the recording with a playback cursor.
// Until a recording gives it samples it shows its empty scale.

#include <QWidget>

namespace vemora {

class CGSensorCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CGSensorCtrl(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace vemora
