#include "ui/shell/frame_resources.h"

#include "ui/widgets/command_ids.h"

#include <QtGlobal>
#include <algorithm>
#include <array>

namespace tonalink {

namespace {

using namespace cmd;

constexpr MenuItemText kFileItems[] = {
    {kCreateShortcut, QT_TRANSLATE_NOOP("Menu", "ｼｮｰﾄｶｯﾄ作成(&S)"), "Ctrl+S"},
    {0, nullptr, nullptr},
    {kOpenLog, QT_TRANSLATE_NOOP("Menu", "ﾛｸﾞをｵｰﾌﾟﾝ(&O)"), "Ctrl+L"},
    {0, nullptr, nullptr},
    {kExtension, QT_TRANSLATE_NOOP("Menu", "拡張機能(&E)"), nullptr},
    {0, nullptr, nullptr},
    {kExitMenu, QT_TRANSLATE_NOOP("Menu", "終了(&X)"), nullptr},
};

constexpr MenuItemText kEditItems[] = {
    {kEditUndo, QT_TRANSLATE_NOOP("Menu", "アンドゥ(&U)"), "Ctrl+Z"},
    {0, nullptr, nullptr},
    {kEditCut, QT_TRANSLATE_NOOP("Menu", "切り取り(&T)"), "Ctrl+X"},
    {kEditCopy, QT_TRANSLATE_NOOP("Menu", "コピー(&C)"), "Ctrl+C"},
    {kEditPaste, QT_TRANSLATE_NOOP("Menu", "貼り付け(&P)"), "Ctrl+V"},
    {0, nullptr, nullptr},
    // The caption shows Ctrl+Shift+A, but the accelerator is Ctrl+Shift+C.
    {kAddToMessageList, QT_TRANSLATE_NOOP("Menu", "ﾘｽﾄにﾒｯｾｰｼﾞを追加(&A)"), "Ctrl+Shift+A"},
    {kInsertFromMessageList, QT_TRANSLATE_NOOP("Menu", "ﾘｽﾄのﾒｯｾｰｼﾞを挿入"), "Ctrl+Shift+V"},
    {kReplaceWithMessageList, QT_TRANSLATE_NOOP("Menu", "ﾘｽﾄのﾒｯｾｰｼﾞと置換え"), nullptr},
};

constexpr MenuItemText kSettingsItems[] = {
    {kModemSettings, QT_TRANSLATE_NOOP("Menu", "ﾓﾃﾞﾑ/回線の設定(&M)..."), "Ctrl+M"},
    {kPhoneBookSettings, QT_TRANSLATE_NOOP("Menu", "電話帳の設定(&A)..."), "Ctrl+A"},
    {kPagerTypeSettings, QT_TRANSLATE_NOOP("Menu", "呼出機種の設定(&P)..."), "Ctrl+P"},
    {0, nullptr, nullptr},
    {kOptions, QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ(&O)..."), "Ctrl+O"},
};

constexpr MenuItemText kViewItems[] = {
    {kViewToolBar, QT_TRANSLATE_NOOP("Menu", "ツールバー(&T)"), nullptr},
    {kViewStatusBar, QT_TRANSLATE_NOOP("Menu", "ステータス バー(&S)"), nullptr},
};

constexpr MenuItemText kHelpItems[] = {
    {kHelpIndex, QT_TRANSLATE_NOOP("Menu", "目次(&C)"), nullptr},
    {kHelpFinder, QT_TRANSLATE_NOOP("Menu", "トピック(&T)"), nullptr},
    {kHelpUsing, QT_TRANSLATE_NOOP("Menu", "ヘルプの使い方(&H)"), nullptr},
    {0, nullptr, nullptr},
    {kAppAbout, QT_TRANSLATE_NOOP("Menu", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."), nullptr},
};

constexpr MenuPopupText kMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "ﾌｧｲﾙ(&F)"), kFileItems},
    {QT_TRANSLATE_NOOP("Menu", "編集(&E)"), kEditItems},
    {QT_TRANSLATE_NOOP("Menu", "設定(&S)"), kSettingsItems},
    {QT_TRANSLATE_NOOP("Menu", "表示(&V)"), kViewItems},
    {QT_TRANSLATE_NOOP("Menu", "ﾍﾙﾌﾟ(&H)"), kHelpItems},
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
    {kPhoneBookSettings, QT_TRANSLATE_NOOP("Menu", "電話帳の設定"),
     QT_TRANSLATE_NOOP("Menu", "電話帳")},
    {kPagerTypeSettings, QT_TRANSLATE_NOOP("Menu", "呼出機種の各種設定"),
     QT_TRANSLATE_NOOP("Menu", "呼出機種")},
    {kOpenLog, QT_TRANSLATE_NOOP("Menu", "送信ﾛｸﾞﾌｧｲﾙのｵｰﾌﾟﾝ"),
     QT_TRANSLATE_NOOP("Menu", "LOGｵｰﾌﾟﾝ")},
    {kModemSettings, QT_TRANSLATE_NOOP("Menu", "ﾓﾃﾞﾑ/回線の設定"),
     QT_TRANSLATE_NOOP("Menu", "ﾓﾃﾞﾑ")},
    {kExitMenu, QT_TRANSLATE_NOOP("Menu", "Tonalinkを終了"), QT_TRANSLATE_NOOP("Menu", "終了")},
    {kOptions, QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ設定"), QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ")},
    {kCreateShortcut, QT_TRANSLATE_NOOP("Menu", "ｼｮｰﾄｶｯﾄﾌｧｲﾙの作成"),
     QT_TRANSLATE_NOOP("Menu", "ｼｮｰﾄｶｯﾄ作成")},
    {kExtension, QT_TRANSLATE_NOOP("Menu", "拡張機能を使う"), ""},
    {kAddToMessageList, QT_TRANSLATE_NOOP("Menu", "ﾒｯｾｰｼﾞ登録ﾘｽﾄに追加"),
     QT_TRANSLATE_NOOP("Menu", "ﾘｽﾄにﾒｯｾｰｼﾞを追加")},
    {kInsertFromMessageList, QT_TRANSLATE_NOOP("Menu", "登録ﾘｽﾄからﾒｯｾｰｼﾞを挿入"),
     QT_TRANSLATE_NOOP("Menu", "ﾘｽﾄから挿入")},
    {kReplaceWithMessageList, QT_TRANSLATE_NOOP("Menu", "登録ﾘｽﾄのﾒｯｾｰｼﾞと置き換え"),
     QT_TRANSLATE_NOOP("Menu", "ﾘｽﾄのﾒｯｾｰｼﾞと置換え")},
    {kEditCopy, QT_TRANSLATE_NOOP("Menu", "ﾒｯｾｰｼﾞ欄からｺﾋﾟｰ"), QT_TRANSLATE_NOOP("Menu", "ｺﾋﾟｰ")},
    {kEditCut, QT_TRANSLATE_NOOP("Menu", "ﾒｯｾｰｼﾞ欄から切り取り"),
     QT_TRANSLATE_NOOP("Menu", "切り取り")},
    {kEditPaste, QT_TRANSLATE_NOOP("Menu", "ﾒｯｾｰｼﾞ欄に貼り付け"),
     QT_TRANSLATE_NOOP("Menu", "貼り付け")},
    {kEditUndo, QT_TRANSLATE_NOOP("Menu", "ﾒｯｾｰｼﾞ欄のやり直し"),
     QT_TRANSLATE_NOOP("Menu", "やり直し")},
    {kAppAbout, QT_TRANSLATE_NOOP("Menu", "ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝの表示"),
     QT_TRANSLATE_NOOP("Menu", "ﾊﾞｰｼﾞｮﾝ")},
    {kAppExit, QT_TRANSLATE_NOOP("Menu", "TONALINK を終了します"),
     QT_TRANSLATE_NOOP("Menu", "終了")},
    {kHelpIndex, QT_TRANSLATE_NOOP("Menu", "ﾍﾙﾌﾟ項目を表示"), ""},
    {kHelpUsing, QT_TRANSLATE_NOOP("Menu", "ﾍﾙﾌﾟの使い方"), ""},
    {kViewToolBar, QT_TRANSLATE_NOOP("Menu", "ﾂｰﾙﾊﾞｰの表示/非表示"), ""},
    {kViewStatusBar, QT_TRANSLATE_NOOP("Menu", "ｽﾃｰﾀｽﾊﾞｰの表示/非表示"), ""},
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
