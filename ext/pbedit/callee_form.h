#pragma once

#include "core/pagerdata/phone_book.h"

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tonalink {

// The fields of one callee, each check shown beside its field. Emits edited()
// on every change the user makes.
class CCalleeForm : public QWidget {
    Q_OBJECT
public:
    CCalleeForm(const std::vector<std::string>& pagerTypes,
                const std::array<std::string, 4>& groupNames, QWidget* parent = nullptr);

    void showEntry(const PhoneBookEntry& entry);
    // The fields as entered; the reason when they cannot be (empty when they can).
    QString collect(PhoneBookEntry& entry) const;

    QComboBox* pagerType() const { return type_; }
    QLineEdit* callNumber() const { return callNo_; }
    QLineEdit* centreNumber() const { return phsNo_; }
    QLineEdit* password() const { return password_; }
    QComboBox* group() const { return group_; }
    QTableWidget* phrases() const { return phrases_; }

signals:
    void edited();

private:
    void check();
    void addPhrase();
    void removePhrase();

    QComboBox* type_;
    QLineEdit* callNo_;
    QLabel* callNoCheck_;
    QLineEdit* phsNo_;
    QLabel* phsNoCheck_;
    QLineEdit* password_;
    QLabel* passwordCheck_;
    QComboBox* group_;
    QTableWidget* phrases_;
    QLabel* phraseCount_;
    bool filling_ = false;
};

} // namespace tonalink
