#pragma once

#include "ui/shell/frame_resources.h"

#include <QObject>
#include <span>

class QWidget;

namespace tonalink {

class CommandDispatcher;

// The frame's accelerator table. Like the system's accelerator translation it sees
// a key before the focused control does, for every control inside `window`, and
// turns a listed key into its command; keys in other windows (dialogs) pass.
class AcceleratorFilter : public QObject {
    Q_OBJECT
public:
    AcceleratorFilter(QWidget* window, std::span<const Accelerator> table,
                      CommandDispatcher& commands);
    ~AcceleratorFilter() override;

    // The command bound to `keys`, or 0.
    int commandFor(QKeyCombination keys) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::span<const Accelerator> m_table;
    CommandDispatcher& m_commands;
};

} // namespace tonalink
