// The registered messages, the custom command buttons and the command view.
#include "form_fixture.h"
#include "ui/dialogs/command_view_dlg.h"
#include "ui/dialogs/msg_list_dlg.h"
#include "ui/form/form_ids.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/qt_text.h"

#include <QClipboard>

using namespace tonalink;
using namespace tonalink::test;
namespace id = tonalink::form_id;

namespace {

// Records like the test main's boxes, and gives yes/no questions `answer`.
struct AnsweringBoxes : RecordingMessageBoxes {
    MsgAnswer show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& caption) override {
        RecordingMessageBoxes::show(parent, text, icon, buttons, caption);
        return buttons == MsgButtons::YesNo ? answer : MsgAnswer::Ok;
    }
    MsgAnswer answer = MsgAnswer::Yes;
};

class MessageListTest : public FormTest {
protected:
    void configure() override { settings.CustomCommand2 = "98"; }
    void SetUp() override {
        FormTest::SetUp();
        setMessageBoxService(&boxes);
        choose(id::kPagerType, utf8("フリーワード標準"));
    }
    void TearDown() override {
        setMessageBoxService(&messageBoxes());
        FormTest::TearDown();
    }
    QPlainTextEdit* message() const { return control<QPlainTextEdit>(id::kMessage); }

    AnsweringBoxes boxes;
};

TEST_F(MessageListTest, AddingRefusesTheTwentyFirstAndWhatCannotBeSentAndAsksFirst) {
    const auto box = [](const char* text, MsgIcon icon) { return ShownMessage{utf8(text), icon}; };
    const ShownMessage asked =
        box("現在のメッセージ欄の\nメッセージを登録しますか？", MsgIcon::Question);
    const auto refused = [&box](const char* text) { return box(text, MsgIcon::Stop); };
    const auto told = [&box](const char* text) { return box(text, MsgIcon::Information); };
    const std::tuple<std::size_t, const char*, MsgAnswer, std::vector<ShownMessage>> cases[] = {
        {19, "ｱｲ", MsgAnswer::Yes, {asked, told("登録されました。")}},
        {19, "ｱｲ", MsgAnswer::No, {asked, told("登録はキャンセルされました。")}},
        {20, "", MsgAnswer::Yes, {refused("リストへの登録は、最大20個です。")}},
        {0, "", MsgAnswer::Yes, {refused("ﾒｯｾｰｼﾞ欄に、文字列がありません。")}},
        {0, "漢", MsgAnswer::Yes, {refused("errorの時は登録できません。")}},
        {0, "😀", MsgAnswer::Yes, {refused("errorの時は登録できません。")}}, // not CP932
    };
    for (const auto& [registered, text, answer, shown] : cases) {
        settings.UserMsgList.assign(registered, "a");
        std::vector<std::string> expected = settings.UserMsgList;
        if (shown.size() == 2 && answer == MsgAnswer::Yes)
            expected.push_back(*toCp932(utf8(text)));
        message()->setPlainText(utf8(text));
        boxes.shown.clear();
        boxes.answer = answer;
        ASSERT_TRUE(commands.dispatch(cmd::kAddToMessageList));
        EXPECT_EQ(boxes.shown, shown) << text;
        EXPECT_EQ(settings.UserMsgList, expected);
    }
}

// The list c A b shows sorted with A selected; the message is XY with the caret after X.
TEST_F(MessageListTest, OnlyOkKeepsDeletionsAndTheChoiceGoesInAsOneUndoableEdit) {
    const std::tuple<int, bool, int, std::vector<std::string>, const char*> cases[] = {
        {cmd::kInsertFromMessageList, true, CMsgListDlg::kCancel, {"c", "A", "b"}, "XY"},
        {cmd::kInsertFromMessageList, true, CMsgListDlg::kOk, {"b", "c"}, "XbY"},
        {cmd::kReplaceWithMessageList, false, CMsgListDlg::kOk, {"A", "b", "c"}, "A"},
    };
    for (const auto& [command, deleteFirst, closeWith, kept, result] : cases) {
        settings.UserMsgList = {"c", "A", "b"};
        message()->setPlainText(QStringLiteral("XY"));
        QTextCursor caret(message()->document());
        caret.setPosition(1);
        message()->setTextCursor(caret);
        whenModalOpens<CMsgListDlg>([del = deleteFirst, close = closeWith](CMsgListDlg* dialog) {
            if (del)
                QTest::mouseClick(GetDlgItem(dialog, CMsgListDlg::kDelete), Qt::LeftButton);
            QTest::mouseClick(GetDlgItem(dialog, close), Qt::LeftButton);
        });
        ASSERT_TRUE(commands.dispatch(command));
        EXPECT_EQ(settings.UserMsgList, kept);
        EXPECT_EQ(message()->toPlainText(), QString::fromLatin1(result));
        message()->undo();
        EXPECT_EQ(message()->toPlainText(), QStringLiteral("XY"));
    }
}

TEST_F(MessageListTest, CustomButtonAppendsItsMarkerAndTheViewCopiesEveryPartWithItsLineEnd) {
    chooseIndex(id::kMessageMode, 0); // a marker is a command only beside fixed phrases
    message()->setPlainText(utf8("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ"));
    QTest::mouseClick(control(id::kCustom2), Qt::LeftButton);
    EXPECT_EQ(message()->toPlainText(), utf8("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ<2>"));
    EXPECT_EQ(message()->textCursor().position(), 19);
    EXPECT_EQ(text(id::kCount), QStringLiteral("38/30"));
    ASSERT_EQ(encoder.LastPart, 1);
    whenModalOpens<CCommandViewDlg>([](CCommandViewDlg* dialog) {
        QTest::mouseClick(GetDlgItem(dialog, CCommandViewDlg::kCopyAll), Qt::LeftButton);
        QTest::mouseClick(GetDlgItem(dialog, CCommandViewDlg::kClose), Qt::LeftButton);
    });
    QTest::mouseClick(control(id::kView), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              fromCp932(encoder.MsgParts[0] + "\r\n" + encoder.MsgParts[1] + "\r\n"));
}

} // namespace
