#pragma once

#include "cli_context.h"
#include "core/app/reserve_time.h"
#include "core/app/send_job.h"
#include "platform/comm_line.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <memory>

class QEventLoop;

namespace tonalink {
struct ProgramState;
}

namespace tonalink::cli {

// The event loop, the modem port and the termination signals of one `send` run:
// waits for a time of day and runs send jobs on real time, each to its end.
// SIGINT, SIGTERM or SIGHUP cancel the wait or the call, and every later one.
class SendSession {
public:
    // Opens the port of the settings (reporting a failure) and recovers the journal.
    SendSession(const CliContext& ctx, ProgramState& state);
    // Flushes what was logged and closes the port.
    ~SendSession();

    bool portOpen() const { return m_port.isOpen(); }
    bool terminated() const { return m_terminated; }

    // Checks now and then every 10 s until the local time has that hour and
    // minute; false when a signal ended the wait.
    bool waitUntil(const ReserveTime& target);
    // One send of the current send fields; the job's result. A line failure is told
    // on stderr with what the line said.
    SendResult send(SendJob::Kind kind);

private:
    void say(const QString& text) const;

    const CliContext& m_ctx;
    ProgramState& m_state;
    int m_argc = 1;
    char m_appName[13] = "tonalink-cli";
    char* m_argv[2] = {m_appName, nullptr};
    QCoreApplication m_app{m_argc, m_argv};
    CommLine m_port;
    TerminationSignals m_termination;
    bool m_terminated = false;
    SendJob* m_job = nullptr;     // the job running now
    QEventLoop* m_loop = nullptr; // the wait or call running now
};

} // namespace tonalink::cli
