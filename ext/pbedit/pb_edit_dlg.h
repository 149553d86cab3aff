#pragma once

#include "core/pagerdata/edited_profile.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace tonalink {

class CCalleeForm;
class FileDialogService;

// The phone-book editor over one maddress.dat: the callees in file order on
// the left, the selected callee's fields on the right. Every edit goes at once
// into a working copy of the file's bytes; saving replaces the file atomically,
// after asking when someone else changed it in the meantime.
class CPbEditDlg : public QDialog {
    Q_OBJECT
public:
    // maddress.dat in `dir` (empty: the current folder) whatever the case of
    // its name, an absent one created on saving; pager types from call.dat
    // there. nullopt with `error` when the phone book cannot be read.
    static std::unique_ptr<CPbEditDlg> open(const std::string& dir,
                                            const std::array<std::string, 4>& groupNames,
                                            FileDialogService& files, ProfileError* error);

    const ProfileFile& file() const { return edited_.file(); }
    const std::string& path() const { return edited_.path(); }
    // Also true while a field holds a value the file could not take.
    bool modified() const { return edited_.modified() || !refused_.isEmpty(); }
    QListWidget* callees() const { return list_; }
    CCalleeForm* form() const { return form_; }

    bool addCallee(const QString& name);
    bool save();
    void importCsv();
    void exportCsv();
    void done(int result) override;

private:
    CPbEditDlg(std::string dir, EditedProfile edited, const std::vector<std::string>& pagerTypes,
               const std::array<std::string, 4>& groupNames, FileDialogService& files);
    void fillList(int select);
    void showCurrent();
    void formEdited();
    void askAdd();
    void rename();
    void remove();
    void move(int delta);
    // A value the file refused is still in a field: true when the user lets it go.
    bool leaveRefusedValue();
    void setRefused(const QString& reason);
    void updateTitle();
    bool report(ProfileError error);

    std::string dir_;
    EditedProfile edited_;
    FileDialogService& files_;
    QListWidget* list_;
    CCalleeForm* form_;
    QLabel* refusal_;
    std::vector<std::size_t> rows_;    // the section of each list row
    std::optional<std::size_t> shown_; // the section the form shows
    int shownRow_ = -1;
    QString refused_; // why the last edit could not go into the file
};

} // namespace tonalink
