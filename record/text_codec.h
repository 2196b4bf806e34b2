#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plenk {

// The characters of a UTF-8 text. Each maximal run of bytes that is not
// well-formed UTF-8 becomes one U+FFFD, so no input is refused.
std::vector<char32_t> decode_utf8(std::string_view text);
void append_utf8(std::string &out, char32_t character);

// Windows-1252, the code page the record's name is held in. A character it
// cannot hold becomes '?'. Its five unassigned bytes read as the C1 controls
// of the same number, as Windows reads them, so every byte survives a trip
// to text and back.
uint8_t to_windows_1252(char32_t character);
char32_t from_windows_1252(uint8_t byte);

} // namespace plenk
