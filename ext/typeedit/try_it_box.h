#pragma once

#include "core/pagerdata/pager_type.h"

#include <QGroupBox>

class QLineEdit;
class QTableWidget;

namespace tonalink {

// A sample message encoded with the type as edited, in every message mode.
class CTryItBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CTryItBox(QWidget* parent = nullptr);

    void setType(PagerType type);
    QLineEdit* sample() const { return sample_; }
    QTableWidget* results() const { return results_; }

private:
    void refresh();

    PagerType type_;
    QLineEdit* sample_;
    QTableWidget* results_;
};

} // namespace tonalink
