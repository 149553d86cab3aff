#include "core/app/settings_store.h"
#include "recording_services.h"
#include "ui/form/form_view.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/tonalink_app.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/command_ids.h"

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

namespace tonalink {
namespace {

// Qt Test's QTRY macros do not report to GoogleTest: wait, then EXPECT on the result.
bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 2000);
}

// A form with one edit, so keys can come from a focused control as they do on the
// real form.
class EditForm : public CFormView {
public:
    EditForm() : edit(new QLineEdit(this)) { setMinimumSize(300, 200); }
    QLineEdit* edit;
};

class FrameTest : public ::testing::Test {
protected:
    std::unique_ptr<CMainFrame> makeFrame() {
        auto frame = std::make_unique<CMainFrame>(tonalinkApp().commands(), store);
        EXPECT_EQ(frame->OnCreate(), 0);
        form = new EditForm;
        frame->setForm(form);
        return frame;
    }

    // Records every command id dispatched while it lives.
    void recordCommands(std::initializer_list<int> ids) {
        for (int id : ids)
            tonalinkApp().commands().setHandler(id, &recorder, [this, id] { seen.push_back(id); });
    }

    MemorySettingsStore store;
    EditForm* form = nullptr;
    QObject recorder;
    std::vector<int> seen;
};

// Menu: every pop-up and item with its caption, shown shortcut, and prompt.
TEST_F(FrameTest, MenuBarHoldsEveryCaptionShortcutAndPrompt) {
    auto frame = makeFrame();
    QStringList lines;
    for (QAction* popup : frame->menuBar()->actions()) {
        lines << popup->text();
        for (QAction* item : popup->menu()->actions()) {
            lines << (item->isSeparator() ? QStringLiteral("  ---")
                                          : QStringLiteral("  %1 %2 | %3")
                                                .arg(item->data().toInt())
                                                .arg(item->text(), item->statusTip()));
        }
    }
    const QStringList expected = {
        "ﾌｧｲﾙ(&F)",
        "  32777 ｼｮｰﾄｶｯﾄ作成(&S)\tCtrl+S | ｼｮｰﾄｶｯﾄﾌｧｲﾙの作成",
        "  ---",
        "  32771 ﾛｸﾞをｵｰﾌﾟﾝ(&O)\tCtrl+L | 送信ﾛｸﾞﾌｧｲﾙのｵｰﾌﾟﾝ",
        "  ---",
        "  32784 拡張機能(&E) | 拡張機能を使う",
        "  ---",
        "  32775 終了(&X) | Tonalinkを終了",
        "編集(&E)",
        "  57643 アンドゥ(&U)\tCtrl+Z | ﾒｯｾｰｼﾞ欄のやり直し",
        "  ---",
        "  57635 切り取り(&T)\tCtrl+X | ﾒｯｾｰｼﾞ欄から切り取り",
        "  57634 コピー(&C)\tCtrl+C | ﾒｯｾｰｼﾞ欄からｺﾋﾟｰ",
        "  57637 貼り付け(&P)\tCtrl+V | ﾒｯｾｰｼﾞ欄に貼り付け",
        "  ---",
        "  32787 ﾘｽﾄにﾒｯｾｰｼﾞを追加(&A)\tCtrl+Shift+A | ﾒｯｾｰｼﾞ登録ﾘｽﾄに追加",
        "  32788 ﾘｽﾄのﾒｯｾｰｼﾞを挿入\tCtrl+Shift+V | 登録ﾘｽﾄからﾒｯｾｰｼﾞを挿入",
        "  32789 ﾘｽﾄのﾒｯｾｰｼﾞと置換え | 登録ﾘｽﾄのﾒｯｾｰｼﾞと置き換え",
        "設定(&S)",
        "  32772 ﾓﾃﾞﾑ/回線の設定(&M)...\tCtrl+M | ﾓﾃﾞﾑ/回線の設定",
        "  32768 電話帳の設定(&A)...\tCtrl+A | 電話帳の設定",
        "  32770 呼出機種の設定(&P)...\tCtrl+P | 呼出機種の各種設定",
        "  ---",
        "  32776 ｵﾌﾟｼｮﾝ(&O)...\tCtrl+O | ｵﾌﾟｼｮﾝ設定",
        "表示(&V)",
        "  59392 ツールバー(&T) | ﾂｰﾙﾊﾞｰの表示/非表示",
        "  59393 ステータス バー(&S) | ｽﾃｰﾀｽﾊﾞｰの表示/非表示",
        "ﾍﾙﾌﾟ(&H)",
        "  57666 目次(&C) | ﾍﾙﾌﾟ項目を表示",
        "  57667 トピック(&T) | ",
        "  57668 ヘルプの使い方(&H) | ﾍﾙﾌﾟの使い方",
        "  ---",
        "  57664 ﾊﾞｰｼﾞｮﾝ情報(&A)... | ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝの表示",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(FrameTest, ToolBarHasFifteenButtonsWithSeparatorsTipsAndImages) {
    auto frame = makeFrame();
    QStringList buttons;
    QList<qint64> imageKeys;
    for (QAction* action : frame->toolBar()->actions()) {
        if (action->isSeparator()) {
            buttons << QStringLiteral("---");
            continue;
        }
        buttons << QStringLiteral("%1 %2").arg(action->data().toInt()).arg(action->toolTip());
        const QPixmap image = action->icon().pixmap(16, 15);
        EXPECT_EQ(image.size(), QSize(16, 15));
        imageKeys << image.toImage().cacheKey();
    }
    const QStringList expected = {
        "32777 ｼｮｰﾄｶｯﾄ作成",
        "32771 LOGｵｰﾌﾟﾝ",
        "---",
        "57643 やり直し",
        "57635 切り取り",
        "57634 ｺﾋﾟｰ",
        "57637 貼り付け",
        "---",
        "32787 ﾘｽﾄにﾒｯｾｰｼﾞを追加",
        "32788 ﾘｽﾄから挿入",
        "32789 ﾘｽﾄのﾒｯｾｰｼﾞと置換え",
        "---",
        "32772 ﾓﾃﾞﾑ",
        "32768 電話帳",
        "32770 呼出機種",
        "32776 ｵﾌﾟｼｮﾝ",
        "---",
        "32775 終了",
        "57664 ﾊﾞｰｼﾞｮﾝ",
    };
    EXPECT_EQ(buttons, expected);
}

TEST_F(FrameTest, ToolBarImagesAreFifteenDifferentPictures) {
    auto frame = makeFrame();
    QSet<QByteArray> pictures;
    for (QAction* action : frame->toolBar()->actions()) {
        if (action->isSeparator())
            continue;
        const QImage image = action->icon().pixmap(16, 15).toImage();
        pictures.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(pictures.size(), 15);
}

TEST_F(FrameTest, CaptionStatusPanesAndInstanceProperty) {
    auto frame = makeFrame();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("NewMsg - Tonalink with Win32"));
    EXPECT_EQ(frame->property("Tonalink").toInt(), 1);
    EXPECT_EQ(frame->paneText(0), QStringLiteral("ﾚﾃﾞｨ"));
    frame->SetPaneText(3, QStringLiteral("12:34:56"));
    EXPECT_EQ(frame->paneText(3), QStringLiteral("12:34:56"));
    frame->OnUpdateFrameTitle(QStringLiteral("hello.tks"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("hello.tks - Tonalink with Win32"));

    frame->show();
    frame->close();
    EXPECT_FALSE(frame->property("Tonalink").isValid());
}

TEST_F(FrameTest, HighlightedMenuItemShowsItsPromptThenReadyReturns) {
    auto frame = makeFrame();
    recordCommands({cmd::kModemSettings});
    frame->show();
    QMenu* settingsMenu = frame->menuBar()->actions().at(2)->menu();
    settingsMenu->popup(frame->mapToGlobal(QPoint(0, 0)));
    // The arrow key highlights the first item, as the user would.
    QTest::keyClick(settingsMenu, Qt::Key_Down);
    EXPECT_EQ(settingsMenu->activeAction(), frame->commandAction(cmd::kModemSettings));
    EXPECT_TRUE(waitFor([&] { return frame->paneText(0) == QStringLiteral("ﾓﾃﾞﾑ/回線の設定"); }))
        << frame->paneText(0).toStdString();
    settingsMenu->hide();
    EXPECT_TRUE(waitFor([&] { return frame->paneText(0) == QStringLiteral("ﾚﾃﾞｨ"); }))
        << frame->paneText(0).toStdString();
}

TEST_F(FrameTest, CommandsWithoutHandlerAreDisabledUntilOneIsRegistered) {
    auto frame = makeFrame();
    QAction* shortcut = frame->commandAction(cmd::kCreateShortcut);
    EXPECT_FALSE(shortcut->isEnabled());
    {
        QObject owner;
        tonalinkApp().commands().setHandler(cmd::kCreateShortcut, &owner, [] {});
        EXPECT_TRUE(shortcut->isEnabled());
    }
    EXPECT_FALSE(shortcut->isEnabled());
    EXPECT_TRUE(frame->commandAction(cmd::kAppAbout)->isEnabled());
}

struct AcceleratorCase {
    const char* name;
    QKeyCombination keys;
    int expectedId; // 0: no command
};

class AcceleratorTest : public FrameTest, public ::testing::WithParamInterface<AcceleratorCase> {};

TEST_P(AcceleratorTest, KeyInFocusedEditReachesItsCommand) {
    auto frame = makeFrame();
    recordCommands({cmd::kPhoneBookSettings, cmd::kEditCopy, cmd::kAddToMessageList, cmd::kOpenLog,
                    cmd::kModemSettings, cmd::kOptions, cmd::kPagerTypeSettings,
                    cmd::kLoadShortcutAndSend, cmd::kCreateShortcut, cmd::kEditPaste, cmd::kEditCut,
                    cmd::kEditUndo, cmd::kInsertFromMessageList});
    frame->show();
    form->edit->setFocus();
    const AcceleratorCase& c = GetParam();
    QTest::keyClick(form->edit, c.keys.key(), c.keys.keyboardModifiers());
    if (c.expectedId == 0)
        EXPECT_TRUE(seen.empty());
    else
        EXPECT_EQ(seen, std::vector<int>{c.expectedId});
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceleratorTest,
    ::testing::Values(
        AcceleratorCase{"CtrlA", Qt::CTRL | Qt::Key_A, cmd::kPhoneBookSettings},
        AcceleratorCase{"CtrlC", Qt::CTRL | Qt::Key_C, cmd::kEditCopy},
        AcceleratorCase{"CtrlShiftC", Qt::CTRL | Qt::SHIFT | Qt::Key_C, cmd::kAddToMessageList},
        AcceleratorCase{"CtrlL", Qt::CTRL | Qt::Key_L, cmd::kOpenLog},
        AcceleratorCase{"CtrlM", Qt::CTRL | Qt::Key_M, cmd::kModemSettings},
        AcceleratorCase{"CtrlO", Qt::CTRL | Qt::Key_O, cmd::kOptions},
        AcceleratorCase{"CtrlP", Qt::CTRL | Qt::Key_P, cmd::kPagerTypeSettings},
        AcceleratorCase{"CtrlAltR", Qt::CTRL | Qt::ALT | Qt::Key_R, cmd::kLoadShortcutAndSend},
        AcceleratorCase{"CtrlS", Qt::CTRL | Qt::Key_S, cmd::kCreateShortcut},
        AcceleratorCase{"CtrlV", Qt::CTRL | Qt::Key_V, cmd::kEditPaste},
        AcceleratorCase{"CtrlX", Qt::CTRL | Qt::Key_X, cmd::kEditCut},
        AcceleratorCase{"CtrlZ", Qt::CTRL | Qt::Key_Z, cmd::kEditUndo},
        // Shown in the menu, bound to nothing.
        AcceleratorCase{"CtrlShiftAUnbound", Qt::CTRL | Qt::SHIFT | Qt::Key_A, 0},
        AcceleratorCase{"CtrlShiftVUnbound", Qt::CTRL | Qt::SHIFT | Qt::Key_V, 0},
        AcceleratorCase{"PlainLetterUnbound", QKeyCombination(Qt::Key_A), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, AcceleratorsStayOutOfOtherWindows) {
    auto frame = makeFrame();
    recordCommands({cmd::kEditCopy});
    frame->show();
    QDialog dialog(frame.get());
    auto* edit = new QLineEdit(&dialog);
    dialog.show();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(seen.empty());
}

TEST_F(FrameTest, FreshStoreShowsBothBarsChecked) {
    auto frame = makeFrame();
    EXPECT_TRUE(frame->toolBar()->isVisibleTo(frame.get()));
    EXPECT_TRUE(frame->statusBarWindow()->isVisibleTo(frame.get()));
    EXPECT_TRUE(frame->commandAction(cmd::kViewToolBar)->isChecked());
    EXPECT_TRUE(frame->commandAction(cmd::kViewStatusBar)->isChecked());
}

TEST_F(FrameTest, BarVisibilityRoundTripsThroughTheStore) {
    {
        auto frame = makeFrame();
        frame->show();
        tonalinkApp().commands().dispatch(cmd::kViewToolBar);
        EXPECT_FALSE(frame->commandAction(cmd::kViewToolBar)->isChecked());
        frame->close();
    }
    EXPECT_EQ(store.readBarSet().ToolBar, 0);
    EXPECT_EQ(store.readBarSet().StatusBar, 1);

    auto frame = makeFrame();
    EXPECT_TRUE(frame->toolBar()->isHidden());
    EXPECT_FALSE(frame->commandAction(cmd::kViewToolBar)->isChecked());
    EXPECT_TRUE(frame->commandAction(cmd::kViewStatusBar)->isChecked());
    // Shown again and closed: written back as visible.
    tonalinkApp().commands().dispatch(cmd::kViewToolBar);
    tonalinkApp().commands().dispatch(cmd::kViewStatusBar);
    frame.reset();
    EXPECT_EQ(store.readBarSet().ToolBar, 1);
    EXPECT_EQ(store.readBarSet().StatusBar, 0);
}

// With no extension library on the search path the command says so, nothing more.
TEST_F(FrameTest, ExtensionCommandWithoutItsLibrarySaysItIsNotInstalled) {
    apptest::messageBoxes().shown.clear();
    tonalinkApp().commands().dispatch(cmd::kExtension);
    EXPECT_EQ(
        apptest::messageBoxes().shown,
        std::vector<apptest::ShownBox>({{QString::fromUtf8("拡張DLLがインストールされていません。"),
                                         MsgIcon::None, MsgButtons::Ok, kProgramTitle}}));
}

} // namespace
} // namespace tonalink
