// tonalink-sipcentre: a stand-in paging centre reached over SIP on loopback. It
// answers every call to the numbers it is given at once, declines the others,
// and logs each call and each DTMF digit it receives (RFC 4733 or SIP INFO) as
// JSON lines with a time in milliseconds. Like the peers users have, it offers
// G.711 only unless told otherwise.

#include "platform/headless_sip_core.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <set>

using namespace tonalink;

namespace {

constexpr char kUsage[] = "usage: tonalink-sipcentre --port PORT [--log FILE] [--opus] NUMBER...\n"
                          "  --port PORT  SIP port (UDP) on 127.0.0.1\n"
                          "  --log FILE   append the records to FILE instead of stdout\n"
                          "  --opus       offer opus before G.711\n"
                          "  NUMBER       a number the centre answers (digits, * and #)\n";
constexpr int kMaxNumberLength = 32;

struct Options {
    quint16 port = 0;
    QString logPath;
    bool opus = false;
    QStringList numbers;
};

bool isNumber(const QString& text) {
    return !text.isEmpty() && text.size() <= kMaxNumberLength &&
           std::all_of(text.begin(), text.end(), [](QChar c) {
               return c.isDigit() || c == QLatin1Char('*') || c == QLatin1Char('#');
           });
}

bool parseOptions(const QStringList& args, Options& options) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--port") && i + 1 < args.size()) {
            bool ok = false;
            const uint port = args[++i].toUInt(&ok);
            if (!ok || port == 0 || port > 65535)
                return false;
            options.port = static_cast<quint16>(port);
        } else if (arg == QStringLiteral("--log") && i + 1 < args.size()) {
            options.logPath = args[++i];
        } else if (arg == QStringLiteral("--opus")) {
            options.opus = true;
        } else if (isNumber(arg)) {
            options.numbers << arg;
        } else {
            return false;
        }
    }
    return options.port != 0 && !options.numbers.isEmpty();
}

// Answers the calls to its numbers and logs what each call brings.
class Centre final : public linphone::CoreListener {
public:
    Centre(QFile& file, QStringList numbers) : m_file(file), m_numbers(std::move(numbers)) {}

    void write(QJsonObject record) {
        record.insert(QStringLiteral("t_ms"), QDateTime::currentMSecsSinceEpoch());
        m_file.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
        m_file.flush();
    }

    void onCallStateChanged(const std::shared_ptr<linphone::Core>& /*core*/,
                            const std::shared_ptr<linphone::Call>& call,
                            linphone::Call::State state, const std::string& /*message*/) override {
        using State = linphone::Call::State;
        const QString id = callId(*call);
        if (state == State::IncomingReceived) {
            const QString number = QString::fromStdString(call->getToAddress()->getUsername());
            write({{QStringLiteral("event"), QStringLiteral("call")},
                   {QStringLiteral("call"), id},
                   {QStringLiteral("number"), number},
                   {QStringLiteral("from"),
                    QString::fromStdString(call->getRemoteAddress()->asString())}});
            if (m_numbers.contains(number))
                call->accept();
            else
                call->decline(linphone::Reason::NotFound);
        } else if (state == State::StreamsRunning && m_answered.insert(id).second) {
            write({{QStringLiteral("event"), QStringLiteral("answered")},
                   {QStringLiteral("call"), id}});
        } else if (state == State::End || state == State::Error) {
            const auto info = call->getErrorInfo();
            write({{QStringLiteral("event"), QStringLiteral("closed")},
                   {QStringLiteral("call"), id},
                   {QStringLiteral("reason"),
                    QString::fromStdString(info ? info->getPhrase() : "")}});
        }
    }

    void onDtmfReceived(const std::shared_ptr<linphone::Core>& /*core*/,
                        const std::shared_ptr<linphone::Call>& call, int dtmf) override {
        write({{QStringLiteral("event"), QStringLiteral("digit")},
               {QStringLiteral("call"), callId(*call)},
               {QStringLiteral("digit"), QString(QChar(dtmf))}});
    }

private:
    static QString callId(linphone::Call& call) {
        return QString::fromStdString(call.getCallLog()->getCallId());
    }

    QFile& m_file;
    QStringList m_numbers;
    std::set<QString> m_answered; // ids of calls answered (a re-INVITE runs the streams again)
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(QCoreApplication::arguments(), options)) {
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
    const auto centre = std::make_shared<Centre>(file, options.numbers);
    SipCoreOptions core;
    core.bindAddress = "127.0.0.1";
    core.udpPort = options.port;
    core.otherCodecs = false;
    if (options.opus)
        core.firstCodecs.insert(core.firstCodecs.begin(), "opus");
    std::string failure;
    const std::unique_ptr<HeadlessSipCore> engine = HeadlessSipCore::start(core, centre, failure);
    if (!engine) {
        std::fprintf(stderr, "tonalink-sipcentre: %s\n", failure.c_str());
        return 1;
    }
    centre->write({{QStringLiteral("event"), QStringLiteral("ready")},
                   {QStringLiteral("port"), options.port}});
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                     [] { QCoreApplication::exit(0); });
    return QCoreApplication::exec();
}
