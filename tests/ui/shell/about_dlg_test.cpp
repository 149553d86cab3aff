#include "ui/dialogs/about_dlg.h"
#include "ui/shell/tonalink_app.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/dialog_units.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

SystemFigures fixedFigures() {
    return {[] { return std::optional<uint64_t>(8ull * 1024 * 1024 * 1024); },
            [] {
                return std::optional<FreeSpace>(FreeSpace{QStringLiteral("/home"), 5000 * 1024});
            }};
}

QString textOf(const CAboutDlg& dialog, int id) {
    return static_cast<QLabel*>(GetDlgItem(&dialog, id))->text();
}

TEST(AboutDlgTest, AnimationStartsOnIcon131ThenCycles132To134And131) {
    CAboutDlg dialog(nullptr, fixedFigures());
    EXPECT_EQ(dialog.visibleIconId(), 131);
    std::vector<int> shown;
    for (int tick = 0; tick < 6; ++tick) {
        dialog.OnTimer();
        shown.push_back(dialog.visibleIconId());
        int visible = 0;
        for (int id = 131; id <= 134; ++id)
            visible += GetDlgItem(&dialog, id)->isHidden() ? 0 : 1;
        EXPECT_EQ(visible, 1) << "exactly one icon at a time";
    }
    EXPECT_EQ(shown, (std::vector<int>{132, 133, 134, 131, 132, 133}));
}

TEST(AboutDlgTest, IconsAreFourDifferentPictures) {
    CAboutDlg dialog(nullptr, fixedFigures());
    QSet<qint64> keys;
    for (int id = 131; id <= 134; ++id) {
        const QPixmap picture = static_cast<QLabel*>(GetDlgItem(&dialog, id))->pixmap();
        EXPECT_EQ(picture.size(), QSize(32, 32)) << id;
        keys.insert(picture.toImage().cacheKey());
    }
    EXPECT_EQ(keys.size(), 4);
}

TEST(AboutDlgTest, TimerDrivesTheAnimationEveryHalfSecondAndStopsAtOk) {
    CAboutDlg dialog(nullptr, fixedFigures());
    ASSERT_TRUE(dialog.isAnimating());
    dialog.show();
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.visibleIconId() == 132; }, 2000));
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.visibleIconId() == 133; }, 2000));
    EXPECT_GE(clock.elapsed(), 900);

    QTest::mouseClick(GetDlgItem(&dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isAnimating());
}

TEST(AboutDlgTest, ShowsTotalMemoryAndFreeSpaceInKilobytes) {
    CAboutDlg dialog(nullptr, fixedFigures());
    EXPECT_EQ(textOf(dialog, 279), QStringLiteral("利用可能なメモリ ： 8388608 KB"));
    EXPECT_EQ(textOf(dialog, 280), QStringLiteral("ディスク /home: の空き容量 ： 5000 KB"));
    EXPECT_EQ(textOf(dialog, 228), QStringLiteral("Version 3.14"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tonalink のﾊﾞｰｼﾞｮﾝ情報"));
}

TEST(AboutDlgTest, LongMountPointIsShortenedToFit) {
    const QString mount = QStringLiteral("/media/someone/a-very-long-volume-label-for-backups");
    CAboutDlg dialog(nullptr, {[] { return std::optional<uint64_t>(1024); },
                               [&] {
                                   return std::optional<FreeSpace>(FreeSpace{mount, 2048});
                               }});
    auto* line = static_cast<QLabel*>(GetDlgItem(&dialog, 280));
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("ディスク /medi")) &&
                line->text().contains(QChar(0x2026)))
        << line->text().toStdString();
    EXPECT_TRUE(line->text().endsWith(QStringLiteral(": の空き容量 ： 2 KB")));
    EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->contentsRect().width());
}

TEST(AboutDlgTest, UnreadableFiguresShowUnavailable) {
    CAboutDlg dialog(nullptr, {[] { return std::optional<uint64_t>(); },
                               [] { return std::optional<FreeSpace>(); }});
    EXPECT_EQ(textOf(dialog, 280), QStringLiteral("Unavailable"));
    EXPECT_EQ(textOf(dialog, 279), QStringLiteral("Unavailable"));
}

TEST(AboutDlgTest, RealFiguresAreReadOnThisMachine) {
    CAboutDlg dialog;
    EXPECT_TRUE(textOf(dialog, 279).startsWith(QStringLiteral("利用可能なメモリ ： ")));
    EXPECT_TRUE(textOf(dialog, 280).startsWith(QStringLiteral("ディスク /")));
}

TEST(AboutDlgTest, TextsFitTheirControls) {
    CAboutDlg dialog(nullptr, fixedFigures());
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics metrics = label->fontMetrics();
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
        EXPECT_LE(metrics.height(), label->contentsRect().height()) << label->text().toStdString();
    }
}

TEST(AboutDlgTest, VersionCommandOpensTheDialogModally) {
    QString caption;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        caption = modal->windowTitle();
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_TRUE(tonalinkApp().commands().dispatch(cmd::kAppAbout));
    EXPECT_EQ(caption, QStringLiteral("Tonalink のﾊﾞｰｼﾞｮﾝ情報"));
}

TEST(DialogUnitsTest, FourByEightUnitsAreOneAverageCharacter) {
    const QFont font = dialogFont(9);
    const DialogUnits du(font);
    const QFontMetrics metrics(font);
    EXPECT_EQ(du.baseY(), metrics.height());
    EXPECT_EQ(du.rect(4, 8, 4, 8), QRect(du.baseX(), du.baseY(), du.baseX(), du.baseY()));
    EXPECT_EQ(du.size(211, 179), QSize((211 * du.baseX() + 2) / 4, (179 * du.baseY() + 4) / 8));
    // A larger template font makes everything larger.
    const DialogUnits larger = DialogUnits::forPointSize(10);
    EXPECT_GE(larger.x(236), du.x(236));
    EXPECT_GT(larger.y(191), du.y(191));
}

TEST(DialogUnitsTest, JapaneseGothicIsTheTemplateFont) {
    EXPECT_EQ(QFontInfo(dialogFont(9)).family(), QStringLiteral("Noto Sans CJK JP"));
}

} // namespace
} // namespace tonalink
