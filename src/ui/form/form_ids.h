#pragma once

// Control ids of the main form (template 101); tests and handlers address the
// controls by them. The command ids live in app/command_ids.h.
namespace tonalink::form_id {

inline constexpr int kCalleeCaption = 107;
inline constexpr int kCallNumber = 108;
inline constexpr int kCentreNumber = 110;
inline constexpr int kPassword = 226;
inline constexpr int kPasswordLabel = 227;
inline constexpr int kPhoneBook = 127;
inline constexpr int kClearCallee = 116;
inline constexpr int kPagerType = 268;
inline constexpr int kMessageMode = 285;
inline constexpr int kCount = 114;
inline constexpr int kMessage = 109;
inline constexpr int kCodePreview = 194;
inline constexpr int kPhrases = 152;
inline constexpr int kAddPhrase = 111;
inline constexpr int kClearMessage = 106;
inline constexpr int kView = 245;
inline constexpr int kSend = 104;
inline constexpr int kReserve = 165;
inline constexpr int kBroadcast = 166;
inline constexpr int kCustom1 = 257;
inline constexpr int kCustom2 = 258;
inline constexpr int kCustom3 = 259;

inline constexpr int kCallNumberLimit = 20;
inline constexpr int kPasswordLimit = 4;
// What a multi-line edit of the system holds at most, in UTF-16 units.
inline constexpr int kMessageLimit = 32767;

} // namespace tonalink::form_id
