#pragma once

#include "pty_pair.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tonalink::test {

struct ArrivedLine {
    std::string line; // with its CR LF
    double ms = 0;    // arrival, from the reader's start
};

// Reads the modem side of a pseudo-terminal on a thread of its own and notes when
// each line arrived, so the timing of a call can be measured from outside.
class TimedPtyReader {
public:
    explicit TimedPtyReader(PtyPair& pty) : m_pty(pty), m_start(Clock::now()) {
        m_thread = std::thread([this] { run(); });
    }
    ~TimedPtyReader() {
        m_stop = true;
        m_thread.join();
    }
    TimedPtyReader(const TimedPtyReader&) = delete;
    TimedPtyReader& operator=(const TimedPtyReader&) = delete;

    std::vector<ArrivedLine> lines() const {
        std::lock_guard lock(m_mutex);
        return m_lines;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const ArrivedLine& l : lines()) {
            out.push_back(l.line);
        }
        return out;
    }
    // Waits (without an event loop) until `count` lines arrived or `timeoutMs` passed.
    bool waitForLines(std::size_t count, int timeoutMs) const {
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < until) {
            if (lines().size() >= count) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return lines().size() >= count;
    }

private:
    using Clock = std::chrono::steady_clock;

    void run() {
        while (!m_stop) {
            const std::string bytes = m_pty.read(1, 20);
            if (bytes.empty()) {
                continue;
            }
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - m_start).count();
            m_partial += bytes;
            std::size_t end;
            while ((end = m_partial.find('\n')) != std::string::npos) {
                std::lock_guard lock(m_mutex);
                m_lines.push_back({m_partial.substr(0, end + 1), ms});
                m_partial.erase(0, end + 1);
            }
        }
    }

    PtyPair& m_pty;
    Clock::time_point m_start;
    std::atomic<bool> m_stop{false};
    std::string m_partial;
    mutable std::mutex m_mutex;
    std::vector<ArrivedLine> m_lines;
    std::thread m_thread;
};

} // namespace tonalink::test
