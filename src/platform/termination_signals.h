#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tonalink {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop, so the
// program can close its window as the close box does and run its exit sequence.
// One object at a time; the default handlers return when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isInstalled() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void onReadable();

    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace tonalink
