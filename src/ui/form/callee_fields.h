#pragma once

namespace tonalink {

class PhoneBook;
struct FormControls;
struct PagerType;

// The rules that tie the callee fields to the pager type, the phone book entry
// and the send buttons.

// Centre number and password follow the loaded type: enabled when the type takes
// them, otherwise emptied and disabled.
void adaptCalleeFieldsToType(const FormControls& form, const PagerType& type);

// Empties call number, centre number and password; the centre number and the
// password are enabled exactly when the type takes them.
void clearCalleeFields(const FormControls& form, const PagerType& type);

// The number is being typed by hand: an applied phone-book entry no longer holds,
// so the pager type and the centre number can be chosen again.
void releasePhoneBookEntry(const FormControls& form, PhoneBook& phoneBook);

// Send and Reserve need a call number; Broadcast only goes without one.
void swapSendButtons(const FormControls& form);

} // namespace tonalink
