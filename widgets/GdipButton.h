#pragma once
// Image button of the main window. It has a first and a second (alternate) picture; toggling
// buttons such as PLAY/pause, Loop and Vol show the second one while m_bAltShown is set.
// Until the picture set is drawn, the button paints its caption on a dark rounded face.

#include <QAbstractButton>

class QPainter;

namespace vemora {

class CGdipButton : public QAbstractButton {
    Q_OBJECT
public:
    CGdipButton(int id, const QString& caption, QWidget* parent);

    int Id() const { return m_nId; }
    void SetAltShown(bool shown);
    bool AltShown() const { return m_bAltShown; }
    void SetGrey(bool grey);
    bool Grey() const { return m_bGrey; }

signals:
    void command(int id);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    void PaintSpeaker(QPainter& p, const QColor& ink);
    int m_nId;
    bool m_bAltShown = false;
    bool m_bGrey = false;
    bool m_bHover = false;
};

} // namespace vemora
