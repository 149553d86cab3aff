#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace tonalink {

class TypeEditDocument;

// Every key of the type being edited with what it means. Each change goes into
// the document at once.
class CTypeKeysForm : public QWidget {
    Q_OBJECT
public:
    explicit CTypeKeysForm(TypeEditDocument& document, QWidget* parent = nullptr);

    void showType(const std::string& type);

signals:
    void edited();

private:
    void write(const char* key, const QString& value);

    struct Field {
        const char* key;
        QLineEdit* edit = nullptr;  // text and number keys
        QCheckBox* check = nullptr; // switches
    };
    TypeEditDocument& document_;
    std::string type_;
    std::vector<Field> fields_;
};

} // namespace tonalink
