// Shortcut documents on the form: making one, loading one to send, and the
// automatic send of an opened one.
#include "core/app/program_state.h"
#include "form_fixture.h"
#include "ui/dialogs/call_dlg.h"
#include "ui/form/form_ids.h"
#include "ui/form/tonalink_doc.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/qt_text.h"

using namespace tonalink;
using namespace tonalink::test;
namespace id = tonalink::form_id;

namespace {

const QString kYamada = utf8("山田 太郎");

class ShortcutFlowTest : public FormTest {
protected:
    void configure() override { settings.PhoneType = 1; } // tone dialling
    void SetUp() override {
        FormTest::SetUp();
        view->setDocument(&document);
        for (int command : {cmd::kFileSaveAs, cmd::kFileNew, cmd::kFileOpen})
            commands.setHandler(command, &owner, [this, command] { posted.push_back(command); });
    }
    void TearDown() override {
        view->setDocument(nullptr);
        FormTest::TearDown();
    }
    // The entry as the phone-book picker applies it.
    void pickYamada() {
        ASSERT_TRUE(phoneBook.LocatePhoneBook());
        view->ApplyPhoneBookEntry(*toCp932(kYamada));
        phoneBook.PbEntryName = *toCp932(kYamada);
    }

    CTonalinkDoc document;
    QObject owner;
    std::vector<int> posted;
};

} // namespace

TEST_F(ShortcutFlowTest, CreateRefusesWhatCannotBeSentAndOtherwiseAsksWhereToSave) {
    struct Case {
        const char* name;
        bool fromPhoneBook;
        const char* number;
        const char* message;
        const char* refusal; // nullptr: saved
    };
    const Case cases[] = {
        {"Unencodable", true, "02041234567", "漢", "ｴﾗｰ時はｼｮｰﾄｶｯﾄを作成出来ません。"},
        {"TypedCallee", false, "02041234567", "アイ",
         "電話帳に登録されていないとｼｮｰﾄｶｯﾄを作成出来ません。"},
        {"NoNumber", true, "", "アイ", "呼出番号が未入力です"},
        {"NoMessage", true, "02041234567", "", "ﾒｯｾｰｼﾞが未入力です"},
        {"Saved", true, "02041234567", "アイ", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        document.shortcut = ShortcutDocument{};
        phoneBook.PbEntryName.clear();
        choose(id::kPagerType, utf8("フリーワード標準"));
        if (c.fromPhoneBook)
            pickYamada();
        // Typing the number by hand releases a picked entry; set it as the picker would.
        control<QLineEdit>(id::kCallNumber)->blockSignals(true);
        control<QLineEdit>(id::kCallNumber)->setText(utf8(c.number));
        control<QLineEdit>(id::kCallNumber)->blockSignals(false);
        control<QPlainTextEdit>(id::kMessage)->setPlainText(utf8(c.message));
        chooseIndex(id::kMessageMode, 2);
        messageBoxes().shown.clear();
        posted.clear();
        ASSERT_TRUE(commands.dispatch(cmd::kCreateShortcut));
        QCoreApplication::processEvents();
        if (c.refusal) {
            EXPECT_EQ(messageBoxes().shown,
                      std::vector<ShownMessage>({{utf8(c.refusal), MsgIcon::Stop}}));
            EXPECT_TRUE(posted.empty());
            EXPECT_TRUE(document.shortcut.message.empty());
        } else {
            EXPECT_TRUE(messageBoxes().shown.empty());
            EXPECT_EQ(posted, std::vector<int>({cmd::kFileSaveAs}));
            EXPECT_EQ(fromCp932(document.shortcut.entryName), kYamada);
            EXPECT_EQ(fromCp932(document.shortcut.message), utf8("アイ"));
            EXPECT_EQ(document.shortcut.modeA, 0u);
            EXPECT_EQ(document.shortcut.modeB, 1u);
        }
    }
}

TEST_F(ShortcutFlowTest, LoadAndSendEmptiesTheDocumentThenAsksForNewAndOpen) {
    document.shortcut = ShortcutDocument{"x", "y", 1, 2, 1};
    ASSERT_TRUE(commands.dispatch(cmd::kLoadShortcutAndSend));
    QCoreApplication::processEvents();
    EXPECT_EQ(posted, std::vector<int>({cmd::kFileNew, cmd::kFileOpen}));
    EXPECT_EQ(document.shortcut.entryName + document.shortcut.message, "");
    EXPECT_EQ(document.shortcut.modeA + document.shortcut.modeB, 0u);
}

TEST_F(ShortcutFlowTest, OpenedShortcutFillsTheFormAndSendsOnTheThirdTick) {
    // A file whose stored applied flag is not 0 is read but never put into the form.
    document.shortcut = ShortcutDocument{*toCp932(kYamada), *toCp932(utf8("アイ")), 0, 1, 7};
    view->OnInitialUpdate();
    for (int tick = 0; tick < 5; ++tick)
        ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_EQ(text(id::kCalleeCaption), "");
    EXPECT_TRUE(modemLines().empty());

    document.shortcut.applied = 0;
    view->OnInitialUpdate();
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_EQ(document.shortcut.applied, 1u);
    EXPECT_EQ(text(id::kCalleeCaption), utf8("to ") + kYamada);
    EXPECT_EQ(text(id::kMessage), utf8("アイ"));
    EXPECT_EQ(text(id::kCallNumber), "02041234567");
    EXPECT_EQ(control<QComboBox>(id::kMessageMode)->currentIndex(), 2);
    EXPECT_EQ(fromCp932(phoneBook.PbEntryName), kYamada);

    for (int tick = 0; tick < 2; ++tick)
        ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_TRUE(modemLines().empty());
    messageBoxes().shown.clear();
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_EQ(modemLines().front(), "ATDT02041234567;\r\n");
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("送信を終了しました。"), MsgIcon::Information}}));
    ASSERT_EQ(sendLog.logLines().size(), 1u);
    EXPECT_NE(sendLog.logLines()[0].find(*toCp932(kYamada)), std::string::npos);
}
