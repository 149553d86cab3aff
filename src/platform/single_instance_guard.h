#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace tonalink {

// Decides whether this process is the user's first running copy of the program and
// lets a later copy bring that one to the front. A lock file in the user's runtime
// folder decides without races; a local socket beside it carries the request.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // `name` names the lock and the socket (the program's module name).
    explicit SingleInstanceGuard(const QString& name, QObject* parent = nullptr);

    // True when this process now holds the lock and listens for later copies.
    // The lock is kept until the process ends.
    bool acquire();
    bool isPrimary() const { return m_primary; }

    // From a later copy: asks the running one to show itself. Gives up after
    // timeoutMs; false when no running copy answered.
    bool notifyRunningInstance(int timeoutMs = 2000) const;

    QString lockPath() const { return m_dir + QLatin1Char('/') + m_name + QStringLiteral(".lock"); }
    QString serverPath() const {
        return m_dir + QLatin1Char('/') + m_name + QStringLiteral(".socket");
    }

signals:
    // A later copy asked this one to come to the front.
    void activationRequested();

private:
    void onNewConnection();

    QString m_name;
    QString m_dir;
    QLockFile m_lock;
    QLocalServer m_server;
    bool m_primary = false;
};

} // namespace tonalink
