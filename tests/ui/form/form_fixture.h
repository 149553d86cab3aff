#pragma once

#include "core/app/program_state.h"
#include "platform/serial_port.h"
#include "pty_pair.h"
#include "recording_message_boxes.h"
#include "test_timers.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/dialog_units.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tonalink::test {

// Runs `action` on the first modal window of type T that opens within `timeoutMs`.
template <class T> void whenModalOpens(std::function<void(T*)> action, int timeoutMs = 5000) {
    auto* poll = new QTimer;
    auto left = std::make_shared<int>(timeoutMs / 10);
    QObject::connect(poll, &QTimer::timeout, [poll, left, action] {
        if (T* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(window);
        } else if (--*left <= 0) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

// Types `text` one character at a time, as a keyboard or input method would.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, width),
                            Qt::NoModifier);
        i += width - 1;
    }
}

inline QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The main form on the sample data files, its clock on manual timers, call windows
// on fast real timers, and the modem on a pseudo-terminal.
class FormTest : public testing::Test {
protected:
    void SetUp() override {
        messageBoxes().shown.clear();
        messageBoxes().onShow = nullptr;
        ASSERT_TRUE(logDir.isValid());
        settings.EditExeFile = "NOTEPAD.EXE";
        settings.DefaultOffTime = 10;
        settings.ReDialTime = 60;
        settings.Reservation = 1;
        settings.CustomCommand1 = "*1";
        configure();
        std::array<std::string, 8> devices;
        devices.fill("/nonexistent/ttyS");
        devices[0] = pty.slavePath();
        ASSERT_TRUE(pty.ok());
        ASSERT_EQ(port.open(0, devices), 1);
        ASSERT_EQ(modemLines(), std::vector<std::string>({"ATZ0\r\n"}));

        view = std::make_unique<CTonalinkView>(state, port, commands, timers.factory());
        view->registerCommands();
        view->show();
        // Shortcuts such as Shift+F10 only reach the active window.
        QApplication::setActiveWindow(view.get());
        view->OnInitialUpdate();
        // The start-up tick.
        if (timers.clock) {
            ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
        } else {
            ASSERT_TRUE(QTest::qWaitFor([this] { return clock.startupDone; }, 2000));
        }
        messageBoxes().shown.clear();
    }
    void TearDown() override {
        view.reset();
        port.close();
    }
    // Fixtures change settings or timers here, before the form is built.
    virtual void configure() {}

    template <class T = QWidget> T* control(int id) const {
        T* found = qobject_cast<T*>(GetDlgItem(view.get(), id));
        EXPECT_NE(found, nullptr) << "control " << id;
        return found;
    }
    QString text(int id) const {
        QWidget* w = control(id);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            return label->text();
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            return edit->text();
        }
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
            return plain->toPlainText();
        }
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            return box->currentText();
        }
        return {};
    }
    bool enabled(int id) const { return control(id)->isEnabled(); }

    // The lines the modem received since the last look, each with its CR LF. The
    // pseudo-terminal keeps what was written, so a finished call can be read whole.
    std::vector<std::string> modemLines() {
        m_received += pty.read(SIZE_MAX, 100);
        std::vector<std::string> lines;
        for (std::size_t end; (end = m_received.find('\n')) != std::string::npos;) {
            lines.push_back(m_received.substr(0, end + 1));
            m_received.erase(0, end + 1);
        }
        return lines;
    }

    // Chooses an item of a drop-down box as the user does.
    void choose(int boxId, const QString& item) {
        auto* box = control<QComboBox>(boxId);
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void chooseIndex(int boxId, int index) {
        auto* box = control<QComboBox>(boxId);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    QTemporaryDir logDir;
    ProgramState state{TONALINK_SAMPLE_DATA_DIR, logDir.path().toStdString()};
    Settings& settings = state.settings;
    PagerTypeCatalog& pagerTypes = state.pagerTypes;
    PhoneBook& phoneBook = state.phoneBook;
    CurrentSend& currentSend = state.currentSend;
    Encoder& encoder = state.encoder;
    SendLog& sendLog = state.sendLog;
    FormClock& clock = state.clock;
    PtyPair pty;
    SerialPort port{[](const QString&) {}};
    CommandDispatcher commands;
    TestTimerFactory timers;
    std::unique_ptr<CTonalinkView> view;

private:
    std::string m_received;
};

} // namespace tonalink::test
