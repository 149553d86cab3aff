// `encode`: runs the encoder as the form's preview does and builds the send
// commands as a send does, printing everything as one JSON object.
#include "cli_support.h"
#include "core/common/cp932.h"
#include "core/encoder/preview.h"
#include "json_writer.h"

namespace tonalink::cli {
namespace {

// The message as CP932. A character CP932 cannot hold cannot be sent: it becomes
// a NUL byte, which no table entry matches and direct mode skips, so the encoder
// stops there exactly as it stops at any other character it cannot send.
std::optional<std::string> messageBytes(const std::string& utf8) {
    std::string bytes;
    std::string_view rest = utf8;
    while (!rest.empty()) {
        cp932::Failure failure{};
        if (auto whole = cp932::fromUtf8(rest, &failure))
            return bytes + *whole;
        auto prefix = cp932::fromUtf8(rest.substr(0, failure.offset));
        if (!prefix)
            return std::nullopt;
        bytes += *prefix;
        bytes += '\0';
        // Skip the one UTF-8 sequence that failed.
        std::size_t skip = 1;
        while (failure.offset + skip < rest.size() &&
               (static_cast<unsigned char>(rest[failure.offset + skip]) & 0xC0) == 0x80)
            ++skip;
        rest.remove_prefix(failure.offset + skip);
    }
    return bytes;
}

} // namespace

int runEncode(const CliContext& ctx, const std::vector<std::string>& args) {
    std::string error;
    auto parsed = ParsedArgs::parse(
        args, {"type", "mode", "call-number", "password", "custom1", "custom2", "custom3"}, &error);
    if (!parsed)
        return ctx.usage(error);
    if (!parsed->has("type") || parsed->positionals().size() != 1)
        return ctx.usage("encode needs --type NAME and one TEXT");
    std::optional<int> mode = parseIntInRange(parsed->value("mode").value_or("0"), 0, 3);
    if (!mode)
        return ctx.usage("--mode must be 0, 1, 2 or 3");

    Settings settings = loadUserSettings();
    auto typeName = optionText(ctx, *parsed, "type");
    auto text = messageBytes(parsed->positionals()[0]);
    auto callNumber = optionText(ctx, *parsed, "call-number");
    auto password = optionText(ctx, *parsed, "password");
    auto custom1 = optionText(ctx, *parsed, "custom1", settings.CustomCommand1);
    auto custom2 = optionText(ctx, *parsed, "custom2", settings.CustomCommand2);
    auto custom3 = optionText(ctx, *parsed, "custom3", settings.CustomCommand3);
    if (!typeName || !text || !callNumber || !password || !custom1 || !custom2 || !custom3)
        return kExitUsage;

    int exitCode = kExitOk;
    auto catalog = loadPagerType(ctx, *typeName, &exitCode);
    if (!catalog)
        return exitCode;
    const PagerType& type = catalog->PagerType;
    EncoderInput input{type, *text, *mode, *custom1, *custom2, *custom3, *callNumber, *password};

    Encoder previewEncoder;
    Preview preview = PreparePreview(previewEncoder, input);
    Encoder encoder;
    int32_t count = encoder.Encode(input);
    Encoder sender;
    bool sendable = sender.BuildSendCommands(input) == 0;

    ctx.out << JsonObject()
                   .number("count", count)
                   .number("msg_count", type.MsgCount)
                   .text("display", preview.CountText)
                   .number("last_part", encoder.LastPart)
                   .texts("parts", encoder.MsgParts)
                   .numbers("part_starts", encoder.PartStarts)
                   .text("encoded", encoder.EncodedMsg)
                   .texts("send_commands", sendable ? sender.MsgParts : std::vector<std::string>())
                   .str()
            << "\n";
    return count < 0 ? kExitNotEncodable : kExitOk;
}

} // namespace tonalink::cli
