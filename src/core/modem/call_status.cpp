#include "core/modem/call_status.h"

namespace tonalink {

std::string_view callStatusText(CallStatus status) {
    switch (status) {
    case CallStatus::Initialising:
        return "\x8f\x89\x8a\xfa\x89\xbb\x92\x86"; // 初期化中
    case CallStatus::Dialling:
        return "\x83\x5f\x83\x43\x83\x84\x83\x8b\x92\x86"; // ダイヤル中
    case CallStatus::SendingMessage:
        return "\x83\x81\x83\x62\x83\x5a\x81\x5b\x83\x57\x91\x97\x90\x4d\x92\x86"; // メッセージ送信中
    case CallStatus::Disconnecting:
        return "\x90\xd8\x92\x66\x8f\x88\x97\x9d\x92\x86"; // 切断処理中
    case CallStatus::WaitingToRedial:
        return "\x83\x8a\x83\x5f\x83\x43\x83\x84\x83\x8b\x91\xd2\x8b\x40\x92\x86"; // リダイヤル待機中
    }
    return {};
}

// ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。
const std::string_view kNoTimerMessage =
    "\xb3\xa8\xdd\xc4\xde\xb3\x93\xe0\x82\xc5\x97\x98\x97\x70\x89\xc2\x94\x5c\x82\xc8\xc0\xb2\xcf"
    "\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42";

} // namespace tonalink
