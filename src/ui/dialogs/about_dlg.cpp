#include "ui/dialogs/about_dlg.h"

#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box_service.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimerEvent>
#include <algorithm>

namespace tonalink {

namespace {

// Icon resources 120, 114, 115, 117 in the order of controls 131..134.
constexpr const char* kIconFiles[4] = {":/about/anim-120.png", ":/about/anim-114.png",
                                       ":/about/anim-115.png", ":/about/anim-117.png"};

// A line of the template can be a pixel lower than the font needs; the text's
// descenders must not be cut.
void fitHeight(QLabel* label) {
    const int needed = label->minimumSizeHint().height();
    label->resize(label->width(), std::max(label->height(), needed));
}

QLabel* addText(QWidget* dialog, const DialogUnits& du, const QString& text, int x, int y, int w,
                int h) {
    auto* label = new QLabel(text, dialog);
    du.place(label, x, y, w, h);
    fitHeight(label);
    return label;
}

QLabel* addSunkenLine(QWidget* dialog, const DialogUnits& du, int id, int x, int y, int w, int h) {
    auto* label = new QLabel(dialog);
    setControlId(label, id);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    du.place(label, x, y, w, h);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent, SystemFigures figures)
    : QDialog(parent), m_figures(std::move(figures)) {
    buildControls();
    OnInitDialog();
}

void CAboutDlg::buildControls() {
    setWindowTitle(tr("Tonalink のﾊﾞｰｼﾞｮﾝ情報"));
    const QFont font = dialogFont(9);
    setFont(font);
    const DialogUnits du(font);
    setFixedSize(du.size(211, 179));

    for (int i = 0; i < 4; ++i) {
        m_icons[i] = new QLabel(this);
        setControlId(m_icons[i], kFirstIconId + i);
        m_icons[i]->setPixmap(QPixmap(QString::fromLatin1(kIconFiles[i])));
        m_icons[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // An icon control shows its icon at full size from its top-left corner.
        const QRect r = du.rect(5, 12, 20, 20);
        m_icons[i]->setGeometry(r.x(), r.y(), qMax(r.width(), 32), qMax(r.height(), 32));
        m_icons[i]->setVisible(i == 0);
    }
    addText(this, du, QStringLiteral("Tonalink with Win32"), 35, 5, 160, 8);
    setControlId(addText(this, du, QStringLiteral("Version 3.14"), 35, 17, 160, 9), 228);
    addText(this, du, QStringLiteral("Copyright (C) QUILLFERN. All rights reserved."), 35, 30, 160,
            8);
    addText(this, du, QStringLiteral("QUILLFERN Software"), 35, 42, 160, 8);
    addText(this, du, QStringLiteral("E-mail: support@quillfern.example"), 35, 54, 160, 8);
    addText(this, du, QStringLiteral("Web: https://quillfern.example/tonalink/"), 35, 66, 160, 8);

    auto* line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    du.place(line, 5, 140, 201, 1);
    line->setFixedHeight(2);

    // The template's lines start at x 35, room for a drive letter; a mount point
    // needs more, so they reach left to the margin (they are right-aligned).
    m_memoryLine = addSunkenLine(this, du, 279, 5, 146, 145, 10);
    m_diskLine = addSunkenLine(this, du, 280, 5, 161, 145, 9);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    setControlId(ok, 1);
    du.place(ok, 155, 145, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::OnInitDialog() {
    m_nAnimation = 2;
    m_timerId = startTimer(kAnimationIntervalMs);
    if (m_timerId == 0)
        messageBox(tr("ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。"), MsgIcon::Exclamation);

    const std::optional<uint64_t> memory = m_figures.totalMemoryBytes();
    m_strMemory = memory ? tr("利用可能なメモリ ： %1 KB").arg(*memory / 1024)
                         : QStringLiteral("Unavailable");
    const std::optional<FreeSpace> disk = m_figures.freeSpace();
    if (disk) {
        const QString format = tr("ディスク %1: の空き容量 ： %2 KB");
        const QString rest = format.arg(QString(), QString::number(disk->bytesFree / 1024));
        // A long mount point is shortened in the middle so the figure stays readable.
        const QFontMetrics metrics(m_diskLine->font());
        const int room = m_diskLine->contentsRect().width() - metrics.horizontalAdvance(rest) - 4;
        m_strDisk = format.arg(metrics.elidedText(disk->mountPoint, Qt::ElideMiddle, room),
                               QString::number(disk->bytesFree / 1024));
    } else {
        m_strDisk = QStringLiteral("Unavailable");
    }
    m_memoryLine->setText(m_strMemory);
    m_diskLine->setText(m_strDisk);
    fitHeight(m_memoryLine);
    fitHeight(m_diskLine);
}

void CAboutDlg::OnTimer() {
    for (int i = 0; i < 4; ++i)
        m_icons[i]->setVisible(i == m_nAnimation - 1);
    m_nAnimation = m_nAnimation == 4 ? 1 : m_nAnimation + 1;
}

int CAboutDlg::visibleIconId() const {
    for (int i = 0; i < 4; ++i) {
        if (!m_icons[i]->isHidden())
            return kFirstIconId + i;
    }
    return 0;
}

void CAboutDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timerId)
        OnTimer();
    else
        QDialog::timerEvent(event);
}

void CAboutDlg::done(int result) {
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    QDialog::done(result);
}

} // namespace tonalink
