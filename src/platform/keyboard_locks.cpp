#include "platform/keyboard_locks.h"

#include <QDir>
#include <QFile>

namespace tonalink {

namespace {

bool anyLightOn(const QDir& leds, const QString& pattern) {
    for (const QString& name : leds.entryList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile brightness(leds.filePath(name + QStringLiteral("/brightness")));
        if (brightness.open(QIODevice::ReadOnly) && brightness.read(8).trimmed().toInt() > 0)
            return true;
    }
    return false;
}

} // namespace

KeyboardLocks readKeyboardLocks() {
    const QDir leds(QStringLiteral("/sys/class/leds"));
    if (!leds.exists())
        return {};
    return {anyLightOn(leds, QStringLiteral("*::capslock")),
            anyLightOn(leds, QStringLiteral("*::kana"))};
}

} // namespace tonalink
