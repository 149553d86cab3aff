#include "send_session.h"

#include "core/app/program_state.h"
#include "core/common/cp932.h"
#include "platform/call_texts.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_timer_host.h"
#include "platform/ui_language.h"

#include <QEventLoop>
#include <QTimer>

namespace tonalink::cli {
namespace {

constexpr int kTimeCheckMs = 10000;

} // namespace

SendSession::SendSession(const CliContext& ctx, ProgramState& state)
    : m_ctx(ctx), m_state(state),
      m_port(
          state.settings, [&ctx](const QString& text) { ctx.err << text.toStdString() << "\n"; },
          [&ctx](bool answers) {
              if (!answers)
                  ctx.err << SerialPort::noAnswerText().toStdString() << "\n";
          }) {
    installTranslations(m_app, {"tonalink", "cli"});
    const Settings& settings = state.settings;
    QtSettingsStore store;
    m_port.open(settings.CommPort, settings.Ports, store);
    state.sendLog.recoverJournal();
    QObject::connect(&m_termination, &TerminationSignals::terminationRequested, [this](int) {
        m_terminated = true;
        if (m_job)
            m_job->cancel();
        else if (m_loop)
            m_loop->quit();
    });
}

SendSession::~SendSession() {
    // A run that logged nothing leaves no bell.log behind.
    if (!m_state.sendLog.logLines().empty())
        m_state.sendLog.FlushLog();
    m_port.close();
}

void SendSession::say(const QString& text) const {
    m_ctx.err << text.toStdString() << "\n";
}

bool SendSession::waitUntil(const ReserveTime& target) {
    if (m_terminated)
        return false;
    if (target.reachedAt(m_state.localTime()))
        return true;
    QEventLoop loop;
    QTimer check;
    bool reached = false;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (target.reachedAt(m_state.localTime())) {
            reached = true;
            loop.quit();
        }
    });
    check.start(kTimeCheckMs);
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return reached;
}

SendResult SendSession::send(SendJob::Kind kind) {
    QEventLoop loop;
    std::unique_ptr<SendJob> job;
    QtTimerHost timers([&](int id) { job->onTimer(id); });
    SendJob::Display display;
    display.statusChanged = [this](CallStatus status) { say(callStatusLabel(status)); };
    display.counterChanged = [this](const std::string& counter) { m_ctx.err << counter << "\n"; };
    display.showWarning = [this](const std::string& text) { say(callWarningText(text)); };
    // Leave the loop after the timer callback that ended the call has returned.
    display.finished = [&loop](const SendResult&) {
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
    };
    job = std::make_unique<SendJob>(m_state, m_port, timers, display, kind);
    if (job->start()) {
        m_job = job.get();
        loop.exec();
        m_job = nullptr;
    }
    const SendResult result =
        job->result().value_or(SendResult{SendOutcome::Cancelled, SendFailure::None, {}});
    if (result.failure == SendFailure::LineFailed)
        m_ctx.err << "tonalink-cli: the line failed during the call"
                  << (result.lineReason.empty() ? "" : ": " + cp932::toUtf8Lossy(result.lineReason))
                  << "\n";
    return result;
}

} // namespace tonalink::cli
