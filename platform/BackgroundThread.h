#pragma once
// Helpers for work that must stay out of the way of playback: the lowest CPU and disk priority
// for the calling thread, and a pacer that keeps the thread's CPU time to a share of wall time.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace vemora {

// Lowers the calling thread's CPU priority to the least (nice 19) and its disk priority to the
// idle class, where the system allows it. Threads only, never the whole process.
void LowerCurrentThreadPriority();

// CPU seconds the calling thread has used.
double CurrentThreadCpuSeconds();

// A cancel request that a sleeping worker hears at once: Cancel wakes every WaitFor.
class CancelFlag {
public:
    void Cancel();
    bool Cancelled() const { return m_flag.load(); }
    // The flag itself, for loops that only look at it.
    const std::atomic<bool>& Flag() const { return m_flag; }
    // Sleeps for duration or until Cancel, whichever comes first; true when cancelled.
    bool WaitFor(std::chrono::duration<double> duration);

private:
    std::atomic<bool> m_flag{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
};

class CpuSharePacer {
public:
    // share: the largest part of each wall-clock second the thread may compute (0 < share <= 1).
    // A cancel ends every sleep at once.
    explicit CpuSharePacer(double share, CancelFlag* cancel = nullptr);
    // Sleeps as long as needed for the thread's CPU time since construction to stay within the
    // share of the wall time since construction.
    void Pace();

private:
    double m_share;
    CancelFlag* m_pCancel;
    double m_startCpu;
    std::chrono::steady_clock::time_point m_startWall;
};

} // namespace vemora
