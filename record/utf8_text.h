#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plenk {

// The characters of a UTF-8 text. Each maximal run of bytes that is not
// well-formed UTF-8 becomes one U+FFFD, so no input is refused.
std::vector<char32_t> decode_utf8(std::string_view text);
void append_utf8(std::string &out, char32_t character);

} // namespace plenk
