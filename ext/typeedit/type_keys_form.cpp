#include "type_keys_form.h"

#include "core/pagerdata/pager_type_editing.h"
#include "type_edit_document.h"
#include "type_edit_texts.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tonalink {
namespace {

QString validPattern(PagerTypeKeyKind kind) {
    switch (kind) {
    case PagerTypeKeyKind::Digits:
        return QStringLiteral("[0-9*#,]{0,99}");
    case PagerTypeKeyKind::Number:
        return QStringLiteral("-?[0-9]{0,9}");
    case PagerTypeKeyKind::OneByte:
        return QStringLiteral("[!-~\\x{FF61}-\\x{FF9F}]?");
    case PagerTypeKeyKind::Switch:
        break;
    }
    return {};
}

} // namespace

CTypeKeysForm::CTypeKeysForm(TypeEditDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const PagerTypeKey& key : kPagerTypeKeys) {
        Field field{key.name.data()};
        const QString name = QString::fromLatin1(field.key);
        auto* label = new QLabel(name, this);
        QWidget* editor = nullptr;
        if (key.kind == PagerTypeKeyKind::Switch) {
            field.check = new QCheckBox(this);
            connect(field.check, &QCheckBox::clicked, this,
                    [this, k = field.key](bool on) { write(k, on ? "1" : "0"); });
            editor = field.check;
        } else {
            field.edit = new QLineEdit(this);
            field.edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(validPattern(key.kind)), field.edit));
            connect(field.edit, &QLineEdit::textEdited, this,
                    [this, k = field.key](const QString& text) { write(k, text); });
            editor = field.edit;
        }
        editor->setObjectName(name);
        label->setBuddy(editor);
        grid->addWidget(label, row, 0);
        grid->addWidget(editor, row, 1);
        grid->addWidget(new QLabel(typeedit::keyMeaning(key.name), this), row, 2);
        fields_.push_back(field);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
}

void CTypeKeysForm::showType(const std::string& type) {
    type_ = type;
    for (const Field& f : fields_) {
        if (f.check)
            f.check->setChecked(document_.number(type, f.key) != 0);
        else
            f.edit->setText(fromCp932(document_.value(type, f.key)));
    }
    setEnabled(!type.empty());
}

void CTypeKeysForm::write(const char* key, const QString& value) {
    const auto bytes = toCp932(value);
    const ProfileError e = bytes ? document_.setValue(type_, key, *bytes) : ProfileError::BadValue;
    if (e != ProfileError::None) {
        messageBox(typeedit::errorText(e), MsgIcon::Exclamation);
        showType(type_);
        return;
    }
    emit edited();
}

} // namespace tonalink
