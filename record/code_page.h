#pragma once

#include <cstdint>
#include <vector>

namespace plenk {

// Text in Windows-1252 as near as it can be, through ICU: a letter of
// another script becomes its Latin letters (Иван → Ivan, 日本 → rì ben), a
// letter the code page lacks becomes the nearest it has (Ł → L, ő → ö,
// ș → s), a letter followed by a combining mark becomes the one letter when
// the code page has it, and any other character it cannot hold becomes '?'.
struct Folded_Text {
    std::vector<uint8_t> bytes; // one per letter kept, marks merged into it
    bool exact = true;          // false when anything was changed or dropped
};
Folded_Text fold_to_windows_1252(const std::vector<char32_t> &characters);

// The character of a byte of the code page. Its five unassigned bytes read
// as the C1 controls of the same number, as Windows reads them, so every
// byte survives a trip to text and back.
char32_t from_windows_1252(uint8_t byte);

} // namespace plenk
