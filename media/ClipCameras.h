#pragma once
// Which cameras a clip's range has throughout, and the layout that can be written with them: a
// camera missing from any recording of the range is left out of the whole clip.

#include "media/ClipPlan.h"
#include "media/ClipWriter.h"

#include <string>
#include <vector>

namespace vemora::media {

struct Cameras {
    bool front = true;
    bool rear = true;
    std::string lackingFront; // the first recording in the range without a front file
    std::string lackingRear;  // ... without a rear file
};

Cameras CamerasOf(const ClipPlan& plan);

// The layout that can be written with the cameras there are, a note for each camera left out;
// false (with the error) when the asked camera is not there.
bool ChooseLayout(ClipLayout asked, const Cameras& cameras, ClipLayout& layout,
                  std::vector<std::string>& notes, std::string* error);

} // namespace vemora::media
