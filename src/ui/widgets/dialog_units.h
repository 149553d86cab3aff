#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace tonalink {

// The Japanese gothic that stands in for "ＭＳ Ｐゴシック" at `pointSize`.
QFont dialogFont(int pointSize);

// Converts dialog-template units to pixels from the font's average character size
// (x: a quarter of the average width of the Latin letters, y: an eighth of the line
// height), so templates keep their proportions and one text line fits 8 units.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    // The template font of a dialog: dialogFont(pointSize).
    static DialogUnits forPointSize(int pointSize) { return DialogUnits(dialogFont(pointSize)); }

    int x(int units) const { return scale(units, m_baseX, 4); }
    int y(int units) const { return scale(units, m_baseY, 8); }
    QRect rect(int x, int y, int w, int h) const;
    QSize size(int w, int h) const { return QSize(x(w), this->y(h)); }

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }

    // Gives `widget` the template position and size (x, y, w, h in dialog units).
    void place(QWidget* widget, int x, int y, int w, int h) const;

private:
    static int scale(int units, int base, int divisor) {
        return (units * base + divisor / 2) / divisor;
    }

    int m_baseX;
    int m_baseY;
};

// Numeric control ids, as templates address their controls.
void setControlId(QWidget* control, int id);
int controlId(const QWidget* control);
// The descendant of `parent` with control id `id`, or null.
QWidget* GetDlgItem(const QWidget* parent, int id);

} // namespace tonalink
