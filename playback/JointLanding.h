#pragma once
// After a jump (a skip, a seek-bar click, a jolt, a resume, a new recording) each camera's player
// decodes from the key picture before the target and shows its first picture at the target the
// moment it has it, which for two full-HD streams sharing the processor rarely is the same moment.
// JointLanding keeps the account of one jump: the player that arrives first is held on its first
// picture until the other one has arrived too, and then both go on together.

#include <cstdint>

namespace vemora {

class JointLanding {
public:
    enum class Step {
        None,   // nothing to do (not expected, already arrived, or an arrival from before the jump)
        Hold,   // pause this player on its first picture: the other one has not arrived yet
        Release // the last awaited player arrived: play the held ones again; the landing is over
    };

    // A player was sent to its target; arrivals counted up to arrivalsSoFar happened before.
    void Expect(int side, uint64_t arrivalsSoFar) { m_side[side] = {true, false, false, arrivalsSoFar}; }
    // The player reached its arrivalCount-th first picture since it was created.
    Step Arrived(int side, uint64_t arrivalCount) {
        Side& s = m_side[side];
        if (!s.expected || s.arrived || arrivalCount <= s.baseline)
            return Step::None;
        s.arrived = true;
        const Side& other = m_side[1 - side];
        if (other.expected && !other.arrived) {
            s.held = true;
            return Step::Hold;
        }
        return Step::Release;
    }
    bool Active() const { return m_side[0].expected || m_side[1].expected; }
    bool Held(int side) const { return m_side[side].held; }
    void End() { m_side[0] = m_side[1] = Side{}; }

private:
    struct Side {
        bool expected = false;
        bool arrived = false;
        bool held = false;
        uint64_t baseline = 0;
    };
    Side m_side[2];
};

} // namespace vemora
