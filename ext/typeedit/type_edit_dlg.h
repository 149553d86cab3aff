#pragma once

#include "type_edit_document.h"

#include <QDialog>
#include <array>
#include <string>

class QListWidget;
class QPushButton;
class QTabWidget;

namespace tonalink {

class CEntryListPage;
class CTryItBox;
class CTypeKeysForm;

// The pager-type editor's window over one call.dat: the types on the left, the
// selected type's keys and lists on the right, the try-it box below.
class CTypeEditDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTypeEditDlg(TypeEditDocument document, QWidget* parent = nullptr);

    const TypeEditDocument& document() const { return document_; }
    // The selected type's name, CP932; empty when none is.
    std::string currentType() const;
    bool selectType(const std::string& name);
    CEntryListPage* listPage(PagerTypeList list) const;
    CTryItBox* tryIt() const { return tryIt_; }
    QTabWidget* tabs() const { return tabs_; }

    bool save();
    void done(int result) override;

private:
    void fillTypes(const std::string& select);
    void showCurrentType();
    void typeEdited();
    void updateTitle();
    void addType();
    void copyType();
    void renameType();
    void deleteType();
    // Asks for a type name; empty when the user gave up.
    std::string askName(const QString& label, const QString& initial);
    bool report(ProfileError error);

    TypeEditDocument document_;
    QListWidget* types_;
    QTabWidget* tabs_;
    CTypeKeysForm* keys_;
    std::array<CEntryListPage*, 3> lists_{};
    CTryItBox* tryIt_;
    std::array<QPushButton*, 3> typeButtons_{}; // copy, rename, delete
};

} // namespace tonalink
