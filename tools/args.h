#pragma once
// Strict parsing of quillo-tool's arguments: a value that is not entirely a
// number in range is an error, never a silent zero.

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillo {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "--name value" pairs; an unknown name, a repeated one or a missing value
// throws UsageError.
std::map<std::string, std::string> ParseOptions(const std::vector<std::string>& args,
                                                const std::vector<std::string>& allowed);

int64_t ParseInteger(const std::string& text, int64_t min, int64_t max, const std::string& what);
// "WxH" with both parts in range.
std::pair<int, int> ParseSize(const std::string& text, int min, int max, const std::string& what);

}  // namespace quillo
