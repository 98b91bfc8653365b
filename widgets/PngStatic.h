#pragma once
// Picture controls: the logo, the banner and the GPS-fix indicator. The GPS indicator has three
// states (0 no signal, 1 no fix, 2 fix).

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

} // namespace vemora
