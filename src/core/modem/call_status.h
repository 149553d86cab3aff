#pragma once

#include <string>
#include <string_view>

namespace tonalink {

// The call progress, as its status line shows it.
enum class CallStatus {
    Initialising,    // "初期化中"
    Dialling,        // "ダイヤル中"
    SendingMessage,  // "メッセージ送信中"
    Disconnecting,   // "切断処理中"
    WaitingToRedial, // "リダイヤル待機中"
};

// "ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。" as CP932 bytes: shown with the
// exclamation icon when a timer cannot be started.
extern const std::string_view kNoTimerMessage;

} // namespace tonalink
