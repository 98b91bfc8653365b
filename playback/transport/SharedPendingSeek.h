#pragma once
// The seek the seek bar asked for and the players have not been sent yet. The GUI thread stores
// and applies it; libVLC's event threads test it (time reports are not passed on while a seek is
// pending) and clear it (an opening, a pause, the end of a file). Any time is a target, 0 too.

#include <atomic>
#include <cstdint>
#include <limits>
#include <optional>

namespace vemora {

class SharedPendingSeek {
public:
    std::optional<int64_t> Target() const {
        int64_t value = m_target.load();
        return value == kNone ? std::nullopt : std::optional<int64_t>(value);
    }
    bool IsPending() const { return m_target.load() != kNone; }
    void Set(int64_t targetMs) { m_target = targetMs; }
    void Clear() { m_target = kNone; }

private:
    // No seek time is this far before a recording's start.
    static constexpr int64_t kNone = std::numeric_limits<int64_t>::min();
    std::atomic<int64_t> m_target{kNone};
};

} // namespace vemora
