#pragma once
// What the player controller needs from the window that shows the two videos: the panes that
// libVLC renders into, their fitting to the video, and the two questions it asks the user.

#include <QString>

namespace vemora {

enum class PlayerSide { Front, Rear };

// 0 for the front camera, 1 for the rear one: the index of per-camera arrays.
inline int SideIndex(PlayerSide side) {
    return side == PlayerSide::Front ? 0 : 1;
}

class PlayerHost {
public:
    virtual ~PlayerHost() = default;
    // False while the pane does not exist (a player then has nowhere to show its video).
    virtual bool HasPane(PlayerSide side) = 0;
    // The native window of a pane, made on first request; 0 = let the player show no picture.
    virtual unsigned long PaneWindow(PlayerSide side) = 0;
    // Shows or hides a video pane (its background shows while it is hidden).
    virtual void ShowPane(PlayerSide side, bool show) = 0;
    // Fits both panes to the current recording's picture.
    virtual void FitVideoPanes() = 0;
    // The snapshot file chosen in a save dialog (.jpg or .png); empty when cancelled.
    virtual QString AskSnapshotPath() = 0;
    // A message box with a text of the string table; captionId 0 = the application's name.
    virtual void ShowMessage(int textId, int captionId) = 0;
};

} // namespace vemora
