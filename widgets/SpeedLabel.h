#pragma once
// The speed label (the vehicle's speed at the playback position, Km/h or MPH; a double-click
// switches the unit) and the playback-rate label ("2.0 X" while the rate is not 1.0). Both draw
// their text with the digits variant of DrawOutlinedText on a near-black ground.

#include <QString>
#include <QWidget>

#include <cstdint>

namespace vemora {

class CSpeedLabelStatic : public QWidget {
    Q_OBJECT
public:
    explicit CSpeedLabelStatic(QWidget* parent);

    // The telemetry at the playback position: a fix's speed, or blank (valid false).
    void SetSpeed(bool valid, uint16_t kmh);
    // Switches between Km/h and MPH.
    void ToggleUnit();
    // Unit and digits from the speed: "%3d" of km/h, or of km/h x 10 / 16 for MPH (the factor
    // the recorder's users know). Does not repaint.
    int UpdateText();

    bool Metric() const { return m_bMetric != 0; }
    bool Valid() const { return m_bValid != 0; }
    uint16_t SpeedKmh() const { return m_wSpeedKmh; }
    QString ValueText() const { return m_strValue; }
    QString UnitText() const { return m_strUnit; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QString m_strValue;
    int m_bMetric = 1;
    int m_bValid = 1;
    uint16_t m_wSpeedKmh = 0;
    QString m_strUnit;
};

class CPbSpeedLabelStatic : public QWidget {
    Q_OBJECT
public:
    explicit CPbSpeedLabelStatic(QWidget* parent);
    // The rate label's text and whether it is drawn.
    int SetText(const QString& text, bool show);
    // The label of the current rate; blank for an empty text (normal speed).
    void SetLabel(const QString& text) { SetText(text, !text.isEmpty()); }
    QString Label() const { return m_strText; }
    bool Shown() const { return m_bShow != 0; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_strText;
    int m_bShow = 0;
};

} // namespace vemora
