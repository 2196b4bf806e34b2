#include "tests/support/english.h"

#include <vector>

namespace plenk {

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
