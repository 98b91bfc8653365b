#pragma once
// The two players of a recording as the controller's parts see them: the front and the rear
// camera's, owned by the controller.

#include "playback/PlayerHost.h"
#include "playback/VlcApi.h"

namespace vemora {

struct PlayerPair {
    VlcApi& front;
    VlcApi& rear;

    VlcApi& Of(PlayerSide side) const { return side == PlayerSide::Front ? front : rear; }
    PlayerSide SideOf(const VlcApi& player) const {
        return &player == &front ? PlayerSide::Front : PlayerSide::Rear;
    }
    // The player whose time drives the window: the front one when it runs, else the rear one.
    VlcApi* Master(bool includePaused) const {
        auto runs = [includePaused](const VlcApi& p) {
            return p.IsLoaded() && (p.IsPlaying() || (includePaused && p.IsPaused()));
        };
        if (runs(front))
            return &front;
        if (runs(rear))
            return &rear;
        return nullptr;
    }
    // The controller's marks of the loaded players.
    bool AnyPlaying() const {
        return (front.IsLoaded() && front.IsPlaying()) || (rear.IsLoaded() && rear.IsPlaying());
    }
    bool AnyPaused() const {
        return (front.IsLoaded() && front.IsPaused()) || (rear.IsLoaded() && rear.IsPaused());
    }
    // Loaded, given a media and playing: the players a jump moves.
    static bool Runs(const VlcApi& p) { return p.IsLoaded() && p.HasMedia() && p.IsPlaying(); }
    static bool HoldsMedia(const VlcApi& p) { return p.IsLoaded() && p.HasMedia(); }
};

} // namespace vemora
