#pragma once
// A player's state as libVLC numbers it (libvlc_state_t): the players report these, and the
// controller reads them, as names rather than the numbers.

namespace vemora {

enum class PlayerState {
    NothingSpecial = 0, // no media yet
    Opening = 1,
    Buffering = 2,
    Playing = 3,
    Paused = 4,
    Stopped = 5,
    Ended = 6,
    Error = 7,
};

} // namespace vemora
