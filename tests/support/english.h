#pragma once

#include "platform/text.h"

#include <string>

namespace plenk {

// The text in the code's English, as the tests read it. A counted text
// writes its English plural as "(s)" after the word: "%n card(s)".
std::string english(const Text &text);

} // namespace plenk
