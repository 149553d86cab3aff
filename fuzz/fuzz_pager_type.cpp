// Pager types and the encoder over them: call.dat read directly and through the
// catalog agree; a message encodes in all four modes with parts that add up to
// the whole, start where they say, count as the counting rule says and come out
// the same from a reused encoder as from a fresh one; the fast entry lookup picks
// what a linear scan would; the send commands wrap exactly the encoded parts.
//
// Input: the send (a length byte and that many bytes: type choice, the three
// custom commands, call number, password, message), then call.dat.
#include "core/encoder/encoder.h"
#include "core/encoder/preview.h"
#include "core/pagerdata/pager_type_catalog.h"
#include "fuzz_support.h"
#include "profile_reference.h"

#include <algorithm>

namespace {

using namespace tonalink;
using fuzz::FuzzInput;

bool sameEntries(const std::vector<TableEntry>& a, const std::vector<TableEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.raw == y.raw && x.code == y.code && x.text == y.text &&
               x.bracketed == y.bracketed && x.matchable == y.matchable;
    });
}

bool sameType(const PagerType& a, const PagerType& b) {
    return a.FreeStartCmd == b.FreeStartCmd && a.FreeEndCmd == b.FreeEndCmd &&
           a.FormStartCmd == b.FormStartCmd && a.FormEndCmd == b.FormEndCmd &&
           a.MsgEndCmd == b.MsgEndCmd && a.MsgCount == b.MsgCount && a.FreeToSuzi == b.FreeToSuzi &&
           a.FormContSw == b.FormContSw && a.FormContStartCmd == b.FormContStartCmd &&
           a.MsgJoinSw == b.MsgJoinSw && a.MsgJoinFrontCmd == b.MsgJoinFrontCmd &&
           a.MsgJoinAfterCmd == b.MsgJoinAfterCmd && a.WaitTime == b.WaitTime &&
           a.CutTime == b.CutTime && a.MsgCancelCmd == b.MsgCancelCmd &&
           a.PassWordSw == b.PassWordSw && a.PbOrPhsSw == b.PbOrPhsSw &&
           a.PhsCallEnd == b.PhsCallEnd && a.AsCount == b.AsCount &&
           sameEntries(a.FormStyles, b.FormStyles) && sameEntries(a.FreeWords, b.FreeWords) &&
           sameEntries(a.NumberWords, b.NumberWords);
}

void checkEntries(const std::vector<TableEntry>& entries) {
    for (const TableEntry& e : entries) {
        // The first ']' that is a character of its own, never a second byte.
        const std::size_t close = fuzz::firstCharAt(e.raw, ']');
        FUZZ_CHECK(e.bracketed == (close != std::string::npos));
        if (close == std::string::npos || close == 0) {
            FUZZ_CHECK(e.code.empty());
            continue;
        }
        FUZZ_CHECK(e.code.size() + 1 == close && e.raw.substr(1) == e.code + "]" + e.text);
        FUZZ_CHECK(e.matchable == !e.text.empty());
    }
}

// The counting rule written out: '#' never counts; with AsCount 0 every '*'
// is taken off and every "**" pair put back.
int64_t countedDigits(std::string_view codes, int32_t asCount) {
    int64_t n = static_cast<int64_t>(codes.size()) - std::count(codes.begin(), codes.end(), '#');
    if (asCount == 0) {
        n -= std::count(codes.begin(), codes.end(), '*');
        for (std::size_t j = 0; j + 1 < codes.size(); ++j)
            n += codes[j] == '*' && codes[j + 1] == '*';
    }
    return n;
}

void checkLookup(const std::vector<TableEntry>& entries, std::string_view text) {
    EntryIndex index;
    index.refresh(entries);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        std::size_t linear = EntryIndex::npos;
        for (std::size_t e = 0; e < entries.size() && linear == EntryIndex::npos; ++e)
            if (entries[e].matchable && rest.starts_with(entries[e].text))
                linear = e;
        FUZZ_CHECK(index.firstPrefixOf(rest) == linear);
    }
}

void checkEncoding(const PagerType& type, const PagerType& other, const EncoderInput& base) {
    for (int32_t mode = 0; mode < 4; ++mode) {
        EncoderInput input = base;
        input.MessageMode = mode;
        Encoder fresh;
        const int32_t result = fresh.Encode(input);
        FUZZ_CHECK(fresh.MsgParts.size() == static_cast<std::size_t>(fresh.LastPart) + 1);
        const auto n = static_cast<int32_t>(input.MessageText.size());
        const std::vector<int32_t>& starts = fresh.PartStarts;
        FUZZ_CHECK(starts.size() == fresh.MsgParts.size() + (result < 0 ? 0 : 1));
        FUZZ_CHECK(starts.front() == 0 && std::is_sorted(starts.begin(), starts.end()));
        FUZZ_CHECK(starts.back() <= n);
        std::string joined;
        for (const std::string& part : fresh.MsgParts)
            joined += part;
        if (mode == 3) {
            std::string digits(input.MessageText);
            std::erase_if(digits, [](char c) {
                return std::string_view("0123456789*#,").find(c) == std::string_view::npos;
            });
            FUZZ_CHECK(joined == digits);
            FUZZ_CHECK((result < 0) == (digits.size() != input.MessageText.size()));
        }
        if (result >= 0) {
            FUZZ_CHECK(starts.back() == n);
            FUZZ_CHECK(fresh.EncodedMsg == joined);
            FUZZ_CHECK(result == countedDigits(joined, type.AsCount));
        }

        // A reused encoder, last run over another type, gives the same parts.
        Encoder reused;
        EncoderInput before = input;
        const EncoderInput overOther{other,
                                     input.MessageText,
                                     mode,
                                     input.CustomCommand1,
                                     input.CustomCommand2,
                                     input.CustomCommand3,
                                     input.CallNumber,
                                     input.CallPassword};
        reused.Encode(overOther);
        FUZZ_CHECK(reused.Encode(before) == result);
        FUZZ_CHECK(reused.MsgParts == fresh.MsgParts && reused.PartStarts == fresh.PartStarts);

        Encoder sender;
        FUZZ_CHECK((sender.BuildSendCommands(input) < 0) == (result < 0));
        if (result >= 0) {
            FUZZ_CHECK(sender.MsgParts.size() == fresh.MsgParts.size());
            std::string head;
            if (type.PbOrPhsSw == 1)
                head = std::string(input.CallNumber) + (type.PhsCallEnd != 0 ? "#" : "") + ",,,";
            if (!input.CallPassword.empty())
                head += std::string(input.CallPassword) + ",";
            for (std::size_t k = 0; k < fresh.MsgParts.size(); ++k)
                FUZZ_CHECK(sender.MsgParts[k] == head + fresh.MsgParts[k] + type.MsgEndCmd);
        }

        Encoder previewer;
        const Preview preview = PreparePreview(previewer, input);
        const std::string limit = "/" + std::to_string(type.MsgCount);
        if (input.MessageText.empty())
            FUZZ_CHECK(preview.CountText == "0" + limit);
        else
            FUZZ_CHECK(preview.CountText ==
                       (result < 0 ? "error" : std::to_string(result) + limit));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    FuzzInput send = in.sub();
    const std::string bytes = in.rest();
    const auto file = ProfileFile::fromBytes(bytes);
    if (!file)
        return 0;
    const std::vector<std::string> names = file->sectionNames();
    const uint8_t choice = send.byte();
    const std::string name = names.empty() ? std::string() : names[choice % names.size()];
    const std::string otherName =
        names.empty() ? std::string() : names[(choice / 16) % names.size()];
    // No name chosen loads no section, even where an unlisted "[]" is there.
    auto typeNamed = [&](const std::string& n) {
        return readPagerType(n.empty() ? ProfileSection() : file->section(n));
    };
    const PagerType type = typeNamed(name);
    const PagerType other = typeNamed(otherName);
    checkEntries(type.FormStyles);
    checkEntries(type.FreeWords);
    checkEntries(type.NumberWords);

    // The catalog finds the file, lists the same names and loads the same type.
    PagerTypeCatalog catalog(fuzz::emptyScratchFolder("types"));
    fuzz::scratchFile("types/CALL.DAT", bytes);
    FUZZ_CHECK(catalog.ListPagerTypes(false) == 0);
    FUZZ_CHECK(catalog.PagerTypeNames == names);
    catalog.LoadPagerType(name);
    FUZZ_CHECK(sameType(catalog.PagerType, type));

    const std::string custom1 = send.text(), custom2 = send.text(), custom3 = send.text();
    const std::string number = send.text(), password = send.text(), message = send.text();
    checkLookup(type.FreeWords, message);
    checkLookup(type.FormStyles, message);
    checkEncoding(type, other, {type, message, 0, custom1, custom2, custom3, number, password});
    return 0;
}
