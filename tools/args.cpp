#include "args.h"

#include <algorithm>
#include <charconv>

namespace quillo {

std::map<std::string, std::string> ParseOptions(const std::vector<std::string>& args,
                                                const std::vector<std::string>& allowed)
{
    std::map<std::string, std::string> out;
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (name.rfind("--", 0) != 0 || std::find(allowed.begin(), allowed.end(), name.substr(2)) == allowed.end())
            throw UsageError("unknown option '" + name + "'");
        if (i + 1 >= args.size()) throw UsageError("option '" + name + "' needs a value");
        if (!out.emplace(name.substr(2), args[i + 1]).second) throw UsageError("option '" + name + "' given twice");
    }
    return out;
}

int64_t ParseInteger(const std::string& text, int64_t min, int64_t max, const std::string& what)
{
    int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
        throw UsageError(what + " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
                         ", not '" + text + "'");
    return value;
}

std::pair<int, int> ParseSize(const std::string& text, int min, int max, const std::string& what)
{
    const size_t x = text.find('x');
    if (x == std::string::npos) throw UsageError(what + " must look like WIDTHxHEIGHT, not '" + text + "'");
    return {static_cast<int>(ParseInteger(text.substr(0, x), min, max, what + " width")),
            static_cast<int>(ParseInteger(text.substr(x + 1), min, max, what + " height"))};
}

}  // namespace quillo
