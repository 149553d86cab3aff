#pragma once

#include "core/encoder/digit_count.h"
#include "core/encoder/entry_index.h"
#include "core/encoder/message_parts.h"
#include "core/pagerdata/pager_type.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tonalink {

// Everything one encoding or send-command build reads, passed in by the caller.
// All texts are CP932 bytes and must outlive the call.
struct EncoderInput {
    const PagerType& Type;
    std::string_view MessageText{};
    int32_t MessageMode = 0; // 0 free words + phrases, 1 digits + phrases, 2 free words, 3 direct
    std::string_view CustomCommand1{};
    std::string_view CustomCommand2{};
    std::string_view CustomCommand3{};
    std::string_view CallNumber{};
    std::string_view CallPassword{};
};

// Turns a message into the digit codes of a pager type, cut into parts that each
// fit one call, and wraps the parts into complete send strings. Its outputs are
// the MessageParts fields; every run starts again from the whole message.
class Encoder : public MessageParts {
public:
    // Rises with each fixed phrase or custom command in a row; decides the
    // continuation commands when phrases are joined.
    int32_t PhraseRun = 0;

    // Counted digits of EncodedMsg, or -1 when the message holds a character the
    // pager type cannot send; then MsgParts and PartStarts hold what was built up
    // to that character and EncodedMsg keeps its previous value.
    int32_t Encode(const EncoderInput& input);

    // Encodes afresh and wraps every part into the code string of one call:
    // centre wrapper, password, codes, MsgEndCmd. 0, or -1 when encoding fails.
    int32_t BuildSendCommands(const EncoderInput& input);

    static int32_t CountDigits(std::string_view codes, int32_t asCount) {
        return tonalink::CountDigits(codes, asCount);
    }

private:
    int32_t HasRoom(std::size_t extra) const;
    int32_t MatchPhrase(std::string_view rest, int32_t pos);
    int32_t MatchFreeWord(std::string_view rest, int32_t pos);
    int32_t MatchNumber(char ch, int32_t pos);
    int32_t EncodeDirect(std::string_view text, int32_t length);
    int32_t EncodeWithTables(std::string_view text);

    void Append(std::string_view codes);
    void StartPart(int32_t pos);
    // A split that carries the join headers when the type numbers its parts.
    void StartJoinedPart(int32_t pos);
    bool IsModeSwitch(char ch) const;

    const EncoderInput* input_ = nullptr;
    RunningDigitCount counted_; // of MsgParts[LastPart]
    EntryIndex phrases_;
    EntryIndex freeWords_;
    EntryIndex numbers_;
};

} // namespace tonalink
