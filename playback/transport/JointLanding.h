#pragma once
// After a jump (a skip, a seek-bar click, a jolt, a resume, a new recording) each camera's player
// decodes from the key picture before the target and shows its first picture at the target the
// moment it has it, which for two full-HD streams sharing the processor rarely is the same moment.
// JointLanding keeps the account of one jump: the player that arrives first is held on its first
// picture until the other one has arrived too, and then both go on together.
//
// Arrivals are told by libVLC's log. A libVLC that never says so would leave every landing open
// until its patience ran out: when a player got going after a jump (it reported Playing) and the
// patience ran out without an arrival ever having been told in this run, the landing switches
// itself off for the rest of the run.

#include <cstdint>

namespace vemora {

class JointLanding {
public:
    enum class Step {
        None,   // nothing to do (not expected, already arrived, or an arrival from before the jump)
        Hold,   // pause this player on its first picture: the other one has not arrived yet
        Release // no player is awaited any longer: play the held ones again; the landing is over
    };

    // Whether a player sent to targetMs is awaited: one whose file ends before the target
    // never shows a picture there (a file of unknown length, 0, is awaited).
    static bool Awaits(int64_t targetMs, int64_t fileLengthMs) {
        return fileLengthMs <= 0 || targetMs < fileLengthMs;
    }

    // A player was sent to its target; arrivals counted up to arrivalsSoFar happened before.
    // Nothing is awaited once the landing is switched off.
    void Expect(int side, uint64_t arrivalsSoFar);
    // The player reached its arrivalCount-th first picture since it was created.
    Step Arrived(int side, uint64_t arrivalCount);
    // The player reported Playing (it started or resumed towards its target).
    void Started(int side);
    // The patience for a player that never arrives is over: nobody is waited for any longer.
    // arrivalEverTold: libVLC has told an arrival of any player in this run.
    Step PatienceOver(bool arrivalEverTold);

    bool Active() const { return m_side[0].expected || m_side[1].expected; }
    bool Held(int side) const { return m_side[side].held; }
    void End();
    // Switched off for the run (see above).
    bool Off() const { return m_off; }

private:
    struct Side {
        bool expected = false;
        bool arrived = false;
        bool held = false;
        uint64_t baseline = 0;
    };
    Side m_side[2];
    bool m_started = false; // an awaited player reported Playing during this landing
    bool m_off = false;
};

} // namespace vemora
