// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../shell/recording_services.h"
#include "core/app/program_state.h"
#include "platform/ui_language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Every window in the language the run was started in (TONALINK_LANG): no fixed
// text is cut off by its widget, and in English no fixed text is left Japanese.
namespace tonalink::layout {

// A file dialog answered as cancelled, should a window ask.
using NoFileDialogs = apptest::ScriptedFileDialogs;

inline bool englishRun() {
    return uiLanguage() == UiLanguage::English;
}

// A fixed text an English window must not show: kana or kanji.
inline bool looksJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}"
                       "\\x{ff61}-\\x{ff9f}]"));
    return text.contains(japanese);
}

// The problems of one window: "CLASS 'text': cut" for a text wider or taller than
// its widget, "CLASS 'text': Japanese" for an untranslated text in English.
inline QStringList problems(QWidget* window) {
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

// Each window made over the sample data, with its send log in a fresh folder.
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

// Included once per test program, which instantiates it over its own windows.
TEST_P(WindowLayout, EveryFixedTextFitsAndIsInTheRunsLanguage) {
    std::unique_ptr<QWidget> window = GetParam().make(*state);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(problems(window.get()).join(QLatin1Char('\n')).toStdString(), "");
}

// Before the tests: the offscreen platform, and the language of the run.
inline int runLayoutTests(int argc, char** argv, std::initializer_list<const char*> catalogs) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    installTranslations(app, catalogs);
    return RUN_ALL_TESTS();
}

} // namespace tonalink::layout
