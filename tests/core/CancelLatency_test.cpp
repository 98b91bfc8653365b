// Cancel reaches the long loops: a worker asked to stop mid-way returns soon, whatever file it is
// in. The bound is a generous correctness bound for a loaded machine; timings are benchmarks'.
#include "TelemetryTestBytes.h"
#include "library/ContainerReader.h"
#include "library/RecordingLibrary.h"
#include "platform/BackgroundThread.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using namespace vemora;
using namespace vemora::testbytes;
namespace fx = vemora::fixture;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kCancelBound = std::chrono::seconds(2);

// Burns CPU time, so that a pacer at a small share owes a long sleep.
void Burn(std::chrono::milliseconds cpu) {
    const double start = CurrentThreadCpuSeconds();
    volatile double x = 0;
    while (CurrentThreadCpuSeconds() - start < cpu.count() / 1000.0)
        x = x + 1;
}

} // namespace

TEST(CancelLatency, EveryLongLoopEndsSoonAfterACancel) {
    ScratchDir dir;
    std::string error;
    const std::string sparseAvi = dir.Path() + "/FILE0001.AVI";
    ASSERT_TRUE(fx::WriteSparseAvi(sparseAvi, &error)) << error;
    const std::string sparseBoxes = dir.Path() + "/20240517_120000_F.MP4";
    ASSERT_TRUE(fx::WriteSparseBoxFile(sparseBoxes, &error)) << error;

    CancelFlag aviCancel, pacerCancel;
    CRecordingLibrary library;
    struct Case {
        const char* name;
        std::function<void()> work;
        std::function<void()> cancel; // called from another thread while the work runs
    } cases[] = {
        {"reading a 4 GiB sparse AVI",
         [&] {
             ContainerSummary summary;
             ReadContainer(sparseAvi, ContainerKind::Avi, summary, nullptr, &aviCancel.Flag());
         },
         [&] { aviCancel.Cancel(); }},
        {"a folder scan inside a file of millions of boxes",
         [&] { library.ScanSource(dir.Path(), std::string()); }, [&] { library.RequestScanCancel(); }},
        {"the pacer's sleep at a hundredth of a CPU",
         [&] {
             CpuSharePacer pacer(0.01, &pacerCancel);
             Burn(std::chrono::milliseconds(200)); // owes 20 s of sleep
             pacer.Pace();
         },
         [&] { pacerCancel.Cancel(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::thread worker(c.work);
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // under way
        const auto asked = Clock::now();
        c.cancel();
        worker.join();
        EXPECT_LT(Clock::now() - asked, kCancelBound);
    }
}
