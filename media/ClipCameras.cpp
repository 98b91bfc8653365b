#include "media/ClipCameras.h"

namespace vemora::media {

Cameras CamerasOf(const ClipPlan& plan) {
    Cameras c;
    for (const ClipPart& part : plan.parts) {
        if (c.lackingFront.empty() && part.frontPath.empty())
            c.lackingFront = part.recordPath;
        if (c.lackingRear.empty() && part.rearPath.empty())
            c.lackingRear = part.recordPath;
        c.front = c.front && !part.frontPath.empty();
        c.rear = c.rear && !part.rearPath.empty();
    }
    return c;
}

bool ChooseLayout(ClipLayout asked, const Cameras& cameras, ClipLayout& layout,
                  std::vector<std::string>& notes, std::string* error) {
    layout = asked;
    if (asked == ClipLayout::Front && !cameras.front) {
        *error = cameras.lackingFront + ": the front camera's file of this recording is missing";
        return false;
    }
    if (asked == ClipLayout::Rear && !cameras.rear) {
        *error = cameras.lackingRear + ": the rear camera's file of this recording is missing";
        return false;
    }
    if (asked == ClipLayout::Side || asked == ClipLayout::Pip) {
        if (!cameras.rear) {
            layout = ClipLayout::Front;
            notes.push_back(cameras.lackingRear +
                            ": the rear camera's file of this recording is missing: front camera alone");
        } else if (!cameras.front) {
            layout = ClipLayout::Rear;
            notes.push_back(cameras.lackingFront +
                            ": the front camera's file of this recording is missing: rear camera alone");
        }
    }
    return true;
}

} // namespace vemora::media
