#include "try_it_box.h"

#include "try_encode.h"
#include "ui/widgets/qt_text.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tonalink {

CTryItBox::CTryItBox(QWidget* parent)
    : QGroupBox(tr("試しに変換"), parent), sample_(new QLineEdit(this)),
      results_(new QTableWidget(4, 3, this)) {
    sample_->setObjectName("sample");
    sample_->setPlaceholderText(tr("メッセージを入力すると、この機種で送るコードを表示します"));
    sample_->setMaxLength(1000);
    auto* label = new QLabel(tr("メッセージ(&M):"), this);
    label->setBuddy(sample_);
    results_->setHorizontalHeaderLabels({tr("桁数"), tr("回数"), tr("コード")});
    // The message modes as the main form names them.
    results_->setVerticalHeaderLabels(
        {tr("ﾌﾘｰﾜｰﾄﾞ+定型文"), tr("数字+定型文"), tr("ﾌﾘｰﾜｰﾄﾞのみ"), tr("ﾀﾞｲﾚｸﾄ")});
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->horizontalHeader()->setStretchLastSection(true);
    results_->verticalHeader()->setDefaultSectionSize(results_->fontMetrics().height() + 6);
    results_->setFixedHeight(results_->horizontalHeader()->sizeHint().height() +
                             4 * results_->verticalHeader()->defaultSectionSize() + 4);
    connect(sample_, &QLineEdit::textChanged, this, [this] { refresh(); });

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(sample_);
    layout->addLayout(row);
    layout->addWidget(results_);
}

void CTryItBox::setType(PagerType type) {
    type_ = std::move(type);
    refresh();
}

void CTryItBox::refresh() {
    const auto message = toCp932(sample_->text());
    const auto results = tryEncode(type_, message.value_or(std::string()));
    for (int mode = 0; mode < 4; ++mode) {
        const TryResult& r = results[static_cast<std::size_t>(mode)];
        // Text the code page cannot hold cannot be sent at all.
        const bool error = !message || r.count < 0;
        QStringList parts;
        for (const std::string& part : r.parts)
            parts << fromCp932(part);
        const QString texts[] = {error ? QStringLiteral("error")
                                       : QStringLiteral("%1/%2").arg(r.count).arg(type_.MsgCount),
                                 error ? QString() : QString::number(r.parts.size()),
                                 error ? QString() : parts.join(QStringLiteral(" | "))};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(texts[column]);
            results_->setItem(mode, column, item);
        }
    }
}

} // namespace tonalink
