#include "widgets/SeekBarValues.h"

namespace vemora {

std::atomic<int> SeekLeadIn{0};
std::atomic<int> SeekSpan{kSeekRange};
std::atomic<int> SeekThumbX{0};
std::atomic<int> SeekThumbMoved{0};

} // namespace vemora
