#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/DvrDlgShared.h"
#include "app/GuiThreadMapSink.h"
#include "app/InstrumentPanel.h"
#include "app/KeyboardControl.h"
#include "app/UserDialogs.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "platform/FreedMemory.h"
#include "playback/FrameReview.h"
#include "settings/SettingsFile.h"
#include "telemetry/TrackFeeder.h"
#include "widgets/GSensorCtrl.h"
#include "widgets/GdipButton.h"
#include "widgets/PngStatic.h"
#include "widgets/SeekBarValues.h"
#include "widgets/SpeedLabel.h"
#include "widgets/VideoSlider.h"
#include "widgets/VideoStatic.h"

#include <QApplication>
#include <QKeyEvent>

// The main window as the players' host: the panes they render into, the questions they ask,
// and what their reports change on screen (PLAY picture, rate label, seek bar, instruments).

namespace vemora {

namespace {

// After a change of recording: the old decoders have ended well within this time.
constexpr int kFreedMemoryDelayMs = 2000;

} // namespace

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
    // STOP puts the curve's cursor at the start and greys it; the end of a recording only returns
    // the cursor; PLAY resuming brings the curves back.
    connect(players, &DualPlayerController::curveReset, this, [this](bool stopped) {
        m_pGSensor->SetPosition(0);
        if (stopped)
            m_pGSensor->SetStopped(true);
    });
    connect(players, &DualPlayerController::curveResumed, this, [this] { m_pGSensor->SetStopped(false); });
    connect(players, &DualPlayerController::timeReported, this, &CDvrDlg::OnPlayerTime);
    connect(players, &DualPlayerController::timeReported, &m_opening, &COpeningState::TimeReported);
    connect(players, &DualPlayerController::playerError, this, &CDvrDlg::OnPlayerError);
    connect(players, &DualPlayerController::currentRecordingChanged, this, &CDvrDlg::UpdateLockButton);
    connect(players, &DualPlayerController::timeReported, this, &CDvrDlg::ShowClipMarks);
    connect(players, &DualPlayerController::currentRecordingChanged, this, &CDvrDlg::ShowClipMarks);
    // Once the last recording's decoder threads have ended and the new ones run.
    m_freedMemoryTimer.setSingleShot(true);
    m_freedMemoryTimer.setInterval(kFreedMemoryDelayMs);
    connect(&m_freedMemoryTimer, &QTimer::timeout, this, [] { ReturnFreedMemory(); });
    connect(players, &DualPlayerController::currentRecordingChanged, &m_freedMemoryTimer,
            qOverload<>(&QTimer::start));
}

// Not while a dialog or a menu is open, another window is in front, or the map page has the
// keyboard (its own keys move the map).
bool CDvrDlg::KeysReachPlayback() const {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || !isActiveWindow())
        return false;
    QWidget* focus = QApplication::focusWidget();
    return !(focus && m_pMapDlg && m_pMapDlg->isAncestorOf(focus));
}

// The keys a list moves its rows with, while it has the keyboard.
bool CDvrDlg::ListKeepsKey(int key) const {
    QWidget* focus = QApplication::focusWidget();
    auto holds = [focus](QWidget* list) { return list && (focus == list || list->isAncestorOf(focus)); };
    if (!focus || !(holds(m_pGroupList) || holds(m_pFileList)))
        return false;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Space:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

bool CDvrDlg::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && KeysReachPlayback() &&
        !ListKeepsKey(static_cast<QKeyEvent*>(e)->key())) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (std::optional<Action> action = ActionForKey(key->key(), key->modifiers())) {
            Trigger(*action);
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

// The feeder reads the library's current recording and feeds the curve, the speed label, the
// compass and the map; the players call it when a recording becomes current and after a seek.
void CDvrDlg::CreateTrackFeeder() {
    m_pInstrumentPanel = new InstrumentPanel(m_pGSensor, m_pSpeed, m_pCompass, this);
    if (MapScriptSink* map = MapSink())
        m_pFeederMapSink = new GuiThreadMapSink(map, this);
    m_pFeeder =
        std::make_unique<CTrackFeeder>(m_library, m_pFeederMapSink, m_pInstrumentPanel, m_pInstrumentPanel);
    m_pPlayers->SetTrackFeed(m_pFeeder.get());
    m_pPlayers->SetSeekScaleSource([] { return SeekScale{SeekLeadIn.load(), SeekSpan.load()}; });
    // Whatever was sent before the map page had loaded is lost: the current track again, to the
    // new page only (the curve keeps its samples and its position).
    if (m_pMapDlg)
        connect(m_pMapDlg, &CHtmlMapDlg::pageReady, this, [this] {
            if (LibraryBusy() || m_library.CurrentRow() < 0)
                return;
            const VlcApi& f = m_pPlayers->Front();
            const VlcApi& r = m_pPlayers->Rear();
            int64_t t = f.IsPlaying() || f.IsPaused() ? f.Time() : r.Time();
            m_pFeeder->ResendTrackToMap(t);
        });
}

// The indicator is lit while the recording has a position for the moment shown.
void CDvrDlg::ShowGpsFix(int feedResult) {
    m_pGps->SetState(feedResult ? 2 : 0);
}

// The telemetry of that moment on the instruments and the map.
void CDvrDlg::OnPlayerTime(qint64 ms) {
    ShowTelemetryAt(ms);
}

void CDvrDlg::ShowTelemetryAt(int64_t ms) {
    if (!m_pFeeder || LibraryBusy())
        return;
    std::string label = m_pPlayers->RateLabel().toStdString();
    ShowGpsFix(m_pFeeder->UpdateAtTime(ms, m_bGSensorEnabled, m_bMapEnabled, label));
}

// While the thumb is dragged the instruments show the dragged-to moment at once; the players
// follow when the pending seek is applied.
void CDvrDlg::OnSeekDragged() {
    int64_t target = m_pPlayers->RequestSeekFromBar(m_pSeek->value());
    SeekThumbMoved = 1;
    ShowTelemetryAt(target);
}

} // namespace vemora
