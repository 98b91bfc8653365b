#include "playback/FrameReview.h"
#include "playback/ImageFile.h"

#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "playback/ReviewTexts.h"
#include "settings/SettingsFile.h"
#include "widgets/FrameOverlay.h"

#include <QFileInfo>

#include <cmath>
#include <filesystem>

namespace vemora {

namespace {

// The size of a black pane before any picture of the camera was shown.
constexpr int kBlackWidth = 640, kBlackHeight = 360;

QString UiText(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

// The file's name as the card spells it, for a caption.
QString FileNameOf(const std::string& path) {
    return QString::fromStdString(std::filesystem::path(path).filename().string());
}

// The next recording of the same camera in the drive of records[row] (direction +1), or the one
// before it (-1); -1 when the drive ends there.
int NeighbourOnCamera(const std::vector<RecordingInfo>& records, int row, int direction) {
    const int n = static_cast<int>(records.size());
    const bool rear = IsRearFile(records[static_cast<size_t>(row)].GetFullPath());
    for (int i = row + direction; i >= 0 && i < n; i += direction) {
        const int groupStartCrossed = direction > 0 ? i : i + 1;
        if (records[static_cast<size_t>(groupStartCrossed)].startsGroup)
            return -1;
        if (IsRearFile(records[static_cast<size_t>(i)].GetFullPath()) == rear)
            return i;
    }
    return -1;
}

// "01:23.480"
QString TimeText(double ms) {
    const auto total = static_cast<long long>(std::llround(std::max(0.0, ms)));
    return QStringLiteral("%1:%2.%3")
        .arg(total / 60000, 2, 10, QLatin1Char('0'))
        .arg(total / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(total % 1000, 3, 10, QLatin1Char('0'));
}

// The picture's pixels stay with the picture for as long as the image lives.
QImage ImageOf(const std::shared_ptr<const media::RgbFrame>& picture) {
    auto* keep = new std::shared_ptr<const media::RgbFrame>(picture);
    return QImage(
        picture->pixels.data(), picture->width, picture->height, picture->stride, QImage::Format_RGB888,
        [](void* p) { delete static_cast<std::shared_ptr<const media::RgbFrame>*>(p); }, keep);
}

} // namespace

struct FrameReview::Camera {
    FrameOverlay* overlay = nullptr;
    std::shared_ptr<const media::RgbFrame> picture;
    uint64_t ticket = 0;
};

FrameReview::FrameReview(const CRecordingLibrary& library, QObject* parent)
    : QObject(parent), m_library(library), m_stepped(std::make_unique<Camera>()),
      m_other(std::make_unique<Camera>()) {
    m_fetcher = std::make_unique<media::FramePairFetcher>([this](const media::FetchedPicture& picture) {
        QMetaObject::invokeMethod(
            this, [this, picture] { OnPicture(picture); }, Qt::QueuedConnection);
    });
}

FrameReview::~FrameReview() {
    m_fetcher.reset();
}

void FrameReview::SetOverlays(FrameOverlay* front, FrameOverlay* rear) {
    m_pFront = front;
    m_pRear = rear;
}

bool FrameReview::SetRecording(int row) {
    const auto& records = m_library.Records();
    if (row < 0 || row >= static_cast<int>(records.size()))
        return false;
    const std::string path = records[static_cast<size_t>(row)].GetFullPath();
    const bool isRear = IsRearFile(path);
    std::string front = isRear ? GetFrontPartner(path) : path;
    std::string rear = isRear ? path : GetRearPartner(path);
    if (rear == front)
        rear.clear();
    m_nRow = row;
    m_bSteppedIsRear = front.empty();
    m_request.steppedPath = m_bSteppedIsRear ? rear : front;
    m_request.otherPath = m_bSteppedIsRear ? std::string() : rear;
    m_request.mirrorStepped = m_bSteppedIsRear && m_bMirrorRear;
    m_request.mirrorOther = m_bMirrorRear;
    if (FrameOverlay* previous = m_stepped->overlay;
        previous && previous != (m_bSteppedIsRear ? m_pRear : m_pFront))
        previous->Clear();
    m_stepped->overlay = m_bSteppedIsRear ? m_pRear : m_pFront;
    m_other->overlay = m_bSteppedIsRear ? nullptr : m_pRear;
    return true;
}

void FrameReview::CoverAbsentCamera() {
    const bool absentRear = !m_bSteppedIsRear && m_request.otherPath.empty();
    FrameOverlay* absent = m_bSteppedIsRear ? m_pFront : absentRear ? m_pRear : nullptr;
    if (!absent)
        return;
    if (m_nRow == m_nBeginRow) {
        // The player beneath holds nothing of another recording.
        absent->Clear();
        return;
    }
    Camera cover;
    cover.overlay = absent;
    ShowBlack(cover, UiText(m_bSteppedIsRear ? ids::kReviewNoFrontFile : ids::kReviewNoRearFile));
}

void FrameReview::Begin(int row, int64_t timeMs, bool mirrorRear) {
    m_bMirrorRear = mirrorRear;
    if (!SetRecording(row)) {
        End();
        return;
    }
    m_bActive = true;
    m_nShownRow = row;
    m_nBeginRow = row;
    CoverAbsentCamera();
    m_request.anchor = media::PairRequest::Anchor::Time;
    m_request.timeMs = static_cast<double>(std::max<int64_t>(0, timeMs));
    m_request.steps = 0;
    Ask();
}

void FrameReview::End() {
    Finish();
    ClearPictures();
}

void FrameReview::Finish() {
    m_bActive = false;
    m_nTicket = 0;
    for (Camera* camera : {m_stepped.get(), m_other.get()}) {
        camera->picture.reset();
        camera->ticket = 0;
    }
    // The card's files close and the decoded pictures go; the overlays keep only what they show.
    m_fetcher->Release();
}

void FrameReview::ClearPictures() {
    for (FrameOverlay* overlay : {m_pFront, m_pRear})
        if (overlay)
            overlay->Clear();
}

void FrameReview::Step(int direction) {
    if (!m_bActive)
        return;
    m_request.steps += direction > 0 ? 1 : -1;
    Ask();
}

void FrameReview::ResetZoom() {
    for (FrameOverlay* overlay : {m_pFront, m_pRear})
        if (overlay)
            overlay->ResetZoom();
}

void FrameReview::Ask() {
    m_nTicket = m_fetcher->Request(m_request);
}

int64_t FrameReview::TimeMs() const {
    if (m_stepped->picture)
        return std::llround(m_stepped->picture->timeMs);
    return std::llround(m_request.timeMs);
}

bool FrameReview::Settled() const {
    return m_bActive && m_stepped->ticket == m_nTicket &&
           (m_request.otherPath.empty() || m_other->ticket == m_nTicket);
}

// Only the pictures of the newest request are shown: an older one is on its way to be replaced.
void FrameReview::OnPicture(const media::FetchedPicture& picture) {
    if (!m_bActive || picture.ticket != m_nTicket)
        return;
    if (!picture.stepped) {
        Show(*m_other, picture);
        return;
    }
    if (picture.outside != 0)
        return OnOutside(picture);
    if (picture.unopened && m_nShownRow != m_nRow)
        return StayAfterFailedCrossing(picture);
    // Later steps count from the picture reached.
    m_request.anchor = media::PairRequest::Anchor::Frame;
    m_request.frame = picture.target;
    m_request.steps = 0;
    Show(*m_stepped, picture);
    // Until the first picture of the next recording is there, the one before stays current.
    if (m_nShownRow != m_nRow && picture.picture) {
        m_nShownRow = m_nRow;
        CoverAbsentCamera();
        emit crossed(m_nRow);
    }
    if (picture.picture)
        emit moved(std::llround(picture.picture->timeMs), std::llround(picture.durationMs));
}

// Past a recording's first or last picture the steps go on in the recording before or after it
// on the drive; at the drive's ends they stop at its first or last picture.
void FrameReview::OnOutside(const media::FetchedPicture& picture) {
    const int neighbour = NeighbourOnCamera(m_library.Records(), m_nRow, picture.outside);
    if (neighbour < 0 || !SetRecording(neighbour)) {
        m_request.anchor =
            picture.outside < 0 ? media::PairRequest::Anchor::Frame : media::PairRequest::Anchor::Last;
        m_request.frame = 0;
        m_request.steps = 0;
    } else if (picture.outside < 0) {
        m_request.anchor = media::PairRequest::Anchor::Last;
        m_request.steps = picture.target + 1; // target -1 is the last picture before
    } else {
        m_request.anchor = media::PairRequest::Anchor::Frame;
        m_request.frame = 0;
        m_request.steps = picture.target - picture.frameCount;
    }
    Ask();
}

// The steps stay on the picture shown, in the recording shown; its caption says why.
void FrameReview::StayAfterFailedCrossing(const media::FetchedPicture& picture) {
    const QString why = UiText(ids::kReviewNeighbourUnopened).arg(FileNameOf(picture.path));
    SetRecording(m_nShownRow);
    m_request.anchor = media::PairRequest::Anchor::Frame;
    m_request.frame = m_stepped->picture ? m_stepped->picture->frame : 0;
    m_request.steps = 0;
    // Nothing more comes for this step: both cameras are where they were.
    m_stepped->ticket = m_other->ticket = picture.ticket;
    FrameOverlay* overlay = m_stepped->overlay;
    if (!overlay)
        return;
    if (m_stepped->picture)
        overlay->ShowPicture(overlay->Picture(), overlay->Caption() + QStringLiteral(" · ") + why);
    else
        ShowBlack(*m_stepped, why);
}

void FrameReview::ShowBlack(Camera& camera, const QString& caption) {
    if (!camera.overlay)
        return;
    const QImage& last = camera.overlay->Picture();
    QImage black(last.isNull() ? QSize(kBlackWidth, kBlackHeight) : last.size(), QImage::Format_RGB888);
    black.fill(Qt::black);
    camera.overlay->ShowPicture(black, caption);
}

void FrameReview::Show(Camera& camera, const media::FetchedPicture& picture) {
    camera.ticket = picture.ticket;
    if (!picture.picture) {
        // Black rather than the player's picture beneath, which may be of another recording.
        camera.picture.reset();
        ShowBlack(camera, picture.unopened ? UiText(ids::kReviewFileUnopened).arg(FileNameOf(picture.path))
                                           : UiText(ids::kReviewPictureUndecodable).arg(picture.target));
        return;
    }
    camera.picture = picture.picture;
    if (!camera.overlay)
        return;
    const QString number = UiText(ids::kReviewFrameNumber).arg(picture.picture->frame);
    camera.overlay->ShowPicture(ImageOf(picture.picture),
                                TimeText(picture.picture->timeMs) + QStringLiteral(" · ") + number);
}

bool FrameReview::SavePictures(const QString& frontPath, const QString& rearPath) const {
    bool ok = true;
    auto save = [&ok](const Camera& camera, const QString& path) {
        if (camera.picture)
            ok = WriteImageFile(ImageOf(camera.picture), path) && ok;
    };
    save(*m_stepped, m_bSteppedIsRear ? rearPath : frontPath);
    if (!m_bSteppedIsRear)
        save(*m_other, rearPath);
    return ok;
}

} // namespace vemora
