#include "app/DvrDlg.h"

#include "library/views/RejectedFilesNote.h"

#include "app/ControlIds.h"
#include "app/CoverDlg.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"
#include "settings/VwrConfigDlg.h"

// The main window's side of the map panel and of the configuration dialog: the map window in
// place of the map area, the cover over it during start-up, the map page switch and the language
// switch.

namespace vemora {

namespace {

constexpr int kCoverDelayMs = 200;     // start-up cover shown this long after initialisation
constexpr int kCoverDurationMs = 2000; // and removed this long after it was shown
constexpr int kCoverInset = 5;

} // namespace

// The map window shows its background at once; its browser starts later (StartMapBrowser).
// What the track feeder sends before the page has loaded is sent again once it has.
void CDvrDlg::CreateMapWindow() {
    m_pMapDlg = new CHtmlMapDlg(this, m_nMapType);
    m_pMapDlg->raise();
    m_pMapDlg->show();
}

// On two cores the browser's start-up (its engine, its page, its first frames) would hold back
// the first recording's pictures by a good part of a second.
void CDvrDlg::StartMapBrowser() {
    m_mapStart.stop();
    if (m_pMapDlg && !m_pMapDlg->WebView())
        m_pMapDlg->InitCef();
}

MapScriptSink* CDvrDlg::MapSink() const {
    return m_pMapDlg;
}

void CDvrDlg::StartMapCover() {
    m_mapCoverTimer.setSingleShot(true);
    m_mapUncoverTimer.setSingleShot(true);
    connect(&m_mapCoverTimer, &QTimer::timeout, this, &CDvrDlg::ShowMapCover, Qt::UniqueConnection);
    connect(&m_mapUncoverTimer, &QTimer::timeout, this, &CDvrDlg::RemoveMapCover, Qt::UniqueConnection);
    m_mapCoverTimer.start(kCoverDelayMs);
}

void CDvrDlg::ShowMapCover() {
    m_mapUncoverTimer.start(kCoverDurationMs);
    m_pCoverDlg = new CCoverDlg(m_pMapDlg);
    m_pCoverDlg->resize(std::max(0, m_pMapDlg->width() - kCoverInset),
                        std::max(0, m_pMapDlg->height() - kCoverInset));
    m_pCoverDlg->raise();
    m_pCoverDlg->show();
}

void CDvrDlg::RemoveMapCover() {
    if (!m_pCoverDlg)
        return;
    m_pCoverDlg->hide();
    delete m_pCoverDlg;
    m_pCoverDlg = nullptr;
}

void CDvrDlg::OnConfig() {
    CVwrConfigDlg dlg(this);
    // Queued: the dialog finishes applying before the window retexts itself.
    connect(&dlg, &CVwrConfigDlg::languageApplied, this, &CDvrDlg::OnLanguageChanged, Qt::QueuedConnection);
    connect(&dlg, &CVwrConfigDlg::mapApplied, this, &CDvrDlg::OnMapChanged, Qt::QueuedConnection);
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_nMapType = dlg.Map();
    m_pMapDlg->LoadMap(m_nMapType);
}

void CDvrDlg::OnMapChanged() {
    // The dialog has written UI/MAP; the file is the authority, the signal only says "changed".
    m_nMapType = SettingsFile::Instance().ReadMapType();
    m_pMapDlg->LoadMap(m_nMapType);
}

void CDvrDlg::OnLanguageChanged(int languageIndex) {
    // A language list left without a choice stores nothing: the texts are still right.
    if (languageIndex < 0 || languageIndex >= kLanguageCount)
        return;
    SetTooltipTexts();
    m_pGroupList->UpdateColumnTitles();
    m_pFileList->UpdateColumnTitles();
    m_pRejectedNote->Retext();
    RetextIncidentViews();
    RetextDriveLog();
}

} // namespace vemora
