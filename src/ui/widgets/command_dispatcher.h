#pragma once

#include <QObject>
#include <functional>
#include <map>

namespace tonalink {

// Routes numeric command ids (menus, accelerators, tool bar, posted commands) to
// the handlers that windows register. A command without a handler is disabled,
// as the framework greys items nobody handles.
class CommandDispatcher : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using Enabler = std::function<bool()>;

    // Registers `handler` for `id` while `owner` lives (replacing any earlier one).
    // `enabled`, when given, is asked whenever the command's items are refreshed.
    void setHandler(int id, QObject* owner, Handler handler, Enabler enabled = {});
    void removeHandler(int id);

    bool hasHandler(int id) const { return m_entries.count(id) != 0; }
    bool isEnabled(int id) const;

    // Runs the handler now; false when the command is unhandled or disabled.
    bool dispatch(int id);
    // Runs it later from the event loop, as a posted command message.
    void post(int id);

signals:
    void handlersChanged();

private:
    struct Entry {
        QObject* owner = nullptr;
        Handler handler;
        Enabler enabled;
    };
    void removeOwner(QObject* owner);

    std::map<int, Entry> m_entries;
};

} // namespace tonalink
