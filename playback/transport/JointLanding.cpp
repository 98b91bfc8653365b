#include "playback/transport/JointLanding.h"

namespace vemora {

void JointLanding::Expect(int side, uint64_t arrivalsSoFar) {
    if (m_off)
        return;
    m_side[side] = {true, false, false, arrivalsSoFar};
}

JointLanding::Step JointLanding::Arrived(int side, uint64_t arrivalCount) {
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

void JointLanding::Started(int side) {
    if (m_side[side].expected)
        m_started = true;
}

// A player that did not get going (a file that never opened) says nothing about libVLC's log.
JointLanding::Step JointLanding::PatienceOver(bool arrivalEverTold) {
    if (!Active())
        return Step::None;
    if (m_started && !arrivalEverTold)
        m_off = true;
    return Step::Release;
}

void JointLanding::End() {
    m_side[0] = m_side[1] = Side{};
    m_started = false;
}

} // namespace vemora
