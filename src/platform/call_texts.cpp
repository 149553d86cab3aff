// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/call_texts.h"

#include "core/common/cp932.h"

#include <QCoreApplication>

namespace tonalink {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("CallTexts", text);
}

} // namespace

QString callStatusLabel(CallStatus status) {
    switch (status) {
    case CallStatus::Initialising:
        return translated(QT_TRANSLATE_NOOP("CallTexts", "初期化中"));
    case CallStatus::Dialling:
        return translated(QT_TRANSLATE_NOOP("CallTexts", "ダイヤル中"));
    case CallStatus::SendingMessage:
        return translated(QT_TRANSLATE_NOOP("CallTexts", "メッセージ送信中"));
    case CallStatus::Disconnecting:
        return translated(QT_TRANSLATE_NOOP("CallTexts", "切断処理中"));
    case CallStatus::WaitingToRedial:
        return translated(QT_TRANSLATE_NOOP("CallTexts", "リダイヤル待機中"));
    }
    return {};
}

QString callWarningText(const std::string& cp932) {
    // The call's one warning; anything else is shown as it came.
    QT_TRANSLATE_NOOP("CallTexts", "ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。");
    const std::string utf8 = cp932::toUtf8Lossy(cp932);
    return translated(utf8.c_str());
}

QString lineFailureMessage(const std::string& reason) {
    QString text =
        translated(QT_TRANSLATE_NOOP("CallTexts", "回線エラーのため送信を中止しました。"));
    if (!reason.empty())
        text += QLatin1Char('\n') + translated(QT_TRANSLATE_NOOP("CallTexts", "応答 ： %1"))
                                        .arg(QString::fromStdString(cp932::toUtf8Lossy(reason)));
    return text;
}

} // namespace tonalink
