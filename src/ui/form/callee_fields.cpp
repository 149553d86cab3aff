#include "ui/form/callee_fields.h"

#include "core/pagerdata/pager_type.h"
#include "core/pagerdata/phone_book.h"
#include "ui/form/form_controls.h"

namespace tonalink {
namespace {

void enableOrEmpty(QLineEdit* field, bool taken) {
    if (!taken) {
        field->clear();
    }
    field->setEnabled(taken);
}

} // namespace

void adaptCalleeFieldsToType(const FormControls& form, const PagerType& type) {
    enableOrEmpty(form.centreNumber, type.PbOrPhsSw != 0);
    enableOrEmpty(form.password, type.PassWordSw != 0);
}

void clearCalleeFields(const FormControls& form, const PagerType& type) {
    form.callNumber->clear();
    form.centreNumber->clear();
    form.password->clear();
    form.centreNumber->setEnabled(type.PbOrPhsSw != 0);
    form.password->setEnabled(type.PassWordSw != 0);
}

void releasePhoneBookEntry(const FormControls& form, PhoneBook& phoneBook) {
    if (form.calleeCaption->text().isEmpty()) {
        return;
    }
    form.pagerType->setEnabled(true);
    form.centreNumber->setEnabled(true);
    phoneBook.PbEntryName.clear();
    form.calleeCaption->clear();
}

void swapSendButtons(const FormControls& form) {
    const bool hasNumber = !form.callNumber->text().isEmpty();
    form.send->setEnabled(hasNumber);
    form.reserve->setEnabled(hasNumber);
    form.broadcast->setEnabled(!hasNumber);
}

} // namespace tonalink
