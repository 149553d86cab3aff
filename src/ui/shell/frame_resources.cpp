#include "ui/shell/frame_resources.h"

#include "ui/widgets/command_ids.h"

#include <algorithm>
#include <array>

namespace tonalink {

namespace {

using namespace cmd;

constexpr MenuItemText kFileItems[] = {
    {kCreateShortcut, "ｼｮｰﾄｶｯﾄ作成(&S)", "Ctrl+S"},
    {0, nullptr, nullptr},
    {kOpenLog, "ﾛｸﾞをｵｰﾌﾟﾝ(&O)", "Ctrl+L"},
    {0, nullptr, nullptr},
    {kExtension, "拡張機能(&E)", nullptr},
    {0, nullptr, nullptr},
    {kExitMenu, "終了(&X)", nullptr},
};

constexpr MenuItemText kEditItems[] = {
    {kEditUndo, "アンドゥ(&U)", "Ctrl+Z"},
    {0, nullptr, nullptr},
    {kEditCut, "切り取り(&T)", "Ctrl+X"},
    {kEditCopy, "コピー(&C)", "Ctrl+C"},
    {kEditPaste, "貼り付け(&P)", "Ctrl+V"},
    {0, nullptr, nullptr},
    // The caption shows Ctrl+Shift+A, but the accelerator is Ctrl+Shift+C.
    {kAddToMessageList, "ﾘｽﾄにﾒｯｾｰｼﾞを追加(&A)", "Ctrl+Shift+A"},
    {kInsertFromMessageList, "ﾘｽﾄのﾒｯｾｰｼﾞを挿入", "Ctrl+Shift+V"},
    {kReplaceWithMessageList, "ﾘｽﾄのﾒｯｾｰｼﾞと置換え", nullptr},
};

constexpr MenuItemText kSettingsItems[] = {
    {kModemSettings, "ﾓﾃﾞﾑ/回線の設定(&M)...", "Ctrl+M"},
    {kPhoneBookSettings, "電話帳の設定(&A)...", "Ctrl+A"},
    {kPagerTypeSettings, "呼出機種の設定(&P)...", "Ctrl+P"},
    {0, nullptr, nullptr},
    {kOptions, "ｵﾌﾟｼｮﾝ(&O)...", "Ctrl+O"},
};

constexpr MenuItemText kViewItems[] = {
    {kViewToolBar, "ツールバー(&T)", nullptr},
    {kViewStatusBar, "ステータス バー(&S)", nullptr},
};

constexpr MenuItemText kHelpItems[] = {
    {kHelpIndex, "目次(&C)", nullptr},           {kHelpFinder, "トピック(&T)", nullptr},
    {kHelpUsing, "ヘルプの使い方(&H)", nullptr}, {0, nullptr, nullptr},
    {kAppAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", nullptr},
};

constexpr MenuPopupText kMenu[] = {
    {"ﾌｧｲﾙ(&F)", kFileItems}, {"編集(&E)", kEditItems}, {"設定(&S)", kSettingsItems},
    {"表示(&V)", kViewItems}, {"ﾍﾙﾌﾟ(&H)", kHelpItems},
};

constexpr Accelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_A, kPhoneBookSettings},
    {Qt::CTRL | Qt::Key_C, kEditCopy},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_C, kAddToMessageList},
    {Qt::CTRL | Qt::Key_L, kOpenLog},
    {Qt::CTRL | Qt::Key_M, kModemSettings},
    {Qt::CTRL | Qt::Key_O, kOptions},
    {Qt::CTRL | Qt::Key_P, kPagerTypeSettings},
    {Qt::CTRL | Qt::ALT | Qt::Key_R, kLoadShortcutAndSend},
    {Qt::CTRL | Qt::Key_S, kCreateShortcut},
    {Qt::CTRL | Qt::Key_V, kEditPaste},
    {Qt::CTRL | Qt::Key_X, kEditCut},
    {Qt::CTRL | Qt::Key_Z, kEditUndo},
};

constexpr int kToolBar[] = {
    kCreateShortcut,
    kOpenLog,
    0,
    kEditUndo,
    kEditCut,
    kEditCopy,
    kEditPaste,
    0,
    kAddToMessageList,
    kInsertFromMessageList,
    kReplaceWithMessageList,
    0,
    kModemSettings,
    kPhoneBookSettings,
    kPagerTypeSettings,
    kOptions,
    0,
    kExitMenu,
    kAppAbout,
};

constexpr CommandPrompt kPrompts[] = {
    {kPhoneBookSettings, "電話帳の設定", "電話帳"},
    {kPagerTypeSettings, "呼出機種の各種設定", "呼出機種"},
    {kOpenLog, "送信ﾛｸﾞﾌｧｲﾙのｵｰﾌﾟﾝ", "LOGｵｰﾌﾟﾝ"},
    {kModemSettings, "ﾓﾃﾞﾑ/回線の設定", "ﾓﾃﾞﾑ"},
    {kExitMenu, "Tonalinkを終了", "終了"},
    {kOptions, "ｵﾌﾟｼｮﾝ設定", "ｵﾌﾟｼｮﾝ"},
    {kCreateShortcut, "ｼｮｰﾄｶｯﾄﾌｧｲﾙの作成", "ｼｮｰﾄｶｯﾄ作成"},
    {kExtension, "拡張機能を使う", ""},
    {kAddToMessageList, "ﾒｯｾｰｼﾞ登録ﾘｽﾄに追加", "ﾘｽﾄにﾒｯｾｰｼﾞを追加"},
    {kInsertFromMessageList, "登録ﾘｽﾄからﾒｯｾｰｼﾞを挿入", "ﾘｽﾄから挿入"},
    {kReplaceWithMessageList, "登録ﾘｽﾄのﾒｯｾｰｼﾞと置き換え", "ﾘｽﾄのﾒｯｾｰｼﾞと置換え"},
    {kEditCopy, "ﾒｯｾｰｼﾞ欄からｺﾋﾟｰ", "ｺﾋﾟｰ"},
    {kEditCut, "ﾒｯｾｰｼﾞ欄から切り取り", "切り取り"},
    {kEditPaste, "ﾒｯｾｰｼﾞ欄に貼り付け", "貼り付け"},
    {kEditUndo, "ﾒｯｾｰｼﾞ欄のやり直し", "やり直し"},
    {kAppAbout, "ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝの表示", "ﾊﾞｰｼﾞｮﾝ"},
    {kAppExit, "TONALINK を終了します", "終了"},
    {kHelpIndex, "ﾍﾙﾌﾟ項目を表示", ""},
    {kHelpUsing, "ﾍﾙﾌﾟの使い方", ""},
    {kViewToolBar, "ﾂｰﾙﾊﾞｰの表示/非表示", ""},
    {kViewStatusBar, "ｽﾃｰﾀｽﾊﾞｰの表示/非表示", ""},
};

} // namespace

std::span<const MenuPopupText> frameMenu() {
    return kMenu;
}
std::span<const Accelerator> frameAccelerators() {
    return kAccelerators;
}
std::span<const int> frameToolBarButtons() {
    return kToolBar;
}
std::span<const CommandPrompt> commandPrompts() {
    return kPrompts;
}

const CommandPrompt* findCommandPrompt(int id) {
    const auto it = std::find_if(std::begin(kPrompts), std::end(kPrompts),
                                 [id](const CommandPrompt& p) { return p.id == id; });
    return it == std::end(kPrompts) ? nullptr : &*it;
}

} // namespace tonalink
