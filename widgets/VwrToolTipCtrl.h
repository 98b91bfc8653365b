#pragma once
// The main window's tooltips: a label beside an icon (the green check mark) for each tool. The
// texts come from the string table by id and are fetched again after a language change.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace vemora {

// The small window a tooltip shows in.
class CToolTipPopup : public QWidget {
    Q_OBJECT
public:
    CToolTipPopup();
    void SetContent(const QString& text, const QImage& icon);
    QString Text() const { return m_strText; }
    bool HasIcon() const { return !m_icon.isNull(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_strText;
    QImage m_icon;
};

class CVwrToolTipCtrl : public QObject {
    Q_OBJECT
public:
    static constexpr int kIconSize = 32;

    explicit CVwrToolTipCtrl(QObject* parent = nullptr);
    ~CVwrToolTipCtrl() override;

    // Where texts come from: a string id to its text in the chosen language.
    void SetLookup(std::function<QString(int)> lookup) { m_lookup = std::move(lookup); }
    // Adds a tool with its text's string id and the picture drawn beside the text (none when empty).
    void AddTool(QWidget* tool, int stringId, const QString& icon);
    void RemoveTool(QWidget* tool);
    int ToolCount() const { return static_cast<int>(m_tools.size()); }
    // Fetches every text again (after a language change).
    void Retext();

    // Shows the tip of a tool at a screen position (what hovering does); the popup for tests.
    void ShowTip(QWidget* tool, QPoint globalPos);
    void HideTip();
    const CToolTipPopup* Popup() const { return m_pPopup; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Entry {
        int stringId = 0;
        QImage icon;
    };
    std::map<QWidget*, Entry> m_tools;
    std::function<QString(int)> m_lookup;
    QPointer<CToolTipPopup> m_pPopup;
};

} // namespace vemora
