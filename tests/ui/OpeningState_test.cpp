// The opening state: which requests it takes in which phase, and the steps from a scan to a
// playing recording.

#include "app/OpeningState.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace vemora;

namespace {

using P = OpeningPhase;
using R = OpeningRequest;

TEST(OpeningStateTest, RequestsRefusedWhileBusy) {
    struct Row {
        P phase;
        bool fileOperation;
        R request;
        bool listed;
        bool accepted;
    };
    const Row rows[] = {
        {P::Idle, false, R::ChooseSource, false, true},
        {P::Playing, false, R::PlayRecording, true, true},
        {P::Scanning, false, R::ChooseSource, false, false},
        {P::Scanning, false, R::Scan, false, false},
        {P::Scanning, false, R::UseLibrary, true, false},
        {P::DeferredOpen, false, R::PlayRecording, true, false},
        {P::Opening, false, R::ChooseSource, true, false},
        // An opening with nothing listed waits for nothing: OPEN is taken.
        {P::Opening, false, R::ChooseSource, false, true},
        {P::Opening, false, R::Scan, true, true},
        {P::Opening, false, R::UseLibrary, true, true},
        {P::Playing, true, R::PlayRecording, true, false},
        {P::Playing, true, R::Scan, true, false},
        {P::Idle, true, R::UseLibrary, true, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(COpeningState::Accepts(r.phase, r.fileOperation, r.request, r.listed), r.accepted)
            << static_cast<int>(r.phase) << " " << r.fileOperation << " " << static_cast<int>(r.request);
}

TEST(OpeningStateTest, StepsFromScanToPlaying) {
    enum class Step { ScanStarted, FoundNothing, Found, OpenLater, Due, OpeningStarted, TimeReported };
    struct Row {
        const char* name;
        std::vector<Step> steps;
        P phase;
    };
    const Row rows[] = {
        {"nothing found", {Step::ScanStarted, Step::FoundNothing}, P::Idle},
        {"found, first opening waits", {Step::ScanStarted, Step::Found, Step::OpenLater}, P::DeferredOpen},
        {"deferred opening plays",
         {Step::ScanStarted, Step::Found, Step::OpenLater, Step::Due, Step::OpeningStarted,
          Step::TimeReported},
         P::Playing},
        // A report of the players that were stopped for the scan opens nothing.
        {"stale time report", {Step::ScanStarted, Step::TimeReported}, P::Scanning},
        {"a new scan cancels the waiting opening",
         {Step::ScanStarted, Step::Found, Step::OpenLater, Step::ScanStarted},
         P::Scanning},
    };
    for (const Row& r : rows) {
        COpeningState state;
        QSignalSpy due(&state, &COpeningState::deferredOpenDue);
        for (Step step : r.steps) {
            switch (step) {
            case Step::ScanStarted:
                state.ScanStarted();
                break;
            case Step::FoundNothing:
                state.ScanFinished(false);
                break;
            case Step::Found:
                state.ScanFinished(true);
                break;
            case Step::OpenLater:
                state.OpenLater(3);
                break;
            case Step::Due:
                ASSERT_TRUE(due.wait(5000)) << r.name;
                EXPECT_EQ(due.takeFirst().at(0).toInt(), 3) << r.name;
                break;
            case Step::OpeningStarted:
                state.OpeningStarted();
                break;
            case Step::TimeReported:
                state.TimeReported();
                break;
            }
        }
        EXPECT_EQ(state.Phase(), r.phase) << r.name;
        EXPECT_EQ(state.LibraryBusy(), r.phase == P::Scanning) << r.name;
    }
}

} // namespace
