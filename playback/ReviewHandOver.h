#pragma once
// The panes between the players and the paused review: on pause the review takes them over at
// the picture shown; on play the players go on from the picture the steps reached, beneath the
// review's pictures until both have landed there, or load the recording the steps went on into.

#include "playback/PlayerPair.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vemora {

class CRecordingLibrary;
class FrameReview;
class PairLanding;
class StartRestore;

class ReviewHandOver {
public:
    // reopenCurrent: loads and starts the current recording in both players.
    ReviewHandOver(const CRecordingLibrary& library, PlayerPair players, PairLanding& landing,
                   StartRestore& restore, std::function<void()> reopenCurrent);
    ~ReviewHandOver();

    FrameReview& Review() { return *m_review; }
    bool Active() const;
    // The review takes the panes over with the current recording's pictures at timeMs.
    void Begin(int64_t timeMs, bool mirrorRear);
    // The steps went on into another recording than the players hold (it is current now).
    void NoteCrossed() { m_bCrossed = true; }
    // Play after a review: both players go to the time of the picture shown, in the recording
    // the steps reached. True when the players were started here.
    bool Resume();
    // After playing resumed from a review: both players to the picture that was shown.
    void LandAtResumeTime();
    // A seek while the pictures are reviewed: the review goes on from ms.
    void FollowSeek(int64_t ms, bool mirrorRear);
    // The landing that resumed playback is over: the review's pictures left over the panes go.
    void ClearLeftPictures();
    // The players were stopped: no review, nothing to resume.
    void End();

private:
    const CRecordingLibrary& m_library;
    PlayerPair m_players;
    PairLanding& m_landing;
    StartRestore& m_restore;
    std::function<void()> m_reopenCurrent;
    std::unique_ptr<FrameReview> m_review;
    // The review's pictures stay over the panes until the landing that resumed playback ends.
    bool m_bPicturesLeft = false;
    // Where playing resumes after a review; -1 when it resumes where the players are.
    int64_t m_llResumeAtMs = -1;
    // The steps of a review went on into another recording than the players hold.
    bool m_bCrossed = false;
};

} // namespace vemora
