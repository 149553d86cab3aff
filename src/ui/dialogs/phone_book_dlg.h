#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace tonalink {

class PhoneBook;

// The phone-book picker (template 111): the callees of maddress.dat in a sorted
// list, the chosen one's pager type and call number on the information line.
// Accepted with the chosen name, or with an empty name when none was chosen.
class CPhoneBookDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kList = 129;
    static constexpr int kInfo = 272;
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    // Locates the phone book and fills the list; a missing file is reported here.
    explicit CPhoneBookDlg(PhoneBook& phoneBook, QWidget* parent = nullptr);

    void accept() override;
    // The name chosen with OK, as CP932 bytes.
    const std::string& selectedName() const { return m_selectedName; }

private:
    void OnInitDialog();
    void OnSelChange();

    PhoneBook& m_phoneBook;
    QListWidget* m_list = nullptr;
    QLabel* m_info = nullptr;
    QPushButton* m_ok = nullptr;
    std::string m_selectedName;
};

} // namespace tonalink
