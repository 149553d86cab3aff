#include "form_fixture.h"
#include "ui/dialogs/phone_book_dlg.h"
#include "ui/form/form_ids.h"
#include "ui/widgets/qt_text.h"

#include <QListWidget>
#include <QPushButton>

using namespace tonalink;
using namespace tonalink::test;
namespace id = tonalink::form_id;

namespace {

QStringList rowsOf(QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) {
        rows << list->item(i)->text();
    }
    return rows;
}

QListWidget* listOf(CPhoneBookDlg* dialog) {
    return qobject_cast<QListWidget*>(GetDlgItem(dialog, CPhoneBookDlg::kList));
}
QString infoOf(CPhoneBookDlg* dialog) {
    return qobject_cast<QLabel*>(GetDlgItem(dialog, CPhoneBookDlg::kInfo))->text();
}
QPushButton* okOf(CPhoneBookDlg* dialog) {
    return qobject_cast<QPushButton*>(GetDlgItem(dialog, CPhoneBookDlg::kOk));
}

} // namespace

class PhoneBookDlgTest : public testing::Test {
protected:
    void SetUp() override { messageBoxes().shown.clear(); }
    PhoneBook phoneBook{TONALINK_SAMPLE_DATA_DIR};
};

TEST_F(PhoneBookDlgTest, ListsTheCalleesSortedAndShowsTheChosenOnesTypeAndNumber) {
    CPhoneBookDlg dialog(phoneBook);
    EXPECT_EQ(dialog.windowTitle(), utf8("電話帳参照"));
    EXPECT_EQ(
        rowsOf(listOf(&dialog)),
        QStringList({utf8("中村 由美"), utf8("伊藤 直子"), utf8("佐藤 花子"), utf8("山田 太郎"),
                     utf8("渡辺 修"), utf8("田中 健"), utf8("鈴木 一郎"), utf8("高橋 美咲")}));
    EXPECT_EQ(infoOf(&dialog), utf8("メッセージを送信したい人を選んでください。"));
    listOf(&dialog)->setCurrentRow(3);
    EXPECT_EQ(infoOf(&dialog), utf8("呼出機種 : フリーワード標準 \n呼出番号 : 02041234567"));

    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedName(), toCp932(utf8("山田 太郎")));
    EXPECT_EQ(phoneBook.PbLastIndex, 3);
}

TEST_F(PhoneBookDlgTest, PreselectsTheLastChoiceWhileItStillExists) {
    phoneBook.PbLastIndex = 5;
    {
        CPhoneBookDlg dialog(phoneBook);
        ASSERT_EQ(listOf(&dialog)->selectedItems().size(), 1);
        EXPECT_EQ(listOf(&dialog)->selectedItems().first()->text(), utf8("田中 健"));
        // Pre-selection is not a choice: the prompt stays.
        EXPECT_EQ(infoOf(&dialog), utf8("メッセージを送信したい人を選んでください。"));
    }
    phoneBook.PbLastIndex = 8;
    CPhoneBookDlg dialog(phoneBook);
    EXPECT_TRUE(listOf(&dialog)->selectedItems().isEmpty());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedName(), "");
    EXPECT_EQ(phoneBook.PbLastIndex, 8);
}

TEST_F(PhoneBookDlgTest, MissingFileLeavesOnlyCancel) {
    QTemporaryDir empty;
    PhoneBook missing(empty.path().toStdString());
    CPhoneBookDlg dialog(missing);
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("電話帳情報ファイルがありません"), MsgIcon::Stop}}));
    EXPECT_EQ(rowsOf(listOf(&dialog)), QStringList({utf8("電話帳データファイルがありません")}));
    EXPECT_FALSE(okOf(&dialog)->isEnabled());
    listOf(&dialog)->setCurrentRow(0);
    emit listOf(&dialog)->itemDoubleClicked(listOf(&dialog)->item(0));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedName(), "");
}

// The picker run from the form: choose `name` (or press OK with nothing chosen,
// or Cancel) while it is open.
class PhoneBookFormTest : public FormTest {
protected:
    void pick(const QString& name) {
        whenModalOpens<CPhoneBookDlg>([name](CPhoneBookDlg* dialog) {
            auto rows = listOf(dialog)->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(rows.size(), 1) << name.toStdString();
            listOf(dialog)->setCurrentItem(rows.first());
            QTest::mouseClick(okOf(dialog), Qt::LeftButton);
        });
        QTest::mouseClick(control(id::kPhoneBook), Qt::LeftButton);
    }
    void cancelPicker() {
        whenModalOpens<CPhoneBookDlg>(
            [](CPhoneBookDlg* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QTest::mouseClick(control(id::kPhoneBook), Qt::LeftButton);
    }
};

TEST_F(PhoneBookFormTest, PickedEntryFillsTheFormUntilTheNumberIsEdited) {
    pick(utf8("山田 太郎"));
    EXPECT_EQ(text(id::kCalleeCaption), utf8("TO 山田 太郎"));
    EXPECT_EQ(text(id::kCallNumber), "02041234567");
    EXPECT_EQ(text(id::kPagerType), utf8("フリーワード標準"));
    EXPECT_FALSE(enabled(id::kPagerType));
    EXPECT_FALSE(enabled(id::kCentreNumber));
    EXPECT_EQ(phoneBook.PbEntryName, toCp932(utf8("山田 太郎")));
    auto* phrases = control<QComboBox>(id::kPhrases);
    ASSERT_EQ(phrases->count(), 10);
    EXPECT_EQ(phrases->itemText(8), utf8("[51]いつもの店で"));
    EXPECT_EQ(phrases->itemText(9), utf8("[52]駅に着いた"));
    EXPECT_EQ(text(id::kCount), "0/30");
    EXPECT_TRUE(enabled(id::kSend));
    EXPECT_EQ(view->focusWidget(), control(id::kMessage));

    // The callee's own phrase encodes like the type's.
    chooseIndex(id::kPhrases, 9);
    QTest::mouseClick(control(id::kAddPhrase), Qt::LeftButton);
    EXPECT_EQ(text(id::kCodePreview), "*3*352");

    typeKeys(control(id::kCallNumber), "9");
    EXPECT_EQ(text(id::kCalleeCaption), "");
    EXPECT_TRUE(enabled(id::kPagerType));
    EXPECT_TRUE(enabled(id::kCentreNumber));
    EXPECT_EQ(phoneBook.PbEntryName, "");
}

TEST_F(PhoneBookFormTest, CentreEntryFillsCentreNumberAndPasswordAndTheNextEntryEmptiesThem) {
    pick(utf8("田中 健"));
    EXPECT_EQ(text(id::kCentreNumber), "0357218840");
    EXPECT_EQ(text(id::kPassword), "4821");
    EXPECT_TRUE(enabled(id::kCentreNumber));
    EXPECT_TRUE(enabled(id::kPassword));

    pick(utf8("佐藤 花子"));
    EXPECT_EQ(text(id::kCalleeCaption), utf8("TO 佐藤 花子"));
    EXPECT_EQ(text(id::kCentreNumber), "");
    EXPECT_EQ(text(id::kPassword), "");
    EXPECT_FALSE(enabled(id::kCentreNumber));
    EXPECT_FALSE(enabled(id::kPassword));
    // Only this callee's own phrase follows the type's eight.
    auto* phrases = control<QComboBox>(id::kPhrases);
    ASSERT_EQ(phrases->count(), 9);
    EXPECT_EQ(phrases->itemText(8), utf8("[53]今から帰るね"));
}

TEST_F(PhoneBookFormTest, CancelDropsTheEntryAndOkWithoutAChoiceChangesNothing) {
    pick(utf8("山田 太郎"));
    whenModalOpens<CPhoneBookDlg>([](CPhoneBookDlg* dialog) {
        listOf(dialog)->clearSelection();
        QTest::mouseClick(okOf(dialog), Qt::LeftButton);
    });
    QTest::mouseClick(control(id::kPhoneBook), Qt::LeftButton);
    EXPECT_EQ(text(id::kCalleeCaption), utf8("TO 山田 太郎"));
    EXPECT_FALSE(phoneBook.PbEntryName.empty());

    cancelPicker();
    EXPECT_EQ(text(id::kCalleeCaption), "");
    EXPECT_EQ(phoneBook.PbEntryName, "");
    EXPECT_EQ(text(id::kCallNumber), "02041234567");
}
