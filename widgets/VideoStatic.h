#pragma once
// The video panes and the dark backgrounds behind them. A pane owns a native window that libVLC
// renders into; double-clicking it asks for full screen.

#include <QWidget>

namespace vemora {

class CVideoStatic : public QWidget {
    Q_OBJECT
public:
    CVideoStatic(int id, QWidget* parent);
    int Id() const { return m_nId; }
    // The native window libVLC draws into.
    unsigned long NativeWindow();
    // A text drawn over the pane while nothing plays in it (empty = none).
    void SetLoadingText(const QString& text);
    QString LoadingText() const { return m_strText; }

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void paintEvent(QPaintEvent*) override;

signals:
    void fullScreenRequested(int id);

private:
    int m_nId;
    QString m_strText;
};

class CVideoStaticBg : public QWidget {
    Q_OBJECT
public:
    CVideoStaticBg(int id, QWidget* parent);
    int Id() const { return m_nId; }
    void SetClientEdge(bool on);
    bool ClientEdge() const { return m_bClientEdge; }

signals:
    void fullScreenRequested(int id);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    int m_nId;
    bool m_bClientEdge = true;
};

} // namespace vemora
