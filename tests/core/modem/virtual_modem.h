#pragma once

#include "core/modem/line_sink.h"
#include "core/modem/timer_host.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tonalink::test {

struct TimedLine {
    int64_t ms;
    std::string line;
    bool operator==(const TimedLine&) const = default;
};

inline void PrintTo(const TimedLine& l, std::ostream* os) {
    *os << "{" << l.ms << ", " << ::testing::PrintToString(l.line) << "}";
}

// Window timers on a virtual clock plus a modem that records every line with the
// time it was written.
class VirtualModem : public TimerHost, public LineSink {
public:
    bool startTimer(int id, int ms) override {
        const int attempt = ++m_attempts[id];
        if (m_refused.count({id, attempt}) != 0) {
            return false;
        }
        m_pending[id] = Due{m_now + ms, m_order++, ms};
        return true;
    }
    void killTimer(int id) override { m_pending.erase(id); }
    bool isOpen() const override { return open; }
    // Every line is recorded, also the ones whose write fails.
    bool writeLine(const std::string& line) override {
        lines.push_back({m_now, line});
        return failFromWrite == 0 || lines.size() < failFromWrite;
    }

    bool open = true;
    // Writes from this one on (counting from 1) fail; 0: none fails.
    std::size_t failFromWrite = 0;

    // Refuse the n-th start (counting from 1) of timer `id`.
    void refuse(int id, int attempt) { m_refused.insert({id, attempt}); }

    // Fire due timers in time order (ties in start order) until `ms`. Timers are
    // periodic, as window timers are: one the client forgets to kill fires again.
    void runUntil(int64_t ms, const std::function<void(int)>& fire) {
        for (int events = 0; events < kMaxEvents; ++events) {
            auto next = m_pending.end();
            for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
                if (next == m_pending.end() || it->second < next->second) {
                    next = it;
                }
            }
            if (next == m_pending.end() || next->second.at > ms) {
                break;
            }
            const int id = next->first;
            const Due fired = next->second;
            m_now = fired.at;
            fire(id);
            auto still = m_pending.find(id);
            if (still != m_pending.end() && still->second.order == fired.order) {
                still->second.at += std::max(fired.interval, 1);
            }
        }
        m_now = std::max(m_now, ms);
    }

    int64_t now() const { return m_now; }
    bool anyPending() const { return !m_pending.empty(); }
    std::set<int> pendingIds() const {
        std::set<int> ids;
        for (const auto& [id, due] : m_pending) {
            ids.insert(id);
        }
        return ids;
    }

    std::vector<TimedLine> lines;

private:
    struct Due {
        int64_t at;
        int64_t order;
        int interval;
        bool operator<(const Due& o) const { return at != o.at ? at < o.at : order < o.order; }
    };
    static constexpr int kMaxEvents = 100000;
    int64_t m_now = 0;
    int64_t m_order = 0;
    std::map<int, Due> m_pending;
    std::map<int, int> m_attempts;
    std::set<std::pair<int, int>> m_refused;
};

} // namespace tonalink::test
