#pragma once
// The configuration dialog: the map page and the user-interface language, each with an Apply
// button that takes effect at once; OK applies both and closes, Cancel closes and undoes nothing.
// The choices are written to the settings file and announced with signals, which the main window
// turns into its "language changed" and "map type changed" messages.

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace vemora {

class CVwrConfigDlg : public QDialog {
    Q_OBJECT
public:
    explicit CVwrConfigDlg(QWidget* parent = nullptr);

    // The map chosen in this dialog (0 Google, 1 China); 0 until Map Apply or OK ran.
    int Map() const { return m_nMap; }

    // Map Apply: stores and announces the map list's choice.
    void ApplyMap();
    // Language Apply: stores the language list's choice, retitles this dialog, announces it.
    void ApplyLanguage();
    // OK: both choices, then the dialog ends accepted.
    void accept() override;

    QComboBox* MapList() const { return m_pMapList; }
    QComboBox* LanguageList() const { return m_pLanguageList; }
    QPushButton* MapApplyButton() const { return m_pMapApply; }
    QPushButton* LanguageApplyButton() const { return m_pLanguageApply; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QGroupBox* MapGroup() const { return m_pMapGroup; }
    QGroupBox* LanguageGroup() const { return m_pLanguageGroup; }

    // The chosen entry of an editable list: -1 once the user has typed text that is not the
    // chosen entry's name.
    static int Selection(const QComboBox* list);

signals:
    // The language index as chosen (-1 when the list has no choice; then nothing was stored).
    void languageApplied(int index);
    void mapApplied(int map);

private:
    void SetTexts();
    void SelectStoredMap();

    int m_nMap = 0;
    QGroupBox* m_pMapGroup;
    QComboBox* m_pMapList;
    QPushButton* m_pMapApply;
    QGroupBox* m_pLanguageGroup;
    QComboBox* m_pLanguageList;
    QPushButton* m_pLanguageApply;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

} // namespace vemora
