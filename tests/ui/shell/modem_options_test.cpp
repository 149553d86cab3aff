#include "../../platform/pty_pair.h"
#include "core/app/settings_store.h"
#include "recording_services.h"
#include "ui/dialogs/dialog_exchange.h"
#include "ui/dialogs/modem_dlg.h"
#include "ui/dialogs/op_property_pages.h"
#include "ui/dialogs/op_property_sheet.h"
#include "ui/form/form_ids.h"
#include "ui/form/form_view.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/tonalink_app.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/dialog_units.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

using apptest::fileDialogs;
using apptest::messageBoxes;

// Runs `action` inside the modal window of type T that `open` opens.
template <class T>
void runModal(const std::function<void()>& open, std::function<void(T*)> action) {
    QTimer::singleShot(0, [action] {
        T* window = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        action(window);
        if (window->isVisible()) // the action left it open
            window->reject();
    });
    open();
}

// The application's commands are registered once, and other tests here replace
// them for a while; the form's are registered anew with every start.
const auto openModemDialog = [] { tonalinkApp().OnModemSettings(); };
const auto openOptions = [] { EXPECT_TRUE(tonalinkApp().commands().dispatch(cmd::kOptions)); };

template <class T = QWidget> T* item(QWidget* parent, int id) {
    return qobject_cast<T*>(GetDlgItem(parent, id));
}

void typeInto(QWidget* box, const QString& text) {
    QApplication::setActiveWindow(box->window());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void click(QWidget* parent, int id) {
    item<QAbstractButton>(parent, id)->click();
}

class ModemOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(com1.ok() && com3.ok());
        CTonalinkApp& app = tonalinkApp();
        app.state.settings = Settings{};
        app.setFormFactory({});
        store.writeString("Ports", "COM1", com1.slavePath());
        store.writeString("Ports", "COM2", "/nonexistent/tty");
        store.writeString("Ports", "COM3", com3.slavePath());
        store.writeInt("Service", "Reservation", 1);
        store.writeString("Service", "CustomCommand2", "*2");
        app.setSettingsStore(&store);
        ASSERT_TRUE(app.InitInstance());
        ASSERT_EQ(com1.read(6), "ATZ0\r\n");
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.state.clock.startupDone; }, 3000));
        messageBoxes().shown.clear();
    }
    void TearDown() override {
        tonalinkApp().ExitInstance();
        tonalinkApp().setSettingsStore(nullptr);
    }
    Settings& settings() { return tonalinkApp().state.settings; }
    QWidget* form() { return tonalinkApp().mainWindow()->form(); }

    MemorySettingsStore store;
    PtyPair com1, com3;
};

TEST_F(ModemOptionsTest, AChangedPortIsReopenedAtOnceAndOnlyWhenChanged) {
    QStringList ports;
    const auto choosePort = [&ports](int index) {
        runModal<CModemDlg>(openModemDialog, [index, &ports](CModemDlg* dialog) {
            auto* box = item<QComboBox>(dialog, CModemDlg::kCommPort);
            for (int i = 0; i < box->count(); ++i)
                ports << box->itemText(i);
            box->setCurrentIndex(index);
            // No pager type is chosen: no times to set, none checked.
            EXPECT_FALSE(item(dialog, CModemDlg::kWaitTime)->isEnabled());
            EXPECT_FALSE(item(dialog, CModemDlg::kCutTime)->isEnabled());
            click(dialog, 1);
        });
    };
    choosePort(2);
    EXPECT_EQ(ports.mid(0, 4).join('|').toStdString(),
              "COM1  (" + com1.slavePath() + ")|COM2  (/nonexistent/tty)|COM3  (" +
                  com3.slavePath() + ")|COM4  (/dev/ttyS3)");
    EXPECT_TRUE(com1.slaveClosed());
    EXPECT_EQ(com3.read(6), "ATZ0\r\n");

    choosePort(2);
    EXPECT_EQ(com3.read(1, 300), "");
    EXPECT_TRUE(tonalinkApp().serialPort.isOpen());

    choosePort(1);
    ASSERT_EQ(messageBoxes().shown.size(), 1u);
    EXPECT_EQ(messageBoxes().shown[0].text.toStdString(),
              SerialPort::openFailedText().toStdString());
    EXPECT_FALSE(tonalinkApp().serialPort.isOpen());
}

TEST_F(ModemOptionsTest, BoxesAreCheckedInOrderAndTheFirstBadOneKeepsTheFocus) {
    struct Case {
        QString reDial, wait, cut;
        int badBox; // 0: accepted
        QString message;
        QString command = {}; // the extra AT command
    };
    const QString between = QStringLiteral("Please enter an integer between %1 and %2.");
    const Case cases[] = {
        {"1", "0", "10", CModemDlg::kReDialTime, between.arg(2).arg(120)},
        {"121", "10", "10", CModemDlg::kReDialTime, between.arg(2).arg(120)},
        {"60", "121", "", CModemDlg::kWaitTime, between.arg(1).arg(120)},
        {"60", "1", "", CModemDlg::kCutTime, QStringLiteral("Please enter an integer.")},
        {"2", "1", "120", 0, {}},
        {"120", "120", "1", 0, {}},
        // Text CP932 cannot hold, in a box that comes first.
        {"1", "0", "10", CModemDlg::kExtCommand, unusableCharacterText(), "AT\U0001F600"},
    };
    std::ofstream("call.dat") << "[Test]\r\nWaitTime=5\r\nCutTime=5\r\n";
    PagerTypeCatalog& types = tonalinkApp().state.pagerTypes;
    ASSERT_EQ(types.ListPagerTypes(false), 0);
    types.LoadPagerType("Test");
    for (const Case& c : cases) {
        messageBoxes().shown.clear();
        runModal<CModemDlg>(openModemDialog, [&c](CModemDlg* dialog) {
            item<QLineEdit>(dialog, CModemDlg::kExtCommand)->setText(c.command);
            typeInto(item(dialog, CModemDlg::kReDialTime), c.reDial);
            typeInto(item(dialog, CModemDlg::kWaitTime), c.wait);
            typeInto(item(dialog, CModemDlg::kCutTime), c.cut);
            // A click moves the focus out of the last box, as a mouse does.
            QTest::mouseClick(item(dialog, 1), Qt::LeftButton);
            if (c.badBox != 0) {
                EXPECT_TRUE(dialog->isVisible()) << c.reDial.toStdString();
                EXPECT_EQ(dialog->focusWidget(), item(dialog, c.badBox));
                click(dialog, 2);
            }
        });
        const apptest::ShownBox refusal{c.message, MsgIcon::Exclamation, MsgButtons::Ok,
                                        kProgramTitle};
        EXPECT_EQ(messageBoxes().shown, std::vector(c.badBox ? 1 : 0, refusal));
    }
    // The last good case went through: its values are the settings and the loaded type's.
    EXPECT_EQ(settings().ReDialTime, 120);
    EXPECT_EQ(tonalinkApp().state.pagerTypes.PagerType.WaitTime, 120);
    EXPECT_EQ(tonalinkApp().state.pagerTypes.PagerType.CutTime, 1);
    std::remove("call.dat");
    types = PagerTypeCatalog(QDir::currentPath().toStdString());
}

TEST_F(ModemOptionsTest, CancelInEitherDialogChangesNothing) {
    const Settings before = settings();
    runModal<CModemDlg>(openModemDialog, [](CModemDlg* dialog) {
        typeInto(item(dialog, CModemDlg::kExtCommand), "AT&F");
        click(dialog, CModemDlg::kCKExtension);
        EXPECT_TRUE(item(dialog, CModemDlg::kExtension)->isEnabled());
        typeInto(item(dialog, CModemDlg::kExtension), "0,");
        click(dialog, CModemDlg::kCKExtension);
        EXPECT_FALSE(item(dialog, CModemDlg::kExtension)->isEnabled());
        EXPECT_EQ(item<QLineEdit>(dialog, CModemDlg::kExtension)->text(), "0,");
        click(dialog, CModemDlg::kTone);
        typeInto(item(dialog, CModemDlg::kReDialTime), "30");
        item<QComboBox>(dialog, CModemDlg::kCommPort)->setCurrentIndex(2);
        click(dialog, 2);
    });
    EXPECT_EQ(settings(), before);
    EXPECT_TRUE(tonalinkApp().serialPort.isOpen());
    EXPECT_EQ(com3.read(1, 300), "");

    runModal<COpPropertySheet>(openOptions, [](COpPropertySheet* sheet) {
        typeInto(item(sheet->page1(), COpPropertyPage1::kGroup1), "X");
        click(sheet->page2(), COpPropertyPage2::kClear2);
        click(sheet->page3(), COpPropertyPage3::kReservation);
        click(sheet, 2);
    });
    EXPECT_EQ(settings(), before);
    EXPECT_TRUE(item(form(), form_id::kReserve)->isVisible());
    EXPECT_TRUE(tonalinkApp().state.clock.startupDone);
}

TEST_F(ModemOptionsTest, OptionsOkTakesEveryPageAndTheReserveButtonFollowsAtOnce) {
    QWidget* reserve = item(form(), form_id::kReserve);
    // A path that would not come back as chosen is refused; one that does is kept.
    fileDialogs().names = {QStringLiteral("/opt/〜¥−/vi"), QStringLiteral("/opt/エディタ/vi")};
    fileDialogs().asked.clear();
    runModal<COpPropertySheet>(openOptions, [](COpPropertySheet* sheet) {
        EXPECT_EQ(sheet->tabs()->currentIndex(), 0);
        for (int i = 0; i < 4; ++i)
            typeInto(item(sheet->page1(), COpPropertyPage1::kGroup1 + i), QString("G%1").arg(i));
        click(sheet->page1(), COpPropertyPage1::kReset);
        sheet->tabs()->setCurrentIndex(1);
        typeInto(item(sheet->page2(), COpPropertyPage2::kCommand1), "*1");
        typeInto(item(sheet->page2(), COpPropertyPage2::kCommand3), "*3");
        click(sheet->page2(), COpPropertyPage2::kClear2);
        sheet->tabs()->setCurrentIndex(2);
        for (int id : {COpPropertyPage3::kReservation, COpPropertyPage3::kMsgSendC,
                       COpPropertyPage3::kShoutCutEnd, COpPropertyPage3::kPbEditExe})
            click(sheet->page3(), id);
        click(sheet->page3(), COpPropertyPage3::kBrowse);
        click(sheet->page3(), COpPropertyPage3::kBrowse);
        click(sheet, 1);
    });
    const Settings& s = settings();
    EXPECT_EQ(s.Groups, (std::array<std::string, 4>{"\xB8\xDE\xD9\xB0\xCC\xDF\x31",
                                                    "\xB8\xDE\xD9\xB0\xCC\xDF\x32", "G2", "G3"}));
    EXPECT_EQ(std::vector({s.CustomCommand1, s.CustomCommand2, s.CustomCommand3}),
              std::vector<std::string>({"*1", "", "*3"}));
    EXPECT_EQ(std::vector({s.Reservation, s.MsgSendC, s.ShoutCutEnd, s.PbEditExe}),
              std::vector({0, 1, 1, 1}));
    EXPECT_EQ(s.EditExeFile, "/opt/\x83\x47\x83\x66\x83\x42\x83\x5e/vi");
    EXPECT_EQ(messageBoxes().shown.size(), 1u);
    EXPECT_EQ(messageBoxes().shown.at(0).text, unusableCharacterText());
    ASSERT_EQ(fileDialogs().asked.size(), 2u);
    EXPECT_EQ(fileDialogs().asked[0].filter, QStringLiteral("実行ファイル (*.exe);;All Files (*)"));
    EXPECT_FALSE(reserve->isVisible());
    // The next tick redoes the start-up work: the emptied command's button goes.
    EXPECT_FALSE(tonalinkApp().state.clock.startupDone);
    EXPECT_TRUE(QTest::qWaitFor([] { return tonalinkApp().state.clock.startupDone; }, 3000));
    EXPECT_TRUE(item(form(), form_id::kCustom2)->isHidden());

    runModal<COpPropertySheet>(openOptions, [](COpPropertySheet* sheet) {
        click(sheet->page3(), COpPropertyPage3::kReservation);
        click(sheet, 1);
    });
    EXPECT_TRUE(reserve->isVisible());
}

} // namespace
} // namespace tonalink
