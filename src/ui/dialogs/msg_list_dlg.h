#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace tonalink {

// The registered message list (template 121): the messages in a sorted list, one
// to choose, and deletion. Only OK (or a double click) keeps the list as shown,
// deletions and the sorted order included.
class CMsgListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kList = 152;
    static constexpr int kDelete = 151;
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    // `messages` are CP932 texts; OK rewrites them in the shown order.
    explicit CMsgListDlg(std::vector<std::string>& messages, QWidget* parent = nullptr);

    void accept() override;
    // The message selected at OK, as CP932 bytes; empty when none was selected.
    const std::string& chosenMessage() const { return m_chosenMessage; }

private:
    void OnInitDialog();
    void OnDelete();

    std::vector<std::string>& m_messages;
    QListWidget* m_list = nullptr;
    std::string m_chosenMessage;
};

} // namespace tonalink
