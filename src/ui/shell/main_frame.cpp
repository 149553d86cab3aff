#include "ui/shell/main_frame.h"

#include "core/app/settings_store.h"
#include "platform/keyboard_locks.h"
#include "ui/form/form_view.h"
#include "ui/shell/accelerator_filter.h"
#include "ui/shell/frame_resources.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/command_ids.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>

namespace tonalink {

namespace {

QString menuText(const char* text) {
    return *text ? QCoreApplication::translate("Menu", text) : QString();
}

const QString kKanaText = QStringLiteral("KANA");
const QString kCapsText = QStringLiteral("CAP");

// The local files among dropped URLs.
QStringList droppedFiles(const QMimeData* mime) {
    QStringList files;
    for (const QUrl& url : mime && mime->hasUrls() ? mime->urls() : QList<QUrl>()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

QLabel* makePane(const QString& widest, QWidget* parent) {
    auto* pane = new QLabel(parent);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 8);
    return pane;
}

} // namespace

QString CMainFrame::readyText() {
    return tr("ﾚﾃﾞｨ");
}

CMainFrame::CMainFrame(CommandDispatcher& commands, SettingsStore& store, QWidget* parent)
    : CFrameWnd(parent), m_commands(commands), m_store(store) {
    OnUpdateFrameTitle(QStringLiteral("NewMsg"));
    connect(&m_commands, &CommandDispatcher::handlersChanged, this, &CMainFrame::UpdateCommandUI);
}

CMainFrame::~CMainFrame() {
    // The form's and the frame's handlers go with them; no refresh of a dying frame.
    disconnect(&m_commands, nullptr, this, nullptr);
    OnDestroy();
}

int CMainFrame::OnCreate() {
    if (!createToolBar()) {
        qDebug().noquote() << "ツールバーの作成に失敗しました\n";
        return -1;
    }
    if (!createStatusBar()) {
        qDebug().noquote() << "ステータス バーの作成に失敗しました\n";
        return -1;
    }
    createMenus();
    m_accelerators = new AcceleratorFilter(this, frameAccelerators(), m_commands);
    qApp->installEventFilter(this);

    m_commands.setHandler(cmd::kViewToolBar, this,
                          [this] { m_wndToolBar->setVisible(m_wndToolBar->isHidden()); });
    m_commands.setHandler(cmd::kViewStatusBar, this,
                          [this] { m_wndStatusBar->setVisible(m_wndStatusBar->isHidden()); });
    m_commands.setHandler(cmd::kHelpFinder, this, [this] { emit helpRequested(cmd::kHelpFinder); });

    setProperty(kInstanceProperty, 1);

    if (m_bFirstCreation) {
        m_bFirstCreation = false;
        const BarSet bars = m_store.readBarSet();
        m_wndToolBar->setVisible(bars.ToolBar != 0);
        m_wndStatusBar->setVisible(bars.StatusBar != 0);
    }
    UpdateCommandUI();
    updateLockIndicators();
    return 0;
}

bool CMainFrame::createToolBar() {
    const QPixmap strip(QStringLiteral(":/toolbar/toolbar.png"));
    if (strip.width() < kToolBarImageWidth * kToolBarImageCount ||
        strip.height() < kToolBarImageHeight)
        return false;
    m_wndToolBar = new QToolBar(tr("ﾂｰﾙﾊﾞｰ"), this);
    m_wndToolBar->setObjectName(QString::number(cmd::kToolBarId));
    m_wndToolBar->setIconSize(QSize(kToolBarImageWidth, kToolBarImageHeight));
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    int image = 0;
    for (int id : frameToolBarButtons()) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = actionFor(id);
        action->setIcon(QIcon(
            strip.copy(image++ * kToolBarImageWidth, 0, kToolBarImageWidth, kToolBarImageHeight)));
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    return true;
}

bool CMainFrame::createStatusBar() {
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QString::number(cmd::kStatusBarId));
    m_panes[kPromptPane] = new QLabel(readyText(), m_wndStatusBar);
    m_panes[kPromptPane]->setMinimumWidth(80);
    m_wndStatusBar->addWidget(m_panes[kPromptPane], 1);
    m_panes[kKanaPane] = makePane(kKanaText, m_wndStatusBar);
    m_panes[kCapsPane] = makePane(kCapsText, m_wndStatusBar);
    // The clock pane is 40 wide on the original screen; here it fits the time.
    m_panes[kClockPane] = makePane(QStringLiteral("00:00:00"), m_wndStatusBar);
    m_panes[kClockPane]->setMinimumWidth(qMax(40, m_panes[kClockPane]->minimumWidth()));
    for (int pane = kKanaPane; pane <= kClockPane; ++pane)
        m_wndStatusBar->addPermanentWidget(m_panes[pane]);
    setStatusBar(m_wndStatusBar);
    return true;
}

void CMainFrame::createMenus() {
    for (const MenuPopupText& popup : frameMenu()) {
        QMenu* menu = menuBar()->addMenu(menuText(popup.caption));
        for (const MenuItemText& item : popup.items) {
            if (item.id == 0)
                menu->addSeparator();
            else
                menu->addAction(actionFor(item.id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
}

QAction* CMainFrame::actionFor(int id) {
    if (QAction* existing = commandAction(id))
        return existing;
    auto* action = new QAction(this);
    action->setData(id);
    for (const MenuPopupText& popup : frameMenu()) {
        for (const MenuItemText& item : popup.items) {
            if (item.id != id)
                continue;
            QString text = menuText(item.caption);
            // A shortcut after a tab is only shown; the accelerator table binds keys.
            if (item.shownShortcut)
                text += QLatin1Char('\t') + QString::fromUtf8(item.shownShortcut);
            action->setText(text);
        }
    }
    if (const CommandPrompt* prompt = findCommandPrompt(id)) {
        action->setStatusTip(menuText(prompt->prompt));
        action->setToolTip(menuText(prompt->toolTip));
    }
    if (id == cmd::kViewToolBar || id == cmd::kViewStatusBar)
        action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, id] {
        m_commands.dispatch(id);
        UpdateCommandUI();
    });
    m_actions[id] = action;
    return action;
}

QAction* CMainFrame::commandAction(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::UpdateCommandUI() {
    for (auto& [id, action] : m_actions)
        action->setEnabled(m_commands.isEnabled(id));
    if (m_wndToolBar)
        commandAction(cmd::kViewToolBar)->setChecked(!m_wndToolBar->isHidden());
    if (m_wndStatusBar)
        commandAction(cmd::kViewStatusBar)->setChecked(!m_wndStatusBar->isHidden());
}

void CMainFrame::setForm(CFormView* form) {
    if (m_form == form)
        return;
    delete m_form;
    m_form = form;
    setCentralWidget(form);
}

void CMainFrame::ResizeToFitForm() {
    if (QWidget* central = centralWidget())
        central->adjustSize();
    resize(sizeHint());
}

void CMainFrame::OnUpdateFrameTitle(const QString& documentTitle) {
    setWindowTitle(documentTitle + QStringLiteral(" - ") + kWindowTitle);
}

void CMainFrame::SetPaneText(int pane, const QString& text) {
    if (pane < 0 || pane > kClockPane || !m_panes[pane])
        return;
    if (pane == kPromptPane && text.isEmpty())
        m_panes[pane]->setText(readyText());
    else
        m_panes[pane]->setText(text);
}

QString CMainFrame::paneText(int pane) const {
    if (pane < 0 || pane > kClockPane || !m_panes[pane])
        return {};
    if (pane == kPromptPane && !m_wndStatusBar->currentMessage().isEmpty())
        return m_wndStatusBar->currentMessage();
    return m_panes[pane]->text();
}

void CMainFrame::ActivateFrame() {
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void CMainFrame::DragAcceptFiles(bool accept) {
    setAcceptDrops(accept);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_form)
        m_form->OnClose();
    event->accept();
    OnDestroy();
    emit frameClosed();
}

void CMainFrame::OnDestroy() {
    if (m_destroyed || m_bFirstCreation)
        return;
    m_destroyed = true;
    setProperty(kInstanceProperty, QVariant());
    // Visibility as the user left it, whether or not the frame is still on screen.
    m_store.writeBarSet(
        BarSet{m_wndToolBar->isHidden() ? 0 : 1, m_wndStatusBar->isHidden() ? 0 : 1});
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    // Each one is opened in turn, as the framework opens dropped files; one that is
    // no shortcut is refused with the framework's message.
    for (const QString& path : paths)
        emit fileDropped(path);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        updateLockIndicators();
    return CFrameWnd::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_CapsLock:
        case Qt::Key_Kana_Lock:
        case Qt::Key_Kana_Shift:
        case Qt::Key_Hiragana_Katakana:
            updateLockIndicators();
            break;
        default:
            break;
        }
    }
    return CFrameWnd::eventFilter(watched, event);
}

void CMainFrame::updateLockIndicators() {
    if (!m_wndStatusBar)
        return;
    const KeyboardLocks locks = readKeyboardLocks();
    m_panes[kKanaPane]->setText(locks.kanaLock ? kKanaText : QString());
    m_panes[kCapsPane]->setText(locks.capsLock ? kCapsText : QString());
}

QMenu* CMainFrame::createPopupMenu() {
    return nullptr;
}

} // namespace tonalink
