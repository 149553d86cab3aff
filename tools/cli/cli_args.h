#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tonalink::cli {

// Options of one command: "--name VALUE" pairs and positional arguments; "--"
// ends the options so that a text may begin with '-'.
class ParsedArgs {
public:
    // Parses args against the options that take a value; any other "--x" is an error.
    static std::optional<ParsedArgs> parse(const std::vector<std::string>& args,
                                           const std::set<std::string>& valueOptions,
                                           std::string* error);

    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> value(const std::string& name) const;
    const std::vector<std::string>& positionals() const { return positionals_; }

private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> positionals_;
};

// A whole decimal number in [min, max], or nothing.
std::optional<int> parseIntInRange(const std::string& text, int min, int max);

} // namespace tonalink::cli
