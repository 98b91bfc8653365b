#pragma once
// Set while a folder scan or the opening of a recording is in progress; list activations and a
// second OPEN are ignored meanwhile. The first time report of the opened recording clears it.

#include <atomic>

namespace vemora {

extern std::atomic<int> g_bBusy;

} // namespace vemora
