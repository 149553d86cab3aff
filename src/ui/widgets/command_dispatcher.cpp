#include "ui/widgets/command_dispatcher.h"

#include <QMetaObject>
#include <algorithm>

namespace tonalink {

void CommandDispatcher::setHandler(int id, QObject* owner, Handler handler, Enabler enabled) {
    const bool ownerKnown = std::any_of(m_entries.begin(), m_entries.end(),
                                        [owner](const auto& e) { return e.second.owner == owner; });
    m_entries[id] = Entry{owner, std::move(handler), std::move(enabled)};
    if (owner && !ownerKnown)
        connect(owner, &QObject::destroyed, this, [this, owner] { removeOwner(owner); });
    emit handlersChanged();
}

void CommandDispatcher::removeHandler(int id) {
    if (m_entries.erase(id))
        emit handlersChanged();
}

void CommandDispatcher::removeOwner(QObject* owner) {
    std::erase_if(m_entries, [owner](const auto& e) { return e.second.owner == owner; });
    emit handlersChanged();
}

bool CommandDispatcher::isEnabled(int id) const {
    const auto it = m_entries.find(id);
    return it != m_entries.end() && (!it->second.enabled || it->second.enabled());
}

bool CommandDispatcher::dispatch(int id) {
    if (!isEnabled(id))
        return false;
    // Copy: the handler may replace or remove itself.
    const Handler handler = m_entries.at(id).handler;
    handler();
    return true;
}

void CommandDispatcher::post(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { dispatch(id); }, Qt::QueuedConnection);
}

} // namespace tonalink
