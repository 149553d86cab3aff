// tonalink-sipcentre: a stand-in paging centre reached over SIP on loopback. A
// baresip answers every call to the numbers it is given at once and the centre
// logs each call and each DTMF digit it receives as JSON lines with a time in
// milliseconds. baresip 1.0 has no setting that takes calls to any number, so
// the numbers are named on the command line.

#include "platform/baresip_process.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>
#include <cstdio>

using namespace tonalink;

namespace {

constexpr char kUsage[] = "usage: tonalink-sipcentre --port PORT [--log FILE] NUMBER...\n"
                          "  --port PORT  SIP port on 127.0.0.1 (PORT + 1 is taken too)\n"
                          "  --log FILE   append the records to FILE instead of stdout\n"
                          "  NUMBER       a number the centre answers (digits, * and #)\n";
constexpr int kMaxNumberLength = 32;

struct Options {
    quint16 port = 0;
    QString logPath;
    QStringList numbers;
};

bool isNumber(const QString& text) {
    if (text.isEmpty() || text.size() > kMaxNumberLength)
        return false;
    for (QChar c : text)
        if (!c.isDigit() && c != QLatin1Char('*') && c != QLatin1Char('#'))
            return false;
    return true;
}

bool parseOptions(const QStringList& args, Options& options) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--port") && i + 1 < args.size()) {
            bool ok = false;
            const uint port = args[++i].toUInt(&ok);
            if (!ok || port == 0 || port >= 65535)
                return false;
            options.port = static_cast<quint16>(port);
        } else if (arg == QStringLiteral("--log") && i + 1 < args.size()) {
            options.logPath = args[++i];
        } else if (isNumber(arg)) {
            options.numbers << arg;
        } else {
            return false;
        }
    }
    return options.port != 0 && !options.numbers.isEmpty();
}

// The number part of "sip:NUMBER@host".
QString userOf(const QString& uri) {
    const qsizetype at = uri.indexOf(QLatin1Char('@'));
    return uri.mid(4, at < 0 ? -1 : at - 4);
}

class CallLog {
public:
    explicit CallLog(QFile& file) : m_file(file) {}

    void write(QJsonObject record) {
        record.insert(QStringLiteral("t_ms"), QDateTime::currentMSecsSinceEpoch());
        m_file.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
        m_file.flush();
    }

    // One record per call event that matters to a paging centre.
    void onCallEvent(const QJsonObject& event) {
        const QString type = event.value(QStringLiteral("type")).toString();
        const QString call = event.value(QStringLiteral("id")).toString();
        // An auto-answered call may come up without an incoming event.
        if (!m_calls.contains(call)) {
            m_calls.insert(call);
            write({{QStringLiteral("event"), QStringLiteral("call")},
                   {QStringLiteral("call"), call},
                   {QStringLiteral("number"),
                    userOf(event.value(QStringLiteral("accountaor")).toString())},
                   {QStringLiteral("from"), event.value(QStringLiteral("peeruri")).toString()}});
        }
        if (type == QStringLiteral("CALL_ESTABLISHED")) {
            write({{QStringLiteral("event"), QStringLiteral("answered")},
                   {QStringLiteral("call"), call}});
        } else if (type == QStringLiteral("CALL_DTMF_START")) {
            write({{QStringLiteral("event"), QStringLiteral("digit")},
                   {QStringLiteral("call"), call},
                   {QStringLiteral("digit"), event.value(QStringLiteral("param")).toString()}});
        } else if (type == QStringLiteral("CALL_CLOSED")) {
            write({{QStringLiteral("event"), QStringLiteral("closed")},
                   {QStringLiteral("call"), call},
                   {QStringLiteral("reason"), event.value(QStringLiteral("param")).toString()}});
        }
    }

private:
    QFile& m_file;
    QSet<QString> m_calls; // ids seen
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(app.arguments(), options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    QFile file;
    const bool opened = options.logPath.isEmpty()
                            ? file.open(stdout, QIODevice::WriteOnly)
                            : (file.setFileName(options.logPath),
                               file.open(QIODevice::WriteOnly | QIODevice::Append));
    if (!opened) {
        std::fputs("tonalink-sipcentre: cannot open the log\n", stderr);
        return 1;
    }
    CallLog log(file);
    BaresipProcess centre;
    BaresipProcess::Config config;
    config.sipPort = options.port;
    for (const QString& number : options.numbers)
        config.accounts
            << QStringLiteral("<sip:%1@127.0.0.1:%PORT%>;regint=0;answermode=auto").arg(number);
    QObject::connect(&centre, &BaresipProcess::callEvent, &app,
                     [&log](const QJsonObject& event) { log.onCallEvent(event); });
    QObject::connect(&centre, &BaresipProcess::controlReady, &app, [&log, &options] {
        log.write({{QStringLiteral("event"), QStringLiteral("ready")},
                   {QStringLiteral("port"), options.port}});
    });
    QObject::connect(&centre, &BaresipProcess::exited, &app, [] {
        std::fputs("tonalink-sipcentre: baresip ended\n", stderr);
        QCoreApplication::exit(1);
    });
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                     [] { QCoreApplication::exit(0); });
    if (!centre.start(config)) {
        std::fprintf(stderr, "tonalink-sipcentre: cannot start baresip (Debian package %s)\n",
                     qPrintable(BaresipProcess::kPackage));
        return 1;
    }
    const int result = app.exec();
    QObject::disconnect(&centre, &BaresipProcess::exited, &app, nullptr);
    centre.stop();
    return result;
}
