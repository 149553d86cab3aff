#include "ui/widgets/program_icon.h"

namespace tonalink {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tonalink-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tonalink
