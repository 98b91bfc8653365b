#include "settings/VwrConfigDlg.h"

#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

namespace vemora {

namespace {

// The dialog is laid out in dialog units of its 8-point font: 4 units = 6 pixels across,
// 8 units = 13 pixels down.
QRect DialogUnits(int x, int y, int w, int h) {
    auto px = [](int u) { return u * 6 / 4; };
    auto py = [](int u) { return u * 13 / 8; };
    return {px(x), py(y), px(w), py(h)};
}

QComboBox* MakeList(QWidget* parent, QRect place) {
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setGeometry(place.x(), place.y(), place.width(), list->sizeHint().height());
    return list;
}

QString Text(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

} // namespace

CVwrConfigDlg::CVwrConfigDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CVwrConfigDlg"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(DialogUnits(0, 0, 357, 116).size());

    m_pMapGroup = new QGroupBox(this);
    m_pMapGroup->setGeometry(DialogUnits(6, 3, 101, 83));
    m_pMapList = MakeList(this, DialogUnits(22, 23, 74, 17));
    m_pMapApply = new QPushButton(this);
    m_pMapApply->setGeometry(DialogUnits(29, 55, 50, 14));
    m_pLanguageGroup = new QGroupBox(this);
    m_pLanguageGroup->setGeometry(DialogUnits(117, 3, 101, 83));
    m_pLanguageList = MakeList(this, DialogUnits(135, 23, 66, 16));
    m_pLanguageApply = new QPushButton(this);
    m_pLanguageApply->setGeometry(DialogUnits(143, 55, 50, 14));
    m_pOk = new QPushButton(this);
    m_pOk->setGeometry(DialogUnits(245, 95, 50, 14));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(this);
    m_pCancel->setGeometry(DialogUnits(300, 95, 50, 14));

    connect(m_pMapApply, &QPushButton::clicked, this, &CVwrConfigDlg::ApplyMap);
    connect(m_pLanguageApply, &QPushButton::clicked, this, &CVwrConfigDlg::ApplyLanguage);
    connect(m_pOk, &QPushButton::clicked, this, &CVwrConfigDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CVwrConfigDlg::reject);

    for (const LanguageEntry& entry : LanguageTable)
        m_pLanguageList->addItem(QString::fromStdU16String(std::u16string(entry.nativeName)));
    m_pMapList->clear();
    m_pMapList->addItem(Text(105));
    m_pMapList->addItem(Text(106));
    m_pLanguageList->setCurrentIndex(SettingsFile::Instance().m_nLangIndex);
    SetTexts();
    SelectStoredMap();
}

int CVwrConfigDlg::Selection(const QComboBox* list) {
    int i = list->currentIndex();
    if (i < 0 || list->currentText() != list->itemText(i))
        return -1;
    return i;
}

void CVwrConfigDlg::SetTexts() {
    setWindowTitle(Text(110));
    m_pOk->setText(Text(107));
    m_pCancel->setText(Text(108));
    m_pMapApply->setText(Text(109));
    m_pLanguageApply->setText(Text(109));
    m_pMapGroup->setTitle(Text(115));
    m_pLanguageGroup->setTitle(Text(114));
}

void CVwrConfigDlg::SelectStoredMap() {
    int map = SettingsFile::Instance().ReadMapType();
    m_pMapList->setCurrentIndex(map < m_pMapList->count() ? map : 0);
}

void CVwrConfigDlg::ApplyMap() {
    int map = Selection(m_pMapList) == 1 ? 1 : 0;
    m_nMap = map;
    auto& settings = SettingsFile::Instance();
    settings.m_nMapType = map;
    settings.WriteInt("UI", "MAP", map);
    emit mapApplied(map);
}

void CVwrConfigDlg::ApplyLanguage() {
    int index = Selection(m_pLanguageList);
    SettingsFile::Instance().SetLanguage(index);
    int map = m_pMapList->currentIndex();
    SetTexts();
    m_pMapList->setCurrentIndex(map);
    emit languageApplied(index);
}

void CVwrConfigDlg::accept() {
    ApplyMap();
    int index = Selection(m_pLanguageList);
    SettingsFile::Instance().SetLanguage(index);
    SetTexts();
    SelectStoredMap();
    emit languageApplied(index);
    QDialog::accept();
}

} // namespace vemora
