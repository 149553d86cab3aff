#include "callee_form.h"
#include "core/pagerdata/phone_book.h"
#include "cp932_text.h"
#include "pb_edit_dlg.h"
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
#include <gtest/gtest.h>

using namespace tonalink;

namespace {

struct NoFiles : FileDialogService {
    QString getOpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return {};
    }
};

struct AnsweringBoxes : MessageBoxService {
    QStringList shown;
    MsgAnswer show(QWidget*, const QString& text, MsgIcon, MsgButtons, const QString&) override {
        shown << text;
        return MsgAnswer::No;
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

} // namespace
