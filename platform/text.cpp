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

} // namespace plenk
