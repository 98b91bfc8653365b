#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/UserDialogs.h"
#include "settings/SettingsFile.h"
#include "telemetry/TrackFeed.h"
#include "widgets/GdipButton.h"
#include "widgets/PngStatic.h"
#include "widgets/SpeedLabel.h"
#include "widgets/VideoSlider.h"
#include "widgets/VideoStatic.h"

// The main window as the players' host: the panes they render into, the questions they ask,
// and what their reports change on screen (PLAY picture, rate label, seek bar, instruments).

namespace vemora {

bool CDvrDlg::HasPane(PlayerSide side) {
    return (side == PlayerSide::Front ? m_pFrontVideo : m_pRearVideo) != nullptr;
}

unsigned long CDvrDlg::PaneWindow(PlayerSide side) {
    CVideoStatic* pane = side == PlayerSide::Front ? m_pFrontVideo : m_pRearVideo;
    return pane ? pane->NativeWindow() : 0;
}

void CDvrDlg::ShowPane(PlayerSide side, bool show) {
    CVideoStatic* pane = side == PlayerSide::Front ? m_pFrontVideo : m_pRearVideo;
    if (pane)
        pane->setVisible(show);
}

QString CDvrDlg::AskSnapshotPath() {
    return m_pDialogs->ChooseSnapshotPath(this);
}

void CDvrDlg::ShowMessage(int textId, int captionId) {
    if (captionId == 0)
        ShowAppMessage(textId);
    else
        ShowStringBox(textId, captionId);
}

void CDvrDlg::HideVideoPanes() {
    for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear}) {
        ShowPane(side, false);
        m_pPlayers->NotePaneHidden(side, true);
    }
}

void CDvrDlg::ConnectPlayers() {
    DualPlayerController* players = m_pPlayers.get();
    connect(players, &DualPlayerController::playButtonShowsPause, this,
            [this](bool pause) { Button(IDC_PLAY)->SetAltShown(pause); });
    connect(players, &DualPlayerController::rateLabelChanged, this, [this] { UpdateRateLabel(); });
    connect(players, &DualPlayerController::seekBarPositionChanged, this, [this](int position) {
        // The user's hand on the thumb wins over the players.
        if (!m_pSeek->isSliderDown())
            m_pSeek->setValue(position);
    });
    connect(players, &DualPlayerController::gpsIndicatorChanged, this,
            [this](int state) { m_pGps->SetState(state); });
    connect(players, &DualPlayerController::timeReported, this, &CDvrDlg::OnPlayerTime);
    connect(players, &DualPlayerController::playerError, this, [this] { OnPlayerError(1); });
    connect(players, &DualPlayerController::currentRecordingChanged, this, &CDvrDlg::UpdateLockButton);
}

// The telemetry of that moment on the instruments and the map.
void CDvrDlg::OnPlayerTime(qint64 ms) {
    if (!m_pTrackFeed)
        return;
    std::string label = m_pPlayers->RateLabel().toStdString();
    m_pGps->SetState(m_pTrackFeed->UpdateAtTime(ms, m_bGSensorEnabled, m_bMapEnabled, label));
}

// While the thumb is dragged the instruments show the dragged-to moment at once; the players
// follow when the pending seek is applied.
void CDvrDlg::OnSeekDragged(qint64) {
    int64_t target = m_pPlayers->RequestSeekFromBar(m_pSeek->value());
    if (!m_pTrackFeed)
        return;
    std::string label = m_pPlayers->RateLabel().toStdString();
    m_pGps->SetState(m_pTrackFeed->UpdateAtTime(target, m_bGSensorEnabled, m_bMapEnabled, label));
}

} // namespace vemora
