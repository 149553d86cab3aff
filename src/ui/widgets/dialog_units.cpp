#include "ui/widgets/dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

namespace tonalink {

namespace {

const char* const kControlIdProperty = "controlId";

} // namespace

QFont dialogFont(int pointSize) {
    QFont font(QStringLiteral("Noto Sans CJK JP"), pointSize);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The system's own measure: the width of the 52 Latin letters, averaged and rounded.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = qMax(1, (letters + 26) / 52);
    m_baseY = qMax(1, metrics.height());
}

QRect DialogUnits::rect(int x, int y, int w, int h) const {
    return QRect(this->x(x), this->y(y), this->x(w), this->y(h));
}

void DialogUnits::place(QWidget* widget, int x, int y, int w, int h) const {
    widget->setGeometry(rect(x, y, w, h));
}

void setControlId(QWidget* control, int id) {
    control->setProperty(kControlIdProperty, id);
    control->setObjectName(QString::number(id));
}

int controlId(const QWidget* control) {
    return control->property(kControlIdProperty).toInt();
}

QWidget* GetDlgItem(const QWidget* parent, int id) {
    for (QWidget* child : parent->findChildren<QWidget*>()) {
        if (controlId(child) == id)
            return child;
    }
    return nullptr;
}

} // namespace tonalink
