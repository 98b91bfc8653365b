#pragma once
// Vehicle speed label (double-click switches km/h and mph) and the playback-rate label.

#include <QWidget>

namespace vemora {

class CSpeedLabelStatic : public QWidget {
    Q_OBJECT
public:
    explicit CSpeedLabelStatic(QWidget* parent);
    void SetSpeedKmh(int kmh);
    bool Mph() const { return m_bMph; }
    void ToggleUnit();
    QString Text() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    int m_nSpeedKmh = 0;
    bool m_bMph = false;
};

class CPbSpeedLabelStatic : public QWidget {
    Q_OBJECT
public:
    explicit CPbSpeedLabelStatic(QWidget* parent);
    void SetLabel(const QString& text);
    QString Label() const { return m_strLabel; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_strLabel;
};

} // namespace vemora
