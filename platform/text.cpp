#include "platform/text.h"

namespace plenk {

Text with_args(Text text, std::vector<Text> args) {
    text.args = std::move(args);
    return text;
}

Text with_count(Text text, int count) {
    text.count = count;
    return text;
}

std::string fill(const std::string &pattern, const std::vector<std::string> &args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t k =
            i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '0') : 0;
        if (pattern[i] == '%' && k >= 1 && k <= 9 && k <= args.size()) {
            out += args[k - 1];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string english(const Text &text) {
    std::string pattern = text.source;
    if (text.count >= 0) {
        for (std::size_t at; (at = pattern.find("%n")) != std::string::npos;)
            pattern.replace(at, 2, std::to_string(text.count));
        for (std::size_t at; (at = pattern.find("(s)")) != std::string::npos;)
            pattern.replace(at, 3, text.count == 1 ? "" : "s");
    }
    std::vector<std::string> args;
    for (const Text &arg : text.args)
        args.push_back(english(arg));
    return fill(pattern, args);
}

} // namespace plenk
