#include "core/app/settings_store.h"
#include "form_fixture.h"
#include "ui/form/form_ids.h"
#include "ui/form/pager_type_boxes.h"
#include "ui/form/tonalink_doc.h"
#include "ui/shell/main_frame.h"
#include "ui/widgets/command_ids.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

using namespace tonalink;
using namespace tonalink::test;
namespace id = tonalink::form_id;

namespace {

const QString kStandard = utf8("フリーワード標準");
const QString kCentre = utf8("センター経由");

QStringList itemsOf(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

// The context menu that opens next: where it opened and what it offers; it is
// then closed with `choose` (an entry's text) or without a choice.
struct SeenMenu {
    QPoint at;
    QStringList entries;
};
void whenMenuOpens(SeenMenu& seen, const QString& choose = {}) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, choose] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        seen.at = menu->pos();
        for (QAction* action : menu->actions()) {
            seen.entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (!choose.isEmpty() && action->text() == choose) {
                menu->setActiveAction(action);
            }
        }
        if (choose.isEmpty()) {
            menu->close();
        } else {
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    poll->start(10);
}

} // namespace

TEST_F(FormTest, EveryKeystrokeUpdatesTheCountAndTheCodePreview) {
    choose(id::kPagerType, kStandard);
    EXPECT_EQ(text(id::kCount), "0/30");
    EXPECT_EQ(text(id::kCodePreview), "");
    auto* message = control(id::kMessage);
    const struct {
        const char* key;
        const char* count;
        const char* codes;
    } steps[] = {{"ア", "4/30", "*2*211"},
                 {"イ", "6/30", "*2*21112"},
                 {"/", "8/30", "*2*21112*4*4"},
                 {"1", "9/30", "*2*21112*4*41"}};
    for (const auto& step : steps) {
        typeKeys(message, utf8(step.key));
        EXPECT_EQ(text(id::kCount), step.count) << step.key;
        EXPECT_EQ(text(id::kCodePreview), step.codes) << step.key;
    }
    EXPECT_EQ(currentSend.MessageText, "\x83\x41\x83\x43/1"); // アイ/1 in CP932
}

struct UnsendableText {
    const char* name;
    const char* text;
};
void PrintTo(const UnsendableText& t, std::ostream* os) {
    *os << t.name;
}

class UnsendableMessageTest : public FormTest,
                              public testing::WithParamInterface<UnsendableText> {};

TEST_P(UnsendableMessageTest, ShowsErrorAndDisablesSendReserveBroadcastAndView) {
    choose(id::kPagerType, kStandard);
    typeKeys(control(id::kCallNumber), "0201112222");
    auto* message = control(id::kMessage);
    typeKeys(message, utf8("ア"));
    ASSERT_TRUE(enabled(id::kSend));
    ASSERT_TRUE(enabled(id::kView));

    typeKeys(message, utf8(GetParam().text));
    EXPECT_EQ(text(id::kCount), "error");
    EXPECT_EQ(text(id::kCodePreview), "");
    for (int button : {id::kSend, id::kReserve, id::kBroadcast, id::kView}) {
        EXPECT_FALSE(enabled(button)) << button;
    }

    // Taking the character back makes the message sendable again.
    control<QPlainTextEdit>(id::kMessage)->setPlainText(utf8("ア"));
    EXPECT_EQ(text(id::kCount), "4/30");
    EXPECT_TRUE(enabled(id::kSend));
    EXPECT_TRUE(enabled(id::kReserve));
    EXPECT_FALSE(enabled(id::kBroadcast));
    EXPECT_TRUE(enabled(id::kView));
}

INSTANTIATE_TEST_SUITE_P(Texts, UnsendableMessageTest,
                         testing::Values(UnsendableText{"KanjiWithoutCode", "漢"},
                                         UnsendableText{"NotInCodePage932", "☃"},
                                         UnsendableText{"OutsideTheBasicPlane", "😀"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, CallNumberSwapsSendAndReserveWithBroadcast) {
    EXPECT_FALSE(enabled(id::kSend));
    EXPECT_FALSE(enabled(id::kReserve));
    auto* number = control<QLineEdit>(id::kCallNumber);
    typeKeys(number, "0");
    EXPECT_TRUE(enabled(id::kSend));
    EXPECT_TRUE(enabled(id::kReserve));
    EXPECT_FALSE(enabled(id::kBroadcast));
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_FALSE(enabled(id::kSend));
    EXPECT_FALSE(enabled(id::kReserve));
    EXPECT_TRUE(enabled(id::kBroadcast));
}

TEST_F(FormTest, PagerTypeEnablesOrEmptiesTheCentreNumberAndPassword) {
    choose(id::kPagerType, kCentre);
    EXPECT_TRUE(enabled(id::kCentreNumber));
    EXPECT_TRUE(enabled(id::kPassword));
    typeKeys(control(id::kCentreNumber), "0357218840");
    typeKeys(control(id::kPassword), "4821");

    choose(id::kPagerType, kStandard);
    EXPECT_EQ(text(id::kCentreNumber), "");
    EXPECT_EQ(text(id::kPassword), "");
    EXPECT_FALSE(enabled(id::kCentreNumber));
    EXPECT_FALSE(enabled(id::kPassword));
    EXPECT_EQ(text(id::kCount), "0/30");
    EXPECT_EQ(
        itemsOf(control<QComboBox>(id::kPhrases)),
        QStringList({utf8("[01]至急連絡下さい"), utf8("[02]TEL下さい"), utf8("[03]会議中です"),
                     utf8("[04]遅れます"), utf8("[05]先に帰ります"), utf8("[06]了解しました"),
                     utf8("[07]今どこ？"), utf8("[08]お疲れ様です")}));
    EXPECT_EQ(control<QComboBox>(id::kPhrases)->currentIndex(), -1);
}

TEST_F(FormTest, PagerTypesAreListedSortedWithNoneChosen) {
    auto* box = control<QComboBox>(id::kPagerType);
    EXPECT_EQ(itemsOf(box),
              QStringList({utf8("センター経由"), utf8("フリーワード50文字"),
                           utf8("フリーワード標準"), utf8("数字ポケベル"), utf8("連結送信対応")}));
    EXPECT_EQ(box->currentIndex(), -1);
    // The catalog keeps the file's order.
    ASSERT_EQ(pagerTypes.PagerTypeNames.size(), 5u);
}

TEST_F(FormTest, AddPhraseAppendsThePhraseAndPreviewsIt) {
    choose(id::kPagerType, kStandard);
    typeKeys(control(id::kMessage), utf8("ア"));
    chooseIndex(id::kPhrases, 2); // [03]会議中です
    QTest::mouseClick(control(id::kAddPhrase), Qt::LeftButton);
    EXPECT_EQ(text(id::kMessage), utf8("ア会議中です"));
    EXPECT_EQ(text(id::kCodePreview), "*2*211*3*303");
    EXPECT_EQ(text(id::kCount), "8/30");
    EXPECT_EQ(view->focusWidget(), control(id::kMessage));
    EXPECT_EQ(control<QPlainTextEdit>(id::kMessage)->textCursor().position(), 6);
}

TEST(PhraseBoxTest, AnEntryWithoutABracketIsTakenWhole) {
    QComboBox box;
    fillPhraseBox(&box, {TableEntry::parse("[12]abc"), TableEntry::parse("no bracket"),
                         TableEntry::parse("[]"), TableEntry::parse("a]b]c")});
    const std::pair<int, std::string> expected[] = {
        {-1, ""}, {0, "abc"}, {1, "no bracket"}, {2, ""}, {3, "b]c"}};
    for (const auto& [index, phrase] : expected) {
        box.setCurrentIndex(index);
        EXPECT_EQ(selectedPhrase(&box), phrase) << index;
    }
}

TEST_F(FormTest, ClearMessageEmptiesItResetsTheModeAndDisablesView) {
    choose(id::kPagerType, kStandard);
    typeKeys(control(id::kMessage), utf8("アイ"));
    chooseIndex(id::kMessageMode, 2);
    ASSERT_TRUE(enabled(id::kView));
    QTest::mouseClick(control(id::kClearMessage), Qt::LeftButton);
    EXPECT_EQ(text(id::kMessage), "");
    EXPECT_EQ(control<QComboBox>(id::kMessageMode)->currentIndex(), 0);
    EXPECT_FALSE(enabled(id::kView));
    EXPECT_EQ(text(id::kCount), "0/30");
    EXPECT_EQ(currentSend.MessageMode, 0);
}

TEST_F(FormTest, MessageModeIsCollectedAndFocusReturnsToTheMessage) {
    choose(id::kPagerType, kStandard);
    typeKeys(control(id::kMessage), "12");
    control(id::kCallNumber)->setFocus();
    chooseIndex(id::kMessageMode, 3); // direct codes
    EXPECT_EQ(currentSend.MessageMode, 3);
    EXPECT_EQ(text(id::kCodePreview), "12");
    EXPECT_EQ(text(id::kCount), "2/30");
    EXPECT_EQ(view->focusWidget(), control(id::kMessage));

    // Closing the list without a choice also sends the user back to the message.
    control(id::kCallNumber)->setFocus();
    auto* mode = control<QComboBox>(id::kMessageMode);
    mode->showPopup();
    mode->hidePopup();
    QCoreApplication::processEvents();
    EXPECT_EQ(mode->currentIndex(), 3);
    EXPECT_EQ(view->focusWidget(), control(id::kMessage));
}

TEST_F(FormTest, ClearCalleeEmptiesTheFieldsAndFollowsThePagerType) {
    choose(id::kPagerType, kCentre);
    typeKeys(control(id::kCallNumber), "0201112222");
    typeKeys(control(id::kCentreNumber), "0357218840");
    typeKeys(control(id::kPassword), "4821");
    QTest::mouseClick(control(id::kClearCallee), Qt::LeftButton);
    for (int field : {id::kCallNumber, id::kCentreNumber, id::kPassword}) {
        EXPECT_EQ(text(field), "") << field;
        EXPECT_TRUE(enabled(field)) << field;
    }
    EXPECT_FALSE(enabled(id::kSend));
    EXPECT_TRUE(enabled(id::kBroadcast));
}

TEST_F(FormTest, CallNumberAndPasswordLimitOnlyWhatIsTyped) {
    choose(id::kPagerType, kCentre);
    typeKeys(control(id::kCallNumber), "0123456789012345678901234");
    typeKeys(control(id::kPassword), "123456");
    QCoreApplication::processEvents();
    EXPECT_EQ(text(id::kCallNumber), "01234567890123456789");
    EXPECT_EQ(text(id::kPassword), "1234");
    // What the program puts there stays whole; typing adds nothing, Backspace takes away.
    control<QLineEdit>(id::kCallNumber)->setText("0120123456,,,,1234567890");
    typeKeys(control(id::kCallNumber), "5");
    QCoreApplication::processEvents();
    EXPECT_EQ(text(id::kCallNumber), "0120123456,,,,1234567890");
    QTest::keyClick(control(id::kCallNumber), Qt::Key_Backspace);
    EXPECT_EQ(text(id::kCallNumber), "0120123456,,,,123456789");
}

TEST_F(FormTest, EditCommandsActOnTheMessageWhereverTheFocusIs) {
    auto* message = control<QPlainTextEdit>(id::kMessage);
    auto* number = control<QLineEdit>(id::kCallNumber);
    number->setFocus();
    QGuiApplication::clipboard()->setText(utf8("アイ"));
    ASSERT_TRUE(commands.dispatch(cmd::kEditPaste));
    EXPECT_EQ(message->toPlainText(), utf8("アイ"));
    EXPECT_EQ(number->text(), "");

    message->selectAll();
    number->setFocus();
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(commands.dispatch(cmd::kEditCopy));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), utf8("アイ"));
    ASSERT_TRUE(commands.dispatch(cmd::kEditCut));
    EXPECT_EQ(message->toPlainText(), "");
    ASSERT_TRUE(commands.dispatch(cmd::kEditUndo));
    EXPECT_EQ(message->toPlainText(), utf8("アイ"));
    EXPECT_EQ(number->text(), "");
}

TEST_F(FormTest, ContextMenuOpensAtTheMouseAndAtFiveFiveFromTheKeyboard) {
    const QStringList entries = {utf8("ｼｮｰﾄｶｯﾄ作成"), utf8("ｼｮｰﾄｶｯﾄ読込・発信"),
                                 QStringLiteral("-"), utf8("ﾒｯｾｰｼﾞ貼り付け")};
    SeenMenu byMouse;
    whenMenuOpens(byMouse);
    const QPoint local(40, 30);
    QContextMenuEvent click(QContextMenuEvent::Mouse, local, view->mapToGlobal(local));
    QApplication::sendEvent(view.get(), &click);
    EXPECT_EQ(byMouse.entries, entries);
    EXPECT_EQ(byMouse.at, view->mapToGlobal(local));

    // Shift+F10 from inside the message edit, which has a menu of its own.
    SeenMenu byKeyboard;
    whenMenuOpens(byKeyboard, utf8("ﾒｯｾｰｼﾞ貼り付け"));
    QGuiApplication::clipboard()->setText(utf8("ウ"));
    auto* message = control(id::kMessage);
    // Keyboard shortcuts reach only the active window.
    view->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view->window()));
    message->setFocus();
    QTest::keyClick(message, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(byKeyboard.entries, entries);
    EXPECT_EQ(byKeyboard.at, view->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(text(id::kMessage), utf8("ウ"));
}

TEST_F(FormTest, ExitCommandPostsTheApplicationExit) {
    int exits = 0;
    QObject owner;
    commands.setHandler(cmd::kAppExit, &owner, [&exits] { ++exits; });
    ASSERT_TRUE(commands.dispatch(cmd::kExitMenu));
    EXPECT_EQ(exits, 0); // posted, not run at once
    QCoreApplication::processEvents();
    EXPECT_EQ(exits, 1);
}

TEST_F(FormTest, OptionsAndCustomCommandsDecideWhichButtonsShow) {
    EXPECT_FALSE(control(id::kReserve)->isHidden());
    EXPECT_FALSE(control(id::kCustom1)->isHidden());
    EXPECT_TRUE(control(id::kCustom2)->isHidden());
    EXPECT_TRUE(control(id::kCustom3)->isHidden());

    // What the options sheet does: the next tick does the start-up work again.
    settings.Reservation = 0;
    settings.CustomCommand3 = "#9";
    clock.startupDone = false;
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_TRUE(control(id::kReserve)->isHidden());
    EXPECT_FALSE(control(id::kCustom3)->isHidden());
}

TEST_F(FormTest, ShortcutSendStartsOnTheThirdTickAfterItWasLoaded) {
    const int loadedAt = clock.tickCount;
    view->MakeShortcutSendPending();
    EXPECT_EQ(clock.sendAtTick, loadedAt + 3);
    for (int tick = 0; tick < 3; ++tick) {
        ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
        EXPECT_TRUE(messageBoxes().shown.empty()) << "tick " << tick;
    }
    // The message is empty, so the send stops at its first check.
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("ﾒｯｾｰｼﾞを入力してください。"), MsgIcon::None}}));
    // That was the shortcut's send; whatever comes next is the user's.
    EXPECT_EQ(view->sendSource(), SendSource::Normal);
    EXPECT_EQ(clock.sendAtTick, FormClock::kNoSendPending);
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_EQ(messageBoxes().shown.size(), 1u);
}

TEST_F(FormTest, FirstTickAppliesAnUnappliedDocumentOnce) {
    CTonalinkDoc document;
    view->setDocument(&document);
    view->OnInitialUpdate();
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_EQ(document.shortcut.applied, 1u);
    EXPECT_EQ(clock.tickCount, 2);

    // A document already in the form is not applied again by a later initial update.
    view->OnInitialUpdate();
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    view->setDocument(nullptr);
}

TEST_F(FormTest, ClockShowsTheTimeInTheLastStatusPane) {
    MemorySettingsStore store;
    auto* frame = new CMainFrame(commands, store);
    ASSERT_EQ(frame->OnCreate(), 0);
    frame->setForm(view.release());
    const QTime before = QTime::currentTime();
    ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
    const QTime shown = QTime::fromString(frame->paneText(3), QStringLiteral("HH:mm:ss"));
    ASSERT_TRUE(shown.isValid()) << frame->paneText(3).toStdString();
    EXPECT_LE(std::abs(shown.secsTo(before)), 1);
    delete frame;
}

TEST_F(FormTest, RefusedClockTimerIsReported) {
    timers.clock->refuseAll = true;
    view->OnInitialUpdate();
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>(
                  {{utf8("ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。\n時刻表示できません。"),
                    MsgIcon::Exclamation}}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FormTest, CloseEmptiesTheMessageAndStopsTheClock) {
    typeKeys(control(id::kMessage), "12");
    view->OnClose();
    EXPECT_EQ(text(id::kMessage), "");
    EXPECT_EQ(timers.clock->pending.count(CTonalinkView::kClockTimer), 0u);
}

TEST_F(FormTest, MissingPagerTypeFileIsReportedOnTheFirstTick) {
    QTemporaryDir empty;
    TestTimerFactory otherTimers;
    ProgramState noTypes(empty.path().toStdString(), logDir.path().toStdString());
    CTonalinkView form(noTypes, port, commands, otherTimers.factory());
    form.OnInitialUpdate();
    ASSERT_TRUE(otherTimers.clock->fire(CTonalinkView::kClockTimer));
    EXPECT_EQ(
        messageBoxes().shown,
        std::vector<ShownMessage>({{utf8("ポケベル情報ファイルがありません"), MsgIcon::Stop}}));
    auto* box = qobject_cast<QComboBox*>(GetDlgItem(&form, id::kPagerType));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 0);
}

TEST_F(FormTest, MessageRefusesTextBeyondTheEditLimit) {
    choose(id::kPagerType, kStandard);
    auto* message = control<QPlainTextEdit>(id::kMessage);
    typeKeys(message, utf8("アイ"));
    message->moveCursor(QTextCursor::Start);
    QGuiApplication::clipboard()->setText(QString(id::kMessageLimit, QChar(u'ウ')));
    message->paste();
    QCoreApplication::processEvents();
    const QString kept = message->toPlainText();
    ASSERT_EQ(kept.size(), id::kMessageLimit);
    EXPECT_EQ(kept.left(3), utf8("ウウウ"));
    EXPECT_EQ(kept.right(2), utf8("アイ")); // what was there stays
    EXPECT_EQ(currentSend.MessageText.size(), 2u * id::kMessageLimit);

    message->setPlainText(QString(id::kMessageLimit + 5, QChar(u'エ')));
    QCoreApplication::processEvents();
    EXPECT_EQ(message->toPlainText().size(), id::kMessageLimit);
}
