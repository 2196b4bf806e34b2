#pragma once

#include <cstdint>
#include <vector>

namespace plenk {

// Text in Windows-1252 as near as it can be: a letter the code page lacks
// becomes the nearest it has (Ł → L, ő → ö, ș → s), a letter followed by a
// combining mark becomes the one letter when the code page has it, and any
// other character it cannot hold becomes '?'.
struct Folded_Text {
    std::vector<uint8_t> bytes; // one per letter, marks merged into it
    bool exact = true;          // false when anything was changed or dropped
};
Folded_Text fold_to_windows_1252(const std::vector<char32_t> &characters);

} // namespace plenk
