#pragma once
// Helpers for work that must stay out of the way of playback: the lowest CPU and disk priority
// for the calling thread, and a pacer that keeps the thread's CPU time to a share of wall time.

#include <chrono>
#include <cstdint>

namespace vemora {

// Lowers the calling thread's CPU priority to the least (nice 19) and its disk priority to the
// idle class, where the system allows it. Threads only, never the whole process.
void LowerCurrentThreadPriority();

// CPU seconds the calling thread has used.
double CurrentThreadCpuSeconds();

class CpuSharePacer {
public:
    // share: the largest part of each wall-clock second the thread may compute (0 < share <= 1).
    explicit CpuSharePacer(double share);
    // Sleeps as long as needed for the thread's CPU time since construction to stay within the
    // share of the wall time since construction.
    void Pace();

private:
    double m_share;
    double m_startCpu;
    std::chrono::steady_clock::time_point m_startWall;
};

} // namespace vemora
