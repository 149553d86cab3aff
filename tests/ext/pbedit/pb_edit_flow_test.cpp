#include "callee_form.h"
#include "child_process.h"
#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/phone_book.h"
#include "cp932_text.h"
#include "open_editor.h"
#include "pb_edit_dlg.h"
#include "platform/single_instance_guard.h"
#include "temp_dir.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"
#include "widget_host.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

using namespace tonalink;

namespace {

struct NoFiles : FileDialogService {
    QString name;      // what the user picks
    QString startedIn; // where the open dialog started
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString& dir) override {
        startedIn = dir;
        return name;
    }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return name;
    }
};

struct AnsweringBoxes : MessageBoxService {
    QStringList shown;
    std::deque<MsgAnswer> answers; // then No
    MsgAnswer show(QWidget*, const QString& text, MsgIcon, MsgButtons, const QString&) override {
        shown << text;
        const MsgAnswer a = answers.empty() ? MsgAnswer::No : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return a;
    }
};

QPushButton* buttonNamed(const QWidget& in, const QString& text) {
    for (QPushButton* b : in.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

TEST(ComponentHost, QtsOwnTextsAreJapaneseInTheComponentsWindow) {
    QString cancel;
    runWithWidgetApplication(
        "test", [&] { cancel = QCoreApplication::translate("QPlatformTheme", "Cancel"); });
    EXPECT_EQ(cancel, QStringLiteral("キャンセル"));
}

TEST(PbEditFlow, ACalleeAddedAndSavedIsWhatThePhoneBookReads) {
    test::TempDir dir;
    dir.copyFrom(std::string(TONALINK_SAMPLE_DATA_DIR) + "/maddress.dat", "maddress.dat");
    dir.copyFrom(std::string(TONALINK_SAMPLE_DATA_DIR) + "/call.dat", "call.dat");
    const std::string before = dir.read("maddress.dat");
    NoFiles files;
    AnsweringBoxes boxes;
    setMessageBoxService(&boxes);
    ProfileError error = ProfileError::None;
    auto dlg = CPbEditDlg::open(dir.path.string(),
                                {test::cp932Bytes("家族"), "B", "C", test::cp932Bytes("会社")},
                                files, &error);
    ASSERT_TRUE(dlg);
    dlg->show();
    const int callees = dlg->callees()->count();
    ASSERT_TRUE(dlg->addCallee(QStringLiteral("新人 一郎")));
    EXPECT_FALSE(dlg->addCallee(QStringLiteral("新人 一郎"))); // taken, reported
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("同じ名前の人がすでにいます。")});
    EXPECT_EQ(dlg->callees()->currentRow(), callees);

    CCalleeForm* form = dlg->form();
    form->pagerType()->setCurrentIndex(1);
    const QString type = form->pagerType()->currentText();
    QTest::keyClicks(form->callNumber(), "0201-5");
    // Shown beside the field, saved all the same.
    QTest::keyClicks(form->password(), "12345");
    EXPECT_EQ(form->findChild<QLabel*>("callNoCheck")->text(),
              QStringLiteral("0-9 * # , 以外の文字"));
    EXPECT_EQ(form->findChild<QLabel*>("passwordCheck")->text(), QStringLiteral("長すぎます"));
    form->group()->setCurrentIndex(4);
    EXPECT_EQ(form->group()->currentText(), QStringLiteral("4: 会社"));
    QTest::mouseClick(buttonNamed(*form, QStringLiteral("定型文を追加(&I)")), Qt::LeftButton);
    form->phrases()->item(0, 0)->setText(QStringLiteral("51"));
    form->phrases()->item(0, 1)->setText(QStringLiteral("了解"));
    QTest::mouseClick(buttonNamed(*dlg, QStringLiteral("保存(&S)")), Qt::LeftButton);
    EXPECT_FALSE(dlg->modified());

    PhoneBook book(dir.path.string());
    ASSERT_EQ(book.ListPhoneBook(), 0);
    ASSERT_EQ(book.PhoneBookNames.size(), static_cast<std::size_t>(callees + 1));
    const std::string name = test::cp932Bytes("新人 一郎");
    EXPECT_EQ(book.PhoneBookNames.back(), name);
    const PhoneBookEntry got = book.ReadPhoneBookEntry(name);
    EXPECT_EQ(got.PbType, toCp932(type).value());
    EXPECT_EQ(got.PbCallNo, "0201-5");
    EXPECT_EQ(got.PbPassWord, "12345");
    EXPECT_EQ(got.MsgGroup, 4);
    EXPECT_EQ(got.UserPhrases, std::vector<std::string>{test::cp932Bytes("[51]了解")});
    // The file before the new callee is untouched.
    EXPECT_EQ(dir.read("maddress.dat").substr(0, before.size()), before);

    // An unsaved change is asked about on close; No drops it.
    boxes.shown.clear();
    QTest::mouseClick(buttonNamed(*dlg, QStringLiteral("↑")), Qt::LeftButton);
    EXPECT_EQ(dlg->callees()->currentRow(), callees - 1);
    EXPECT_TRUE(dlg->modified());
    dlg->reject();
    setMessageBoxService(nullptr);
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("変更を保存しますか？")});
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(book.ReadEntryNames().back(), name);
}

class PbEditFile : public testing::Test {
protected:
    PbEditFile() { setMessageBoxService(&boxes); }
    ~PbEditFile() override { setMessageBoxService(nullptr); }
    std::unique_ptr<CPbEditDlg> open(const std::string& book) {
        dir.write("maddress.dat", book);
        auto dlg = CPbEditDlg::open(dir.path.string(), {"A", "B", "C", "D"}, files, nullptr);
        dlg->show();
        return dlg;
    }
    test::TempDir dir;
    NoFiles files;
    AnsweringBoxes boxes;
};

TEST_F(PbEditFile, EditsReachTheChosenSectionAndARefusedValueStaysUnsavedWork) {
    const std::string book = "[A]\r\nPbCallNo=1\r\n[a]\r\nPbCallNo=2\r\nUserSetFormCnt=1\r\n"
                             "US00=[]text\r\n";
    auto dlg = open(book);
    EXPECT_EQ(dlg->callees()->item(1)->text(), QStringLiteral("a （重複）"));
    dlg->callees()->setCurrentRow(1);
    QTest::keyClicks(dlg->form()->password(), "9");
    // The second section, its phrase with an empty code kept as written.
    EXPECT_EQ(dlg->file().bytes(), "[A]\r\nPbCallNo=1\r\n[a]\r\nPbCallNo=2\r\nUserSetFormCnt=1\r\n"
                                   "US00=[]text\r\nPbPassWord=9\r\n");
    const std::string good = dlg->file().bytes();

    dlg->form()->callNumber()->setText(QString(100, QLatin1Char('1'))); // pasted
    EXPECT_EQ(dlg->file().bytes(), good);
    EXPECT_TRUE(dlg->modified());
    EXPECT_FALSE(dlg->save());
    dlg->callees()->setCurrentRow(0); // asked to drop the value: No
    EXPECT_EQ(dlg->callees()->currentRow(), 1);
    boxes.answers = {MsgAnswer::Yes};
    dlg->callees()->setCurrentRow(0);
    EXPECT_EQ(dlg->callees()->currentRow(), 0);
    EXPECT_EQ(dir.read("maddress.dat"), book);
}

TEST_F(PbEditFile, SavingOverAChangedFileAsksReloadOverwriteOrCancel) {
    auto dlg = open("[A]\r\n");
    const std::string theirs = "[A]\r\n[Theirs]\r\n";
    ASSERT_TRUE(dlg->addCallee(QStringLiteral("Mine")));
    dir.write("maddress.dat", theirs);
    boxes.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(dlg->save());
    EXPECT_EQ(dir.read("maddress.dat"), theirs);
    boxes.answers = {MsgAnswer::No}; // overwrite
    EXPECT_TRUE(dlg->save());
    EXPECT_EQ(dir.read("maddress.dat"), "[A]\r\n[Mine]\r\n");
    dir.write("maddress.dat", theirs);
    ASSERT_TRUE(dlg->addCallee(QStringLiteral("Later")));
    boxes.answers = {MsgAnswer::Yes}; // reload
    EXPECT_FALSE(dlg->save());
    EXPECT_EQ(dlg->file().bytes(), theirs);
    EXPECT_FALSE(dlg->modified());
}

TEST_F(PbEditFile, ImportListsTheRowsLeftOutAndExportSaysWhenItIsDone) {
    auto dlg = open("[A]\r\n");
    files.name = QString::fromStdString(dir.write("in.csv", "Name,PbCallNo\r\n江口,1\r\n,2\r\n"));
    dlg->importCsv();
    EXPECT_EQ(files.startedIn, QString::fromStdString(dir.path.string()));
    auto* problems = dlg->findChild<QListWidget*>("problems");
    ASSERT_NE(problems, nullptr);
    EXPECT_EQ(problems->item(0)->text(), QStringLiteral("3 行目: 名前がありません"));
    EXPECT_EQ(dlg->callees()->item(1)->text(), QStringLiteral("江口"));

    files.name = QString::fromStdString(dir.file("out.csv"));
    dlg->exportCsv();
    EXPECT_EQ(dir.read("out.csv"), exportCallees(dlg->file()));
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("2 人を書き出しました。\n") + files.name});
}

TEST(PbEditProgram, ASecondStartForTheSameFolderRaisesTheFirstAndEnds) {
    test::TempDir dir;
    const std::map<std::string, std::string> env = {{"QT_QPA_PLATFORM", "offscreen"}};
    const test::RunResult help = test::run({PBEDIT_PROGRAM, "--help"}, env);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.substr(0, 27), "usage: pbedit [--dir DIR]\nT");

    // This process holds the folder as an open editor does.
    SingleInstanceGuard first(pbEditInstanceName(dir.path.string()));
    ASSERT_TRUE(first.acquire());
    bool raised = false;
    QObject::connect(&first, &SingleInstanceGuard::activationRequested, [&] { raised = true; });
    const test::RunResult second =
        test::run({PBEDIT_PROGRAM, "--dir", dir.path.string()}, env, std::chrono::seconds(10));
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised; }, 3000));
}

} // namespace
