#include "platform/BackgroundThread.h"

#include <ctime>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace vemora {

namespace {

// Linux's ioprio_set: no libc wrapper. Class 3 = idle, in the top bits of the value.
constexpr int kIoprioWhoProcess = 1;
constexpr int kIoprioClassIdle = 3;
constexpr int kIoprioClassShift = 13;

} // namespace

void LowerCurrentThreadPriority() {
#ifdef __linux__
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    // On Linux the nice value and the I/O priority belong to the thread given by its id.
    (void)::setpriority(PRIO_PROCESS, tid, 19);
#ifdef SYS_ioprio_set
    (void)::syscall(SYS_ioprio_set, kIoprioWhoProcess, static_cast<int>(tid),
                    kIoprioClassIdle << kIoprioClassShift);
#endif
#endif
}

double CurrentThreadCpuSeconds() {
    timespec ts{};
    if (::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts) != 0)
        return 0;
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void CancelFlag::Cancel() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_flag.store(true);
    }
    m_wake.notify_all();
}

bool CancelFlag::WaitFor(std::chrono::duration<double> duration) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_wake.wait_for(lock, duration, [this] { return m_flag.load(); });
}

CpuSharePacer::CpuSharePacer(double share, CancelFlag* cancel)
    : m_share(share > 0 && share <= 1 ? share : 1), m_pCancel(cancel), m_startCpu(CurrentThreadCpuSeconds()),
      m_startWall(std::chrono::steady_clock::now()) {}

void CpuSharePacer::Pace() {
    const double used = CurrentThreadCpuSeconds() - m_startCpu;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - m_startWall;
    const double owed = used / m_share - elapsed.count();
    if (owed <= 0)
        return;
    if (m_pCancel)
        m_pCancel->WaitFor(std::chrono::duration<double>(owed));
    else
        std::this_thread::sleep_for(std::chrono::duration<double>(owed));
}

} // namespace vemora
