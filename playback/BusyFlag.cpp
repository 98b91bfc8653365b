#include "playback/BusyFlag.h"

namespace vemora {

std::atomic<int> g_bBusy{0};

} // namespace vemora
