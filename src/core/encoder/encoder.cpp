#include "core/encoder/encoder.h"

#include <string>

namespace tonalink {

namespace {

constexpr int32_t kModeDigits = 1;
constexpr int32_t kModeFreeWordsOnly = 2;
constexpr int32_t kModeDirect = 3;

constexpr std::string_view kDirectDigits = "0123456789*#,";

std::string_view withoutLeadingBlanks(std::string_view code) {
    std::size_t start = code.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : code.substr(start);
}

} // namespace

int32_t Encoder::Encode(const EncoderInput& input) {
    input_ = &input;
    MsgParts.assign(1, std::string());
    LastPart = 0;
    counted_.reset(input.Type.AsCount);
    PartStarts.assign(1, 0);
    PhraseRun = 0;

    const std::string_view text = input.MessageText;
    const auto n = static_cast<int32_t>(text.size());
    int32_t status =
        input.MessageMode == kModeDirect ? EncodeDirect(text, n) : EncodeWithTables(text);
    input_ = nullptr;
    if (status != 0) {
        return -1;
    }
    PartStarts.push_back(n);
    EncodedMsg.clear();
    for (const std::string& part : MsgParts) {
        EncodedMsg += part;
    }
    return CountDigits(EncodedMsg, input.Type.AsCount);
}

int32_t Encoder::EncodeWithTables(std::string_view text) {
    const PagerType& type = input_->Type;
    phrases_.refresh(type.FormStyles);
    freeWords_.refresh(type.FreeWords);
    numbers_.refresh(type.NumberWords);

    bool numberMode = input_->MessageMode == kModeDigits;
    int32_t runCounter = 0;
    const auto n = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < n; ++i) {
        const std::string_view rest = text.substr(static_cast<std::size_t>(i));
        int32_t consumed = MatchPhrase(rest, i);
        if (consumed != 0) {
            i += consumed - 1;
            runCounter = 0;
            ++PhraseRun;
            continue;
        }
        if (!numberMode) {
            PhraseRun = 0;
            if (runCounter == 0 && !IsModeSwitch(text[i])) {
                if (HasRoom(4) == -1) {
                    StartJoinedPart(i);
                }
                Append(type.FreeStartCmd);
            }
            int32_t r = MatchFreeWord(rest, i);
            if (r == -1) {
                return -1;
            }
            if (r == 0) {
                numberMode = true;
            }
            ++runCounter;
            if (r > 1) {
                ++i; // a double-byte character; longer texts still advance by two
            }
        } else {
            if (type.FormContSw == 1 && PhraseRun > 0) {
                if (HasRoom(3) == -1) {
                    StartPart(i);
                } else {
                    Append(type.FreeEndCmd);
                }
            }
            int32_t r = MatchNumber(text[i], i);
            if (r == -1) {
                return -1;
            }
            if (r == 0) {
                numberMode = false;
                runCounter = 0;
            }
        }
    }
    return 0;
}

int32_t Encoder::HasRoom(std::size_t extra) const {
    const PagerType& type = input_->Type;
    int64_t limit = type.MsgJoinSw == 1 ? int64_t{type.MsgCount} - 2 : int64_t{type.MsgCount};
    return counted_.total() + static_cast<int64_t>(extra) > limit ? -1 : 0;
}

int32_t Encoder::MatchPhrase(std::string_view rest, int32_t pos) {
    if (input_->MessageMode == kModeFreeWordsOnly) {
        return 0;
    }
    if (rest.size() >= 3 && rest[0] == '<' && rest[1] >= '1' && rest[1] <= '3' && rest[2] == '>') {
        const std::string_view commands[] = {input_->CustomCommand1, input_->CustomCommand2,
                                             input_->CustomCommand3};
        std::string_view cmd = commands[rest[1] - '1'];
        if (cmd.empty()) {
            return 0; // and no fixed phrase is tried here
        }
        if (HasRoom(cmd.size()) == -1) {
            StartPart(pos);
        }
        Append(cmd);
        PhraseRun = -1; // reads 0 once the caller counts this command
        return 3;
    }

    std::size_t found = phrases_.firstPrefixOf(rest);
    if (found == EntryIndex::npos) {
        return 0;
    }
    const PagerType& type = input_->Type;
    const TableEntry& entry = type.FormStyles[found];
    if (type.FormContSw == 1 && PhraseRun == 0) {
        if (HasRoom(entry.code.size() + 2) == -1) {
            StartPart(pos);
        }
        Append(type.FormContStartCmd);
    } else if (type.FormContSw == 1) {
        if (HasRoom(entry.code.size()) == -1) {
            StartPart(pos);
            Append(type.FormContStartCmd);
        }
    } else {
        if (HasRoom(entry.code.size() + 2) == -1) {
            StartPart(pos);
        }
        Append(type.FormStartCmd);
    }
    Append(entry.code);
    return static_cast<int32_t>(entry.text.size());
}

int32_t Encoder::MatchFreeWord(std::string_view rest, int32_t pos) {
    const PagerType& type = input_->Type;
    if (!type.FreeToSuzi.empty() && rest.starts_with(type.FreeToSuzi)) {
        if (HasRoom(1) == -1) {
            StartPart(pos);
        } else {
            PhraseRun = 0;
            Append(type.FreeEndCmd);
        }
        return 0;
    }
    std::size_t found = freeWords_.firstPrefixOf(rest);
    if (found == EntryIndex::npos) {
        return -1;
    }
    const TableEntry& entry = type.FreeWords[found];
    if (HasRoom(entry.code.size()) == -1) {
        StartJoinedPart(pos);
        Append(type.FreeStartCmd);
    }
    Append(entry.code);
    return static_cast<int32_t>(entry.text.size());
}

int32_t Encoder::MatchNumber(char ch, int32_t pos) {
    const PagerType& type = input_->Type;
    if (IsModeSwitch(ch)) {
        if (HasRoom(1) == -1) {
            StartPart(pos);
        } else {
            PhraseRun = 0;
        }
        return 0;
    }
    std::size_t found = numbers_.firstExactly(ch);
    if (found == EntryIndex::npos) {
        return -1;
    }
    const std::string& code = type.NumberWords[found].code;
    if (HasRoom(code.size()) == -1) {
        StartJoinedPart(pos);
    }
    Append(withoutLeadingBlanks(code));
    return static_cast<int32_t>(found) + 1;
}

int32_t Encoder::EncodeDirect(std::string_view text, int32_t length) {
    LastPart = 0;
    bool allCounted = true;
    for (int32_t i = 0; i < length; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (kDirectDigits.find(c) == std::string_view::npos) {
            allCounted = false; // skipped, but the rest still goes into parts
            continue;
        }
        if (HasRoom(1) == -1) {
            StartPart(i);
        }
        Append(std::string_view(&c, 1));
    }
    return allCounted ? 0 : -1;
}

void Encoder::Append(std::string_view codes) {
    MsgParts[static_cast<std::size_t>(LastPart)].append(codes);
    counted_.append(codes);
}

void Encoder::StartPart(int32_t pos) {
    MsgParts.emplace_back();
    PartStarts.push_back(pos);
    ++LastPart;
    PhraseRun = 0;
    counted_.reset();
}

void Encoder::StartJoinedPart(int32_t pos) {
    const PagerType& type = input_->Type;
    const bool joined = type.MsgJoinSw == 1;
    if (joined) {
        Append(type.MsgJoinFrontCmd + std::to_string(LastPart + 1));
    }
    StartPart(pos);
    if (joined) {
        Append(std::to_string(LastPart) + type.MsgJoinAfterCmd);
    }
}

bool Encoder::IsModeSwitch(char ch) const {
    const std::string& key = input_->Type.FreeToSuzi;
    return key.size() == 1 && key[0] == ch;
}

} // namespace tonalink
