#pragma once
// String-table ids of the copy operation's refusals (caption: 131 "Warning").

namespace vemora {

inline constexpr int kStrCopyIntoViewedFolder =
    750;                                        // "The folder %s lies inside the folders being viewed. ..."
inline constexpr int kStrCopyOntoTheCard = 751; // "The folder %s is on the memory card being viewed. ..."
inline constexpr int kStrCopyNoSpace = 752;     // "The copies need %1 MB, but only %2 MB are free in %s."

} // namespace vemora
