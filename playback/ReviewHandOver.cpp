#include "playback/ReviewHandOver.h"

#include "library/RecordingLibrary.h"
#include "playback/FrameReview.h"
#include "playback/PairLanding.h"
#include "playback/StartRestore.h"

#include <algorithm>

namespace vemora {

ReviewHandOver::ReviewHandOver(const CRecordingLibrary& library, PlayerPair players, PairLanding& landing,
                               StartRestore& restore, std::function<void()> reopenCurrent)
    : m_library(library), m_players(players), m_landing(landing), m_restore(restore),
      m_reopenCurrent(std::move(reopenCurrent)), m_review(std::make_unique<FrameReview>(library)) {}

ReviewHandOver::~ReviewHandOver() = default;

bool ReviewHandOver::Active() const {
    return m_review->Active();
}

void ReviewHandOver::Begin(int64_t timeMs, bool mirrorRear) {
    m_review->Begin(m_library.CurrentRow(), timeMs, mirrorRear);
}

bool ReviewHandOver::Resume() {
    const int64_t t = std::max<int64_t>(0, m_review->TimeMs());
    const bool crossed = m_bCrossed;
    m_bCrossed = false;
    if (crossed) {
        m_review->End();
        m_reopenCurrent();
        m_restore.ArmBoth(t, false);
        return true;
    }
    // The players start where they were paused and are then sent to the picture shown, both
    // at once, beneath the review's pictures (a seek of a paused player is only decoded once it
    // plays again).
    m_review->Finish();
    m_bPicturesLeft = true;
    m_llResumeAtMs = t;
    return false;
}

void ReviewHandOver::LandAtResumeTime() {
    const int64_t t = m_llResumeAtMs;
    m_llResumeAtMs = -1;
    if (t < 0)
        return;
    for (VlcApi* p : {&m_players.front, &m_players.rear})
        if (PlayerPair::Runs(*p))
            p->SetTime(t);
    m_landing.LandTogether(t);
}

// In the recording the players hold (loaded again when the steps had gone on into another one).
void ReviewHandOver::FollowSeek(int64_t ms, bool mirrorRear) {
    if (!m_review->Active())
        return;
    if (m_bCrossed) {
        m_bCrossed = false;
        m_reopenCurrent();
        m_restore.ArmBoth(ms, true);
    }
    Begin(ms, mirrorRear);
}

void ReviewHandOver::ClearLeftPictures() {
    if (!m_bPicturesLeft)
        return;
    m_bPicturesLeft = false;
    m_review->ClearPictures();
}

void ReviewHandOver::End() {
    m_llResumeAtMs = -1;
    m_review->End();
    m_bCrossed = false;
}

} // namespace vemora
