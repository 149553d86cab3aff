// tonalink-pagerd: an SNPP paging gateway. Takes pages from SNPP clients into a
// durable queue and sends them one call at a time on the one line it owns,
// through the same send job, lines and records as the window.
#include "core/app/program_state.h"
#include "core/app/settings_model.h"
#include "page_dispatcher.h"
#include "page_intake.h"
#include "pagerd_options.h"
#include "platform/comm_line.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_timer_host.h"
#include "platform/termination_signals.h"
#include "snpp_server.h"

#include <QCoreApplication>
#include <QTimer>
#include <ctime>
#include <iostream>

using namespace tonalink;
using namespace tonalink::pagerd;

namespace {

enum ExitCode { kExitOk = 0, kExitUsage = 2, kExitFileError = 3 };

void say(const std::string& event) {
    std::cerr << "tonalink-pagerd: " << event << std::endl;
}

int64_t now() {
    return static_cast<int64_t>(std::time(nullptr));
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kPagerdUsage;
        return kExitOk;
    }
    std::string error;
    const std::optional<PagerdOptions> options = parsePagerdOptions(args, &error);
    if (!options) {
        std::cerr << "tonalink-pagerd: " << error << "\n" << kPagerdUsage;
        return kExitUsage;
    }
    QCoreApplication app(argc, argv);

    ProgramState state(options->dir, options->dir,
                       [](SendLogNotice notice, const std::string& detail) {
                           say(notice == SendLogNotice::SizeWarning
                                   ? "bell.log is above 50000 bytes: " + detail
                                   : "the send log could not be written: " + detail);
                       });
    QtSettingsStore settingsStore;
    loadSettings(settingsStore, state.settings);
    Settings& settings = state.settings;
    if (options->port) {
        if (settings.CommPort < 0 || settings.CommPort >= static_cast<int>(settings.Ports.size()))
            settings.CommPort = 0;
        settings.Ports[static_cast<std::size_t>(settings.CommPort)] = *options->port;
    }
    // Records a crash left in the journal reach bell.log before anything is sent.
    state.sendLog.recoverJournal();

    CommLine line(
        settings, [](const QString& text) { say(text.toStdString()); },
        [](bool answers) {
            say(answers ? "the modem answers" : SerialPort::noAnswerText().toStdString());
        });
    const auto openLine = [&] {
        return line.isOpen() || line.open(settings.CommPort, settings.Ports, settingsStore) == 1;
    };
    if (!openLine())
        return kExitFileError;
    std::unique_ptr<PageStore> store = PageStore::open(options->queuePath, true, &error);
    if (!store) {
        say("the queue cannot be opened: " + error);
        return kExitFileError;
    }

    std::unique_ptr<PageDispatcher> dispatcher;
    QtTimerHost timers([&](int id) { dispatcher->onTimer(id); });
    dispatcher = std::make_unique<PageDispatcher>(state, line, timers, *store, now, say, openLine);
    PageIntake intake(options->dir, settings, *store, now, [&](int64_t job) {
        say("job " + std::to_string(job) + " queued");
        // After the reply to SEND has gone out.
        QTimer::singleShot(0, &app, [&] { dispatcher->poke(); });
    });
    SnppServer server(intake, say);
    QString listenError;
    if (!server.listen(options->listenAddress, options->listenPort, &listenError)) {
        say("cannot listen on " + options->listenAddress.toString().toStdString() + ":" +
            std::to_string(options->listenPort) + ": " + listenError.toStdString());
        return kExitFileError;
    }
    say("listening on " + options->listenAddress.toString().toStdString() + ":" +
        std::to_string(server.port()));

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, [&](int) {
        say("stopping");
        dispatcher->stop();
        line.close();
        app.quit();
    });
    dispatcher->start();
    return app.exec();
}
