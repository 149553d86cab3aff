#pragma once

#include "core/pagerdata/profile_file.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace tonalink {

class CCalleeForm;
class FileDialogService;

// The phone-book editor over one maddress.dat: the callees in file order on
// the left, the selected callee's fields on the right. Every edit goes at once
// into a working copy of the file's bytes; saving replaces the file atomically.
class CPbEditDlg : public QDialog {
    Q_OBJECT
public:
    // maddress.dat in `dir` (empty: the current folder) whatever the case of
    // its name, an absent one created on saving; pager types from call.dat
    // there. nullopt with `error` when the phone book cannot be read.
    static std::unique_ptr<CPbEditDlg> open(const std::string& dir,
                                            const std::array<std::string, 4>& groupNames,
                                            FileDialogService& files, ProfileError* error);

    const ProfileFile& file() const { return file_; }
    const std::string& path() const { return path_; }
    bool modified() const { return file_.bytes() != saved_; }
    QListWidget* callees() const { return list_; }
    CCalleeForm* form() const { return form_; }

    bool addCallee(const QString& name);
    bool save();
    void importCsv();
    void exportCsv();
    void done(int result) override;

private:
    CPbEditDlg(std::string path, ProfileFile file, const std::vector<std::string>& pagerTypes,
               const std::array<std::string, 4>& groupNames, FileDialogService& files);
    void fillList(int select);
    void showCurrent();
    void formEdited();
    void askAdd();
    void rename();
    void remove();
    void move(int delta);
    void updateTitle();
    bool report(ProfileError error);

    std::string path_;
    std::string saved_;
    ProfileFile file_;
    FileDialogService& files_;
    QListWidget* list_;
    CCalleeForm* form_;
    std::string shown_; // the callee the form shows, CP932
};

} // namespace tonalink
