#include "app/OpeningState.h"

namespace vemora {

namespace {

// The first recording opens as soon as the lists show the scan: waiting longer (this was half a
// second) only delays the first pictures.
constexpr int kDeferredOpenMs = 0;
// The stopped players' decoder threads end well within this time.
constexpr int kRestMs = 400;
// An opening whose players never report a time (a file that cannot be played) stops refusing
// requests after this long.
constexpr int kGuardMs = 100000;
constexpr qint64 kListActivationGapMs = 1999;

} // namespace

COpeningState::COpeningState(QObject* parent) : QObject(parent) {
    for (QTimer* timer : {&m_deferredOpen, &m_rest, &m_guard})
        timer->setSingleShot(true);
    m_deferredOpen.setInterval(kDeferredOpenMs);
    m_rest.setInterval(kRestMs);
    m_guard.setInterval(kGuardMs);
    connect(&m_deferredOpen, &QTimer::timeout, this, [this] { emit deferredOpenDue(m_nDueRecord); });
    connect(&m_rest, &QTimer::timeout, this, [this] { emit restedOpenDue(m_nDueRecord); });
    connect(&m_guard, &QTimer::timeout, this, [this] {
        if (m_phase == OpeningPhase::DeferredOpen || m_phase == OpeningPhase::Opening)
            Enter(OpeningPhase::Idle);
    });
    m_listClock.start();
    m_lastListActivation = m_listClock.elapsed();
}

bool COpeningState::Accepts(OpeningRequest request, bool libraryHasRecordings) const {
    return Accepts(m_phase, m_fileOperation, request, libraryHasRecordings);
}

bool COpeningState::Accepts(OpeningPhase phase, bool fileOperation, OpeningRequest request,
                            bool libraryHasRecordings) {
    if (fileOperation || phase == OpeningPhase::Scanning)
        return false;
    const bool opening = phase == OpeningPhase::DeferredOpen || phase == OpeningPhase::Opening;
    switch (request) {
    case OpeningRequest::ChooseSource:
        // With nothing listed there is nothing an opening could be waiting for.
        return !opening || !libraryHasRecordings;
    case OpeningRequest::PlayRecording:
        return !opening;
    case OpeningRequest::Scan:
    case OpeningRequest::UseLibrary:
        return true;
    }
    return false;
}

bool COpeningState::TakeListActivation() {
    const qint64 now = m_listClock.elapsed();
    if (now - m_lastListActivation <= kListActivationGapMs)
        return false;
    m_lastListActivation = now;
    return true;
}

void COpeningState::ScanStarted() {
    m_deferredOpen.stop();
    m_rest.stop();
    m_guard.start();
    Enter(OpeningPhase::Scanning);
}

void COpeningState::ScanFinished(bool found) {
    if (!found) {
        m_guard.stop();
        Enter(OpeningPhase::Idle);
        return;
    }
    Enter(OpeningPhase::DeferredOpen);
}

void COpeningState::OpenLater(int record) {
    m_nDueRecord = record;
    m_deferredOpen.start();
    Enter(OpeningPhase::DeferredOpen);
}

void COpeningState::OpenDueNow() {
    if (!m_deferredOpen.isActive())
        return;
    m_deferredOpen.stop();
    emit deferredOpenDue(m_nDueRecord);
}

void COpeningState::OpenAfterRest(int record) {
    m_nDueRecord = record;
    m_rest.start();
    Enter(OpeningPhase::DeferredOpen);
}

void COpeningState::OpeningStarted() {
    m_deferredOpen.stop();
    m_rest.stop();
    m_guard.start();
    Enter(OpeningPhase::Opening);
}

void COpeningState::TimeReported() {
    if (m_phase != OpeningPhase::Opening)
        return;
    m_guard.stop();
    Enter(OpeningPhase::Playing);
}

void COpeningState::FileOperationStarted() {
    m_fileOperation = true;
    emit phaseChanged(m_phase);
}

void COpeningState::FileOperationEnded() {
    m_fileOperation = false;
    emit phaseChanged(m_phase);
}

void COpeningState::Enter(OpeningPhase phase) {
    if (phase == m_phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}

} // namespace vemora
