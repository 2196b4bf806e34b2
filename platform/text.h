#pragma once

#include <string>
#include <vector>

namespace plenk {

// A text for the player as the code writes it, in English, with what fills
// it. It is put into the player's language only where it reaches the
// toolkit, found there by its context and source, as the translation files
// hold them.
struct Text {
    Text() = default;
    // Shown as it is in every language: a name, a number, a path.
    Text(std::string verbatim) : source(std::move(verbatim)) {}
    Text(const char *verbatim) : source(verbatim) {}
    // A text marked for translation (text_marker.h).
    Text(const char *context, const char *english) : context(context), source(english) {}

    const char *context = nullptr; // none for a verbatim text
    std::string source;
    std::vector<Text> args; // fill %1, %2, ..., each in the player's language
    int count = -1;         // fills %n and picks the plural form; -1 for none
};

// `text` with %1, %2, ... filled by `args`.
Text with_args(Text text, std::vector<Text> args);
// `text` with %n filled by `count`, which also picks the plural form.
Text with_count(Text text, int count);

// `pattern` with each %1..%9 that has an argument replaced by it, in one
// pass: what an argument holds is never read as a place for another.
std::string fill(const std::string &pattern, const std::vector<std::string> &args);

} // namespace plenk
