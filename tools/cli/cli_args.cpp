#include "cli_args.h"

#include <charconv>

namespace tonalink::cli {

std::optional<ParsedArgs> ParsedArgs::parse(const std::vector<std::string>& args,
                                            const std::set<std::string>& valueOptions,
                                            std::string* error) {
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            parsed.positionals_.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (!valueOptions.count(name)) {
            *error = "unknown option --" + name;
            return std::nullopt;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                *error = "option --" + name + " needs a value";
                return std::nullopt;
            }
            inlineValue = args[++i];
        }
        parsed.values_[name] = *inlineValue;
    }
    return parsed;
}

std::optional<std::string> ParsedArgs::value(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::optional<int> parseIntInRange(const std::string& text, int min, int max) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace tonalink::cli
