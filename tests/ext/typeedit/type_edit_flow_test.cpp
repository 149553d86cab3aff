#include "core/encoder/encoder.h"
#include "core/pagerdata/pager_type_catalog.h"
#include "cp932_text.h"
#include "entry_list_page.h"
#include "entry_table_model.h"
#include "temp_dir.h"
#include "try_it_box.h"
#include "type_edit_dlg.h"
#include "ui/widgets/message_box_service.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace tonalink;

namespace {

// Answers every box with the next answer and records its text.
struct AnsweringBoxes : MessageBoxService {
    std::vector<MsgAnswer> answers;
    QStringList shown;
    MsgAnswer show(QWidget*, const QString& text, MsgIcon, MsgButtons, const QString&) override {
        shown << text;
        const MsgAnswer a = answers.empty() ? MsgAnswer::Ok : answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return a;
    }
};

// `bytes` with the first `from` after `start` replaced.
std::string replacedAfter(std::string bytes, const std::string& start, const std::string& from,
                          const std::string& to) {
    const std::size_t at = bytes.find(from, bytes.find(start));
    return bytes.replace(at, from.size(), to);
}

TEST(TypeEditFlow, AFreeWordAddedAndSavedIsWhatTheProgramLoadsAndEncodes) {
    test::TempDir dir;
    dir.copyFrom(std::string(TONALINK_SAMPLE_DATA_DIR) + "/call.dat", "call.dat");
    const std::string before = dir.read("call.dat");
    ProfileError error = ProfileError::None;
    auto document = TypeEditDocument::open(dir.path.string(), &error);
    ASSERT_TRUE(document);
    CTypeEditDlg dlg(std::move(*document));
    dlg.show();
    const std::string type = test::cp932Bytes("フリーワード標準");
    ASSERT_TRUE(dlg.selectType(type));

    // Add a free word at the end: insert with no row selected, then fill it in.
    CEntryListPage* page = dlg.listPage(PagerTypeList::FreeWords);
    dlg.tabs()->setCurrentWidget(page);
    page->view()->setCurrentIndex({});
    QTest::mouseClick(page->findChild<QPushButton*>("insert"), Qt::LeftButton);
    QAbstractItemModel* table = page->view()->model();
    ASSERT_EQ(table->rowCount(), 372);
    table->setData(table->index(371, CEntryTableModel::CodeColumn), "99");
    table->setData(table->index(371, CEntryTableModel::TextColumn), QStringLiteral("〒"));
    EXPECT_EQ(table->index(371, CEntryTableModel::WarningColumn).data().toString(), QString());

    dlg.tryIt()->sample()->setText(QStringLiteral("〒/12"));
    QTest::mouseClick(dlg.findChild<QPushButton*>("save"), Qt::LeftButton);
    EXPECT_FALSE(dlg.document().modified());

    // Every byte but the count and the new line is as it was.
    const std::string header = test::cp932Bytes("[フリーワード標準]");
    std::string expected =
        replacedAfter(before, header, "FreeWordCnt=371\r\n", "FreeWordCnt=372\r\n");
    const std::string last = test::cp932Bytes("Fe370=[88]　\r\n");
    expected = replacedAfter(expected, header, last, last + test::cp932Bytes("Fe371=[99]〒\r\n"));
    EXPECT_EQ(dir.read("call.dat"), expected);

    PagerTypeCatalog catalog(dir.path.string());
    ASSERT_EQ(catalog.ListPagerTypes(false), 0);
    catalog.LoadPagerType(type);
    ASSERT_EQ(catalog.PagerType.FreeWords.size(), 372u);
    EXPECT_EQ(catalog.PagerType.FreeWords.back().raw, test::cp932Bytes("[99]〒"));
    const std::string message = test::cp932Bytes("〒/12");
    for (int32_t mode = 0; mode < 4; ++mode) {
        Encoder encoder;
        const int32_t count = encoder.Encode({catalog.PagerType, message, mode});
        const QTableWidget* shown = dlg.tryIt()->results();
        const QString countText =
            count < 0 ? QStringLiteral("error") : QStringLiteral("%1/30").arg(count);
        EXPECT_EQ(shown->item(mode, 0)->text(), countText) << mode;
        if (count >= 0) {
            EXPECT_EQ(shown->item(mode, 2)->text().toStdString(), encoder.EncodedMsg) << mode;
        }
    }
    EXPECT_EQ(dlg.tryIt()->results()->item(0, 2)->text(), QStringLiteral("*2*299*4*412"));

    // An unsaved change is asked about: Cancel keeps the window, No drops it.
    AnsweringBoxes boxes;
    boxes.answers = {MsgAnswer::Cancel, MsgAnswer::No};
    setMessageBoxService(&boxes);
    QTest::mouseClick(page->findChild<QPushButton*>("delete"), Qt::LeftButton);
    dlg.reject();
    EXPECT_TRUE(dlg.isVisible());
    dlg.reject();
    EXPECT_FALSE(dlg.isVisible());
    setMessageBoxService(nullptr);
    EXPECT_EQ(boxes.shown, QStringList({QStringLiteral("変更を保存しますか？"),
                                        QStringLiteral("変更を保存しますか？")}));
    EXPECT_EQ(dir.read("call.dat"), expected);
}

TEST(TypeEditFlow, CalleesFollowARenamedOrDeletedTypeWhenCallDatIsSaved) {
    test::TempDir dir;
    dir.write("call.dat", "[T]\r\n[U]\r\n");
    const std::string book = "[A]\r\nPbType=t\r\n[B]\r\nPbType=T\r\n[C]\r\nPbType=U\r\n";
    dir.write("maddress.dat", book);
    auto document = TypeEditDocument::open(dir.path.string(), nullptr);
    EXPECT_EQ(document->calleesOfType("T"), 2u); // the form matches ignoring case
    ASSERT_EQ(document->renameType("T", "V"), ProfileError::None);
    document->retypeCalleesOnSave("T", "V");
    ASSERT_EQ(document->deleteType("U"), ProfileError::None);
    document->retypeCalleesOnSave("U", "V");
    EXPECT_EQ(dir.read("maddress.dat"), book);
    ASSERT_EQ(document->save(), ProfileError::None);
    EXPECT_EQ(dir.read("call.dat"), "[V]\r\n");
    EXPECT_EQ(dir.read("maddress.dat"),
              "[A]\r\nPbType=V\r\n[B]\r\nPbType=V\r\n[C]\r\nPbType=V\r\n");
}

} // namespace
