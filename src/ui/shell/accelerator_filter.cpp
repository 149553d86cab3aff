#include "ui/shell/accelerator_filter.h"

#include "ui/widgets/command_dispatcher.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tonalink {

AcceleratorFilter::AcceleratorFilter(QWidget* window, std::span<const Accelerator> table,
                                     CommandDispatcher& commands)
    : QObject(window), m_window(window), m_table(table), m_commands(commands) {
    QCoreApplication::instance()->installEventFilter(this);
}

AcceleratorFilter::~AcceleratorFilter() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

int AcceleratorFilter::commandFor(QKeyCombination keys) const {
    for (const Accelerator& a : m_table) {
        if (a.keys == keys)
            return a.id;
    }
    return 0;
}

bool AcceleratorFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int id = commandFor(QKeyCombination(mods, Qt::Key(key->key())));
    if (id == 0)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Claim the key so no widget shortcut takes it; the press comes next.
        event->accept();
        return true;
    }
    m_commands.dispatch(id);
    return true;
}

} // namespace tonalink
