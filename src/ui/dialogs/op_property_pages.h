#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

class QCheckBox;
class QLineEdit;

namespace tonalink {

class FileDialogService;

// The three pages of the options sheet. Each holds its values (CP932 texts and
// 0/1 switches), shows them on construction and takes them back from its
// controls with DoDataExchange(true), false when a box was refused.

// "同報": the names of the four broadcast groups.
class COpPropertyPage1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGroup1 = 251; // .. 254
    static constexpr int kReset = 106;

    explicit COpPropertyPage1(const std::array<std::string, 4>& groups, QWidget* parent = nullptr);
    bool DoDataExchange(bool saveAndValidate);
    void OnResetGroups();

    std::array<std::string, 4> m_groups;

private:
    std::array<QLineEdit*, 4> m_edits{};
};

// "ｶｽﾀﾑｺﾏﾝﾄﾞ": the three custom commands, each with a button that empties it.
class COpPropertyPage2 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClear1 = 257, kClear2 = 261, kClear3 = 262;
    static constexpr int kCommand1 = 258, kCommand2 = 259, kCommand3 = 260;

    explicit COpPropertyPage2(const std::array<std::string, 3>& commands,
                              QWidget* parent = nullptr);
    bool DoDataExchange(bool saveAndValidate);
    void OnClearCommand1();
    void OnClearCommand2();
    void OnClearCommand3();

    std::array<std::string, 3> m_commands;

private:
    std::array<QLineEdit*, 3> m_edits{};
};

// "その他": reserved sending, reverse order, exit after a shortcut, the phone-book
// tool and the program that opens the send log.
class COpPropertyPage3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kReservation = 171;
    static constexpr int kMsgSendC = 193;
    static constexpr int kShoutCutEnd = 217;
    static constexpr int kPbEditExe = 274;
    static constexpr int kEditExeFile = 278;
    static constexpr int kBrowse = 257;

    struct Values {
        int32_t Reservation = 0;
        int32_t MsgSendC = 0;
        int32_t ShoutCutEnd = 0;
        int32_t PbEditExe = 0;
        std::string EditExeFile;
    };

    COpPropertyPage3(const Values& values, FileDialogService& fileDialogs,
                     QWidget* parent = nullptr);
    bool DoDataExchange(bool saveAndValidate);
    void OnBrowseEditor();

    Values m_values;

private:
    FileDialogService& m_fileDialogs;
    QCheckBox* m_reservation = nullptr;
    QCheckBox* m_msgSendC = nullptr;
    QCheckBox* m_shoutCutEnd = nullptr;
    QCheckBox* m_pbEditExe = nullptr;
    QLineEdit* m_editExeFile = nullptr;
};

} // namespace tonalink
