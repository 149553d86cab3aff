#include "core/common/file_io.h"
#include "core/modem/send_log.h"
#include "cp932_text.h"
#include "send_log_view_dlg.h"
#include "temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tonalink;
using tonalink::test::cp932Bytes;
using tonalink::test::TempDir;

namespace {

// Every row of a view, its cells joined by "|".
std::vector<std::string> rowsOf(const QAbstractItemModel* model) {
    std::vector<std::string> rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        rows.push_back(cells.join(QLatin1Char('|')).toStdString());
    }
    return rows;
}

template <class T> T* child(const QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

using Rows = std::vector<std::string>;

} // namespace

TEST(SendLogViewTest, FiltersTotalsAndExportsTheShownRecords) {
    TempDir dir;
    std::tm when{};
    when.tm_year = 101, when.tm_mon = 0, when.tm_mday = 2, when.tm_hour = 9;
    SendLog log(dir.path.string(), {}, [&] { return when; });
    auto add = [&](const char* name, const char* type, const char* message, int cancelled,
                   const char* digits) {
        const std::string text = cp932Bytes(message);
        const std::vector<int32_t> starts{0, int32_t(text.size())};
        log.AddLogRecord("0312", text, cancelled, {cp932Bytes(name), type, starts, 0, digits});
        ++when.tm_hour;
    };
    add("山田", "NTT", "おはよう", 0, "11#");
    add("", "DoCoMo", "a,b", 0, "22#");
    when.tm_mday = 3, when.tm_hour = 9;
    add("山田", "NTT", "明日\r\n来て", 1, "");
    add("鈴木", "NTT", "x", 0, "33#");
    ASSERT_TRUE(log.FlushLog());
    ASSERT_TRUE(appendToFile(log.logPath(), "a line the program never wrote\r\n"));

    CSendLogViewDlg dlg(QString::fromStdString(log.logPath()));
    dlg.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.isLoaded(); }, 5000));
    auto* status = child<QLabel>(dlg, "status");
    EXPECT_EQ(status->text().toStdString(), "全 4 件中 4 件を表示　読めない行 1 行");
    EXPECT_EQ(rowsOf(child<QTableWidget>(dlg, "malformed")->model()),
              Rows{"9|項目の数が違います|a line the program never wrote"});

    auto* type = child<QComboBox>(dlg, "typeFilter");
    type->setCurrentIndex(type->findText(QStringLiteral("NTT")));
    child<QComboBox>(dlg, "cancelFilter")->setCurrentIndex(2); // hide cancelled
    const auto* records = child<QTableView>(dlg, "records");
    EXPECT_EQ(rowsOf(records->model()), (Rows{"01/01/02|09:00:00|0312|山田|NTT|おはよう|11#",
                                              "01/01/03|10:00:00|0312|鈴木|NTT|x|33#"}));
    EXPECT_EQ(rowsOf(child<QTableView>(dlg, "byCallee")->model()), (Rows{"山田|1|0", "鈴木|1|0"}));

    // The second day only, cancelled records back, newest name first.
    child<QComboBox>(dlg, "cancelFilter")->setCurrentIndex(0);
    child<QCheckBox>(dlg, "useDates")->setChecked(true);
    child<QDateEdit>(dlg, "fromDate")->setDate(QDate(2001, 1, 3));
    child<QTableView>(dlg, "records")->sortByColumn(3, Qt::DescendingOrder);
    EXPECT_EQ(rowsOf(records->model()),
              (Rows{"01/01/03|10:00:00|0312|鈴木|NTT|x|33#",
                    "01/01/03|09:00:00|0312|山田|NTT|明日↵来て|同報で送信をキャンセル"}));
    EXPECT_EQ(rowsOf(child<QTableView>(dlg, "byCallee")->model()), (Rows{"山田|1|1", "鈴木|1|0"}));
    EXPECT_EQ(rowsOf(child<QTableView>(dlg, "byDay")->model()), Rows{"01/01/03|2|1"});

    const std::string csv = dir.file("out.csv");
    QTimer::singleShot(0, &dlg, [&] {
        auto* files = child<QFileDialog>(dlg, "exportDialog");
        files->selectFile(QString::fromStdString(csv));
        static_cast<QDialog*>(files)->accept(); // QFileDialog hides it
    });
    child<QPushButton>(dlg, "export")->click();
    EXPECT_EQ(tonalink::test::readWholeFile(csv),
              "Date,Time,CallNo,Name,Type,Message,Command\r\n"
              "01/01/03,10:00:00,0312,鈴木,NTT,x,33#\r\n"
              "01/01/03,09:00:00,0312,山田,NTT,\"明日\n来て\",同報で送信をキャンセル\r\n");
    EXPECT_EQ(status->text().toStdString(),
              "全 4 件中 2 件を表示　読めない行 1 行　2 件を書き出しました");
}
