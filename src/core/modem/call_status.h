#pragma once

#include <string>
#include <string_view>

namespace tonalink {

// What the call progress shows in its status line.
enum class CallStatus {
    Initialising,    // "初期化中"
    Dialling,        // "ダイヤル中"
    SendingMessage,  // "メッセージ送信中"
    Disconnecting,   // "切断処理中"
    WaitingToRedial, // "リダイヤル待機中"
};

// The status text as CP932 bytes.
std::string_view callStatusText(CallStatus status);

// "ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。" as CP932 bytes: shown with the
// exclamation icon when a timer cannot be started.
extern const std::string_view kNoTimerMessage;

// "回線エラーのため送信を中止しました。" as CP932 bytes, then, when the line named
// one, "\n応答 ： " and its reason (the modem's reply): shown with the exclamation
// icon when the line ended a call.
std::string lineFailureText(std::string_view reason);

} // namespace tonalink
