#pragma once
// String-table ids of the paused review's captions.

namespace vemora::ids {

inline constexpr int kReviewFrameNumber = 401; // "frame %1"
inline constexpr int kReviewNeighbourUnopened =
    730; // "%1 cannot be opened: the steps stay in this recording"
inline constexpr int kReviewPictureUndecodable = 731; // "picture %1 cannot be decoded"
inline constexpr int kReviewFileUnopened = 732;       // "%1 cannot be opened"
inline constexpr int kReviewNoRearFile = 733;         // "this recording has no rear file"
inline constexpr int kReviewNoFrontFile = 734;        // "this recording has no front file"

} // namespace vemora::ids
