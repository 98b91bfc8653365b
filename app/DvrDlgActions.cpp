#include "app/ActionTable.h"

#include "app/ClipTexts.h"
#include "app/ControlIds.h"
#include "app/DvrDlg.h"
#include "app/ReportDlgTexts.h"
#include "app/UserDialogs.h"
#include "library/views/DriveTexts.h"
#include "library/views/IncidentTexts.h"
#include "playback/FrameReview.h"
#include "settings/SettingsFile.h"
#include "settings/WindowTexts.h"
#include "widgets/GdipButton.h"
#include "widgets/VwrToolTipCtrl.h"

#include <QContextMenuEvent>
#include <QMenu>

// The main window's action table and what is made from it: the buttons, the commands they send,
// both menus and the tooltips. The keys are read from it in app/KeyboardControl.cpp.

namespace vemora {

namespace {

namespace t = wintext;
using W = CDvrDlg;

} // namespace

std::span<const ActionRow> WindowActions() {
    // Key list order first (the rows with keys), then the menus' order, then the other buttons.
    static const ActionRow rows[] = {
        {.action = Action::PlayPause,
         .name = "play-pause",
         .run = [](W& w) { w.OnPlay(); },
         .button = {IDC_PLAY, "PLAY", 48, 48, "play", "pause", true},
         .key = {Qt::Key_Space},
         .keyText = t::kPlayPause,
         .tooltip = t::kPlayPause},
        {.action = Action::SkipBack5,
         .name = "skip-back-5",
         .run = [](W& w) { w.m_pPlayers->SkipBy(-5000); },
         .key = {Qt::Key_Left},
         .keyText = t::kKeyBack5},
        {.action = Action::SkipForward5,
         .name = "skip-forward-5",
         .run = [](W& w) { w.m_pPlayers->SkipBy(5000); },
         .key = {Qt::Key_Right},
         .keyText = t::kKeyForward5},
        {.action = Action::SkipBack30,
         .name = "skip-back-30",
         .run = [](W& w) { w.m_pPlayers->SkipBy(-30000); },
         .key = {Qt::Key_Left, Qt::ShiftModifier},
         .keyText = t::kKeyBack30},
        {.action = Action::SkipForward30,
         .name = "skip-forward-30",
         .run = [](W& w) { w.m_pPlayers->SkipBy(30000); },
         .key = {Qt::Key_Right, Qt::ShiftModifier},
         .keyText = t::kKeyForward30},
        {.action = Action::FrameBack,
         .name = "frame-back",
         .run = [](W& w) { w.m_pPlayers->StepFrame(-1); },
         .key = {Qt::Key_Comma},
         .keyText = t::kKeyFrameBack},
        {.action = Action::FrameForward,
         .name = "frame-forward",
         .run = [](W& w) { w.m_pPlayers->StepFrame(+1); },
         .key = {Qt::Key_Period},
         .keyText = t::kKeyFrameForward},
        {.action = Action::ResetZoom,
         .name = "reset-zoom",
         .run = [](W& w) { w.m_pPlayers->Review().ResetZoom(); },
         .key = {Qt::Key_0},
         .keyText = t::kKeyResetZoom},
        {.action = Action::Faster,
         .name = "faster",
         .run = [](W& w) { w.OnFaster(); },
         .button = {IDC_FAST, "FAST", 40, 40, "fast"},
         .key = {Qt::Key_Plus},
         .keyText = t::kFaster,
         .tooltip = t::kFaster},
        {.action = Action::Slower,
         .name = "slower",
         .run = [](W& w) { w.OnSlower(); },
         .button = {IDC_SLOW, "SLOW", 40, 40, "slow"},
         .key = {Qt::Key_Minus},
         .keyText = t::kSlower,
         .tooltip = t::kSlower},
        // The command flips the speaker itself, so that the key and a click do the same.
        {.action = Action::Mute,
         .name = "mute",
         .run = [](W& w) { w.OnVolumeButton(); },
         .button = {IDC_VOL, "Vol", 12, 24, "speaker", "speaker_off"},
         .key = {Qt::Key_M},
         .keyText = t::kSoundOnOff,
         .tooltip = t::kSoundOnOff},
        {.action = Action::FullScreenFront,
         .name = "full-screen-front",
         .run = [](W& w) { w.OnToggleFullScreen(W::FullScreenPane::Front); },
         .key = {Qt::Key_F},
         .keyText = t::kKeyFullScreen},
        {.action = Action::NextJolt,
         .name = "next-jolt",
         .run = [](W& w) { w.OnJolt(+1); },
         .key = {Qt::Key_J},
         .keyText = t::kKeyNextJolt},
        {.action = Action::PreviousJolt,
         .name = "previous-jolt",
         .run = [](W& w) { w.OnJolt(-1); },
         .key = {Qt::Key_J, Qt::ShiftModifier},
         .keyText = t::kKeyPreviousJolt},
        {.action = Action::MarkClipIn,
         .name = "mark-clip-in",
         .run = [](W& w) { w.OnMarkClipIn(); },
         .key = {Qt::Key_I},
         .keyText = cliptext::kKeyMarkIn},
        {.action = Action::MarkClipOut,
         .name = "mark-clip-out",
         .run = [](W& w) { w.OnMarkClipOut(); },
         .key = {Qt::Key_O},
         .keyText = cliptext::kKeyMarkOut},
        {.action = Action::About,
         .name = "about",
         .run = [](W& w) { w.OnAbout(); },
         .menus = kWindowMenu | kHelpMenu,
         .menuText = t::kAboutEntry},
        // The Conf button stays hidden; the configuration dialog is reached from the window's menu.
        {.action = Action::Configure,
         .name = "configure",
         .run = [](W& w) { w.OnConfig(); },
         .button = {IDC_CONF, "Conf", 48, 36, nullptr, nullptr, false, true},
         .tooltip = t::kConfiguration,
         .menus = kWindowMenu,
         .menuText = t::kConfiguration,
         .menuEllipsis = true},
        {.action = Action::ExportClip,
         .name = "export-clip",
         .run = [](W& w) { w.OnExportClip(); },
         .key = {Qt::Key_E},
         .keyText = cliptext::kKeyExport,
         .menus = kWindowMenu,
         .menuText = cliptext::kMenuEntry},
        {.action = Action::IncidentReport,
         .name = "incident-report",
         .run = [](W& w) { w.OnIncidentReport(); },
         .menus = kWindowMenu,
         .menuText = reportdlgtext::kMenuEntry},
        {.action = Action::ShowIncidents,
         .name = "incidents",
         .run = [](W& w) { w.OnIncidents(); },
         .key = {Qt::Key_L},
         .keyText = ids::kIncidentKeyHelp,
         .menus = kWindowMenu,
         .menuText = ids::kIncidentsMenuEntry},
        {.action = Action::ShowDrives,
         .name = "drives",
         .run = [](W& w) { w.OnDrives(); },
         .key = {Qt::Key_D},
         .keyText = ids::kDrivesKeyHelp,
         .menus = kWindowMenu,
         .menuText = ids::kDrivesMenuEntry},
        {.action = Action::SaveGpx,
         .name = "save-gpx",
         .run = [](W& w) { w.OnSaveGpx(); },
         .menus = kHelpMenu,
         .menuText = t::kSaveGpxEntry},
        {.action = Action::KeyboardHelp,
         .name = "key-list",
         .run = [](W& w) { w.OnKeyboardHelp(); },
         .menus = kHelpMenu,
         .menuText = t::kKeyListEntry},
        {.action = Action::Open,
         .name = "open",
         .run = [](W& w) { w.OnOpen(); },
         .button = {IDC_OPEN, "OPEN", 48, 36, "folder"},
         .tooltip = t::kOpenFiles},
        {.action = Action::Save,
         .name = "save",
         .run = [](W& w) { w.OnSave(); },
         .button = {IDC_SAVE, "SAVE", 48, 36, "floppy"},
         .tooltip = t::kSaveAs},
        {.action = Action::Snapshot,
         .name = "snapshot",
         .run = [](W& w) { w.OnSnap(); },
         .button = {IDC_SNAP, "SNAP", 48, 36, "camera"},
         .tooltip = t::kSnapshot},
        {.action = Action::Delete,
         .name = "delete",
         .run = [](W& w) { w.OnDelete(); },
         .button = {IDC_DEL, "DEL", 48, 36, "bin", nullptr, false, true},
         .tooltip = t::kDeleteFiles},
        {.action = Action::Stop,
         .name = "stop",
         .run = [](W& w) { w.OnStopCommand(); },
         .button = {IDC_STOP, "STOP", 40, 40, "stop"},
         .tooltip = t::kStop},
        {.action = Action::AutoPlayNext,
         .name = "auto-play-next",
         .run = [](W& w) { w.OnLoop(); },
         .button = {IDC_LOOP, "Loop", 48, 48, "loop", "loop_off", true},
         .tooltip = t::kAutoPlayNext},
        {.action = Action::Flip,
         .name = "flip",
         .run = [](W& w) { w.OnFlip(); },
         .button = {IDC_FLIP, "FLIP", 48, 48, "mirror", "mirror_alt", true},
         .tooltip = t::kRotate},
        {.action = Action::SaveKml,
         .name = "save-kml",
         .run = [](W& w) { w.OnKml(); },
         .button = {IDC_KML, "KML", 48, 48, "kml"},
         .tooltip = t::kSaveKml},
        {.action = Action::MapOnOff,
         .name = "map",
         .run = [](W& w) { w.OnMapToggle(); },
         .button = {IDC_MAP, "MAP", 48, 48, "map"},
         .tooltip = t::kMapOnOff},
        {.action = Action::CurveOnOff,
         .name = "curve",
         .run = [](W& w) { w.OnGSensorToggle(); },
         .button = {IDC_GSR, "GSR", 48, 48, "gsensor"},
         .tooltip = t::kCurveOnOff},
        {.action = Action::Lock,
         .name = "lock",
         .run = [](W& w) { w.OnLock(); },
         .button = {IDC_LOCK, "LOCK", 48, 48, "lock_open", "lock_closed", true, true},
         .tooltip = t::kUnlockFiles},
        {.action = Action::Close,
         .name = "close",
         .run = [](W& w) { w.OnCloseButton(); },
         .button = {IDC_CLOSE, "X", 25, 25, "close"},
         .tooltip = t::kCloseProgram},
        {.action = Action::Maximize,
         .name = "maximize",
         .run = [](W& w) { w.OnMaximize(); },
         .button = {IDC_MAXIMIZE, "[ ]", 25, 25, "frame"},
         .tooltip = t::kMaxWindow},
        {.action = Action::Minimize,
         .name = "minimize",
         .run = [](W& w) { w.OnMinimize(); },
         .button = {IDC_MINIMIZE, "-", 25, 25, "minimise"},
         .tooltip = t::kMinWindow},
        {.action = Action::HelpMenu,
         .name = "help-menu",
         .run = [](W& w) { w.OnHelpButton(); },
         .button = {IDC_ABOUT, "?", 25, 25, "question"},
         .tooltip = t::kAbout},
        {.action = Action::SizeSmall,
         .name = "size-small",
         .run = [](W& w) { w.OnSizeSmall(); },
         .button = {IDC_SIZE_S, "S", 16, 16, "size_s"},
         .tooltip = t::kSizeSmall},
        {.action = Action::SizeMedium,
         .name = "size-medium",
         .run = [](W& w) { w.OnSizeMedium(); },
         .button = {IDC_SIZE_M, "M", 16, 16, "size_m"},
         .tooltip = t::kSizeMedium},
        {.action = Action::SizeLarge,
         .name = "size-large",
         .run = [](W& w) { w.OnSizeLarge(); },
         .button = {IDC_SIZE_L, "L", 16, 16, "size_l"},
         .tooltip = t::kSizeLarge},
    };
    return rows;
}

const ActionRow* ActionRowOf(Action action) {
    for (const ActionRow& row : WindowActions())
        if (row.action == action)
            return &row;
    return nullptr;
}

const ActionRow* ActionOfButton(int control) {
    if (control == 0)
        return nullptr;
    for (const ActionRow& row : WindowActions())
        if (row.button.control == control)
            return &row;
    return nullptr;
}

std::span<const PassiveTip> PassiveTooltips() {
    static const PassiveTip tips[] = {{IDC_VOLUME, t::kVolume}, {IDC_SPEED, t::kSpeedUnit}};
    return tips;
}

// ---------------------------------------------------------------------------------------------
// What the window makes of the table

void CDvrDlg::CreateButtons() {
    for (const ActionRow& row : WindowActions()) {
        const ButtonLook& look = row.button;
        if (look.control == 0)
            continue;
        auto* b = new CGdipButton(look.control, QString::fromUtf8(look.caption), this);
        b->resize(look.width, look.height);
        connect(b, &CGdipButton::command, this, &CDvrDlg::OnCommand);
        m_controls[look.control] = b;
        if (look.picture)
            b->LoadPictures(QString::fromLatin1(look.picture),
                            look.alternate ? QString::fromLatin1(look.alternate) : QString(), look.toggles);
    }
}

void CDvrDlg::HideUnshownButtons() {
    for (const ActionRow& row : WindowActions())
        if (row.button.startsHidden) {
            Control(row.button.control)->hide();
            Control(row.button.control)->setEnabled(false);
        }
}

// Every button with its command's tooltip, and the controls that only show something, each with
// the check mark beside the text.
void CDvrDlg::CreateTooltips() {
    m_pToolTip = new CVwrToolTipCtrl(this);
    m_pToolTip->SetLookup([](int id) { return SettingsFile::Instance().LoadUiString(id); });
    auto add = [this](int control, int tooltip) {
        if (QWidget* w = Control(control))
            m_pToolTip->AddTool(w, tooltip, QStringLiteral("check"));
    };
    for (const ActionRow& row : WindowActions())
        if (row.button.control != 0 && row.tooltip != 0)
            add(row.button.control, row.tooltip);
    for (const PassiveTip& tip : PassiveTooltips())
        add(tip.control, tip.tooltip);
}

void CDvrDlg::OnCommand(int id) {
    if (const ActionRow* row = ActionOfButton(id))
        row->run(*this);
}

void CDvrDlg::Trigger(Action action) {
    if (const ActionRow* row = ActionRowOf(action))
        row->run(*this);
}

void CDvrDlg::FillMenu(QMenu& menu, unsigned place) {
    auto& s = SettingsFile::Instance();
    for (const ActionRow& row : WindowActions()) {
        if (!(row.menus & place))
            continue;
        QString text = s.LoadUiString(row.menuText);
        if (row.menuEllipsis)
            text += QStringLiteral("...");
        menu.addAction(text)->setData(static_cast<int>(row.action));
    }
}

// The "?" button opens its menu below itself; the chosen entry runs as a command.
void CDvrDlg::OnHelpButton() {
    QMenu menu(this);
    FillMenu(menu, kHelpMenu);
    QWidget* button = Control(IDC_ABOUT);
    QAction* chosen = m_pDialogs->ChooseMenuEntry(menu, button->mapToGlobal(QPoint(0, button->height())));
    if (chosen)
        Trigger(static_cast<Action>(chosen->data().toInt()));
}

// Stands in for the system menu of a framed window.
void CDvrDlg::contextMenuEvent(QContextMenuEvent* e) {
    if (SettingsFile::Instance().LoadUiString(wintext::kAboutEntry).isEmpty())
        return;
    QMenu menu(this);
    FillMenu(menu, kWindowMenu);
    if (QAction* chosen = menu.exec(e->globalPos()))
        Trigger(static_cast<Action>(chosen->data().toInt()));
}

} // namespace vemora
