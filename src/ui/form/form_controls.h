#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tonalink {

class ChoiceBox;

// The controls of the main form (template 101), created as children of `form`
// in template order and laid out to read well at the default size. Every control
// carries its id (control_id.h).
struct FormControls {
    Q_DECLARE_TR_FUNCTIONS(FormControls)

public:
    QLabel* calleeCaption = nullptr;       // 107
    QLineEdit* callNumber = nullptr;       // 108, at most 20 characters typed
    QLineEdit* centreNumber = nullptr;     // 110
    QLabel* passwordLabel = nullptr;       // 227
    QLineEdit* password = nullptr;         // 226, at most 4 characters typed
    QPushButton* phoneBook = nullptr;      // 127
    QPushButton* clearCallee = nullptr;    // 116
    QComboBox* pagerType = nullptr;        // 268, sorted drop-down list
    ChoiceBox* messageMode = nullptr;      // 285
    QLabel* count = nullptr;               // 114
    QPlainTextEdit* message = nullptr;     // 109
    QPlainTextEdit* codePreview = nullptr; // 194, read-only
    QComboBox* phrases = nullptr;          // 152
    QPushButton* addPhrase = nullptr;      // 111
    QPushButton* clearMessage = nullptr;   // 106
    QPushButton* view = nullptr;           // 245
    QPushButton* send = nullptr;           // 104
    QPushButton* reserve = nullptr;        // 165
    QPushButton* broadcast = nullptr;      // 166
    QPushButton* custom[3] = {};           // 257, 258, 259

    static FormControls create(QWidget* form);
};

} // namespace tonalink
