#pragma once
// The paused recording, picture by picture: while the players are paused the two panes show
// exact pictures from the media layer's decoder instead of libVLC's, stepped one front picture at
// a time, on into the previous or next recording of the same drive at a recording's ends, with
// the rear picture nearest in time beside it. The player controller hands the panes over on pause
// and takes them back on play; once the review ends no decoder, picture or open file is kept.
// A pane never shows a picture of another recording than the one reviewed: where there is no
// picture it is black, with a caption that says why.

#include "media/FramePairFetcher.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

namespace vemora {

class CRecordingLibrary;
class FrameOverlay;

class FrameReview : public QObject {
    Q_OBJECT
public:
    explicit FrameReview(const CRecordingLibrary& library, QObject* parent = nullptr);
    ~FrameReview() override;

    // The layers over the front and rear panes (either may be null: nothing drawn there).
    void SetOverlays(FrameOverlay* front, FrameOverlay* rear);

    // Takes the panes over with the pictures of a recording's row at timeMs; rear pictures are
    // mirrored when mirrorRear is set.
    void Begin(int row, int64_t timeMs, bool mirrorRear);
    // Gives the panes back to the players.
    void End();
    // Ends the review but leaves its pictures over the panes until ClearPictures (playing
    // resumes beneath them and they go once both players show the same picture).
    void Finish();
    void ClearPictures();
    bool Active() const { return m_bActive; }
    // One picture of the stepped camera forward (+1) or back (-1).
    void Step(int direction);
    void ResetZoom();

    // The recording and time of the picture shown (or asked for, before it has come).
    int Row() const { return m_nShownRow; }
    int64_t TimeMs() const;
    // True once both cameras show the pictures of the last step.
    bool Settled() const;
    // Writes the pictures shown at full resolution (JPEG for .jpg/.jpeg, else PNG); a camera
    // without a picture writes nothing. False when a file could not be written.
    bool SavePictures(const QString& frontPath, const QString& rearPath) const;

signals:
    // A picture of the stepped camera is shown: the instruments and the seek bar follow.
    void moved(qint64 timeMs, qint64 lengthMs);
    // The steps went on into another recording of the drive: its first picture is shown.
    void crossed(int row);

private:
    struct Camera;
    void Ask();
    void OnPicture(const media::FetchedPicture& picture);
    void OnOutside(const media::FetchedPicture& picture);
    void Show(Camera& camera, const media::FetchedPicture& picture);
    // Black over the camera's pane, with the reason as its caption.
    void ShowBlack(Camera& camera, const QString& caption);
    // The neighbour the steps went into cannot be opened: back to the picture shown, saying so.
    void StayAfterFailedCrossing(const media::FetchedPicture& picture);
    // Black over a pane whose camera has no file in the recording reviewed, once that recording
    // is not the one the players hold.
    void CoverAbsentCamera();
    bool SetRecording(int row);

    const CRecordingLibrary& m_library;
    bool m_bActive = false;
    bool m_bMirrorRear = false;
    int m_nRow = -1;               // the recording asked for
    int m_nShownRow = -1;          // the recording whose picture is shown
    int m_nBeginRow = -1;          // the recording the players hold
    bool m_bSteppedIsRear = false; // a rear file without front partner is stepped itself
    media::PairRequest m_request;
    uint64_t m_nTicket = 0;
    std::unique_ptr<Camera> m_stepped;
    std::unique_ptr<Camera> m_other;
    FrameOverlay* m_pFront = nullptr;
    FrameOverlay* m_pRear = nullptr;
    // Last: its threads end before anything they report to goes.
    std::unique_ptr<media::FramePairFetcher> m_fetcher;
};

} // namespace vemora
