// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in the language the run was started in (TONALINK_LANG): no fixed
// text is cut off by its widget, and in English no fixed text is left Japanese.

#include "core/app/modem_settings.h"
#include "core/app/program_state.h"
#include "core/app/settings_store.h"
#include "core/modem/line_sink.h"
#include "platform/qt_timer_host.h"
#include "platform/ui_language.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/broadcast_dlg.h"
#include "ui/dialogs/call_dlg.h"
#include "ui/dialogs/caution_dlg.h"
#include "ui/dialogs/command_view_dlg.h"
#include "ui/dialogs/modem_dlg.h"
#include "ui/dialogs/msg_list_dlg.h"
#include "ui/dialogs/op_property_sheet.h"
#include "ui/dialogs/phone_book_dlg.h"
#include "ui/dialogs/reserve_dlg.h"
#include "ui/dialogs/reserve_wait_dlg.h"
#include "ui/form/tonalink_view.h"
#include "ui/shell/main_frame.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/file_dialog_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tonalink {
namespace {

class OpenLine final : public LineSink {
public:
    bool isOpen() const override { return true; }
    bool writeLine(const std::string&) override { return true; }
};

class NoFileDialogs final : public FileDialogService {
public:
    QString getOpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return {};
    }
};

bool englishRun() {
    return uiLanguage() == UiLanguage::English;
}

// A fixed text an English window must not show: kana or kanji.
bool looksJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}"
                       "\\x{ff61}-\\x{ff9f}]"));
    return text.contains(japanese);
}

// The problems of one window: "CLASS 'text': cut" for a text wider or taller than
// its widget, "CLASS 'text': Japanese" for an untranslated text in English.
QStringList problems(QWidget* window) {
    window->show();
    QApplication::processEvents();
    QStringList found;
    const auto check = [&](QWidget* widget, const QString& text, QSize needed) {
        if (text.isEmpty() || !widget->isVisible())
            return;
        const QString name = QString::fromLatin1(widget->metaObject()->className());
        if (widget->width() < needed.width() || widget->height() < needed.height())
            found << QStringLiteral("%1 '%2': cut (%3x%4 < %5x%6)")
                         .arg(name, text)
                         .arg(widget->width())
                         .arg(widget->height())
                         .arg(needed.width())
                         .arg(needed.height());
        if (englishRun() && looksJapanese(text))
            found << QStringLiteral("%1 '%2': Japanese").arg(name, text);
    };
    if (englishRun() && looksJapanese(window->windowTitle()))
        found << QStringLiteral("title '%1': Japanese").arg(window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // A wrapped label grows downwards; its width says nothing.
            if (!label->wordWrap())
                check(label, label->text(), label->minimumSizeHint());
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            // Its size hint has a style minimum; the text inside the frame is what must fit.
            const int frame = 2 * push->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            check(push, push->text(),
                  push->fontMetrics().size(Qt::TextShowMnemonic, push->text()) + QSize(frame, 0));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            check(button, button->text(), button->minimumSizeHint());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            check(group, group->title(), group->minimumSizeHint());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (englishRun() && looksJapanese(tabs->tabText(i)))
                    found << QStringLiteral("tab '%1': Japanese").arg(tabs->tabText(i));
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            for (QAction* action : menu->actions())
                if (englishRun() &&
                    (looksJapanese(action->text()) || looksJapanese(action->statusTip())))
                    found << QStringLiteral("menu '%1': Japanese").arg(action->text());
        }
    }
    return found;
}

struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>(ProgramState&)> make;
};

const std::array<std::string, 8> kDevices = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2",
                                             "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyS5",
                                             "/dev/ttyS6", "/dev/ttyS7"};

class WindowLayout : public testing::TestWithParam<Window> {
protected:
    void SetUp() override {
        ASSERT_TRUE(logDir.isValid());
        state =
            std::make_unique<ProgramState>(TONALINK_SAMPLE_DATA_DIR, logDir.path().toStdString(),
                                           [](SendLogNotice, const std::string&) {});
        state->pagerTypes.ListPagerTypes(false);
        state->phoneBook.LocatePhoneBook();
    }
    QTemporaryDir logDir;
    std::unique_ptr<ProgramState> state;
};

TEST_P(WindowLayout, EveryFixedTextFitsAndIsInTheRunsLanguage) {
    std::unique_ptr<QWidget> window = GetParam().make(*state);
    EXPECT_EQ(problems(window.get()).join(QLatin1Char('\n')).toStdString(), "");
}

CommandDispatcher& dispatcher() {
    static CommandDispatcher commands;
    return commands;
}

OpenLine& line() {
    static OpenLine open;
    return open;
}

const Window kWindows[] = {
    {"MainForm",
     [](ProgramState& state) -> std::unique_ptr<QWidget> {
         static MemorySettingsStore store;
         auto frame = std::make_unique<CMainFrame>(dispatcher(), store);
         frame->OnCreate();
         auto* view = new CTonalinkView(state, line(), dispatcher(), qtTimerHostFactory());
         frame->setForm(view);
         view->OnInitialUpdate();
         for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>())
             emit menu->aboutToShow();
         return frame;
     }},
    {"About", [](ProgramState&) { return std::make_unique<CAboutDlg>(); }},
    {"Broadcast",
     [](ProgramState& state) {
         return std::make_unique<CBroadcastDlg>(state.settings.Groups,
                                                std::array<int32_t, 4>{3, 0, 12, 1});
     }},
    {"Call",
     [](ProgramState& state) {
         return std::make_unique<CCallDlg>(state, line(), qtTimerHostFactory());
     }},
    {"Caution", [](ProgramState&) { return std::make_unique<CCautionDlg>(); }},
    {"CommandView",
     [](ProgramState&) { return std::make_unique<CCommandViewDlg>(MessageParts{}); }},
    {"Modem",
     [](ProgramState& state) { return std::make_unique<CModemDlg>(modemValues(state), kDevices); }},
    {"MessageList",
     [](ProgramState& state) { return std::make_unique<CMsgListDlg>(state.settings.UserMsgList); }},
    {"Options",
     [](ProgramState& state) {
         static NoFileDialogs files;
         return std::make_unique<COpPropertySheet>(state.settings, files);
     }},
    {"PhoneBook",
     [](ProgramState& state) { return std::make_unique<CPhoneBookDlg>(state.phoneBook); }},
    {"Reserve", [](ProgramState&) { return std::make_unique<CReserveDlg>(ReserveChoice{}); }},
    {"ReserveWait",
     [](ProgramState& state) {
         return std::make_unique<CReserveWaitDlg>(ReserveTime{23, 59}, state.localTime,
                                                  qtTimerHostFactory());
     }},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout, testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tonalink

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tonalink::installTranslations(app, {"tonalink", "components"});
    return RUN_ALL_TESTS();
}
