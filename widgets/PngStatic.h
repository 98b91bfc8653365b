#pragma once
// Picture controls: the logo, the banner, the GPS-fix indicator and the compass. The GPS
// indicator has three states (0 no signal, 1 no fix, 2 fix); the compass shows eight sectors.

#include <QWidget>

namespace vemora {

class CPngStatic : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Logo, Banner, GpsIndicator };
    CPngStatic(int id, Kind kind, QWidget* parent);
    void SetState(int state);
    int State() const { return m_nState; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void PaintLogo(QPainter& p);
    void PaintGps(QPainter& p);
    Kind m_kind;
    int m_nState = 0;
};

class CPngCompassStatic : public QWidget {
    Q_OBJECT
public:
    explicit CPngCompassStatic(QWidget* parent);
    void SetHeading(int degrees);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_nHeading = 0;
};

} // namespace vemora
