#include "record/letter_fold.h"

#include "record/text_codec.h"

#include <array>
#include <string_view>

namespace plenk {

namespace {

// A run of letters from `first` on, each taken apart into a base letter and
// the mark on it. Marks are written as one character each:
//   ` grave  ' acute  ^ circumflex  ~ tilde  - macron  u breve  . dot above
//   : diaeresis  o ring  " double acute  v caron  , cedilla or comma below
//   ; ogonek  / stroke  and a space for a letter without one.
struct Letter_Block {
    char32_t first;
    std::u32string_view bases;
    std::string_view marks;
};

constexpr std::array<Letter_Block, 4> blocks = {{
    // Latin-1: the letters the code page holds, which a fold may end on.
    {0x00C0, U"AAAAAAÆCEEEEIIIIÐNOOOOO×OUUUUYÞßaaaaaaæceeeeiiiiðnooooo÷ouuuuyþy",
     "`'^~:o ,`'^:`'^: ~`'^~: /`'^:'  `'^~:o ,`'^:`'^: ~`'^~: /`'^:' :"},
    // Latin Extended-A; Œ œ Š š Ÿ Ž ž are in the code page as well.
    {0x0100,
     U"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlLlLlNnNnNnnNnOoOo"
     U"OoŒœRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs",
     "--uu;;''^^..vvvv//--uu..;;vv^^uu..,,^^//~~--uu;;.   ^^,, '',,vv  //'',,vv   --uu"
     "\"\"  '',,vv''^^,,vv,,vv//~~--uuoo\"\";;^^^^:''..vv "},
    // Latin Extended-B: the pinyin vowels with a caron, and ü with a tone.
    {0x01CD, U"AaIiOoUuÜüÜüÜüÜü", "vvvvvvvv--''vv``"},
    // Latin Extended-B: Romanian ș and ț.
    {0x0218, U"SsTt", ",,,,"},
}};

// Double acute is the long form of the umlaut: ő is nearest to ö.
constexpr char double_acute = '"', diaeresis = ':', no_mark = ' ';

constexpr char32_t combining_first = 0x0300;
constexpr std::string_view combining_marks = "`'^~- u.: o\"v"; // U+0300..U+030C
constexpr char32_t combining_cedilla = 0x0327, combining_ogonek = 0x0328;

bool in_code_page(char32_t c) {
    return c == '?' || to_windows_1252(c) != '?';
}

struct Parts {
    char32_t base = 0;
    char mark = no_mark;
};

Parts parts_of(char32_t c) {
    for (const Letter_Block &block : blocks)
        if (c >= block.first && c - block.first < block.bases.size())
            return {block.bases[c - block.first], block.marks[c - block.first]};
    return {};
}

// The code page's letter that is `base` with `mark`, or 0.
char32_t compose(char32_t base, char mark) {
    for (const Letter_Block &block : blocks)
        for (std::size_t i = 0; i < block.bases.size(); ++i)
            if (block.bases[i] == base && block.marks[i] == mark &&
                in_code_page(block.first + static_cast<char32_t>(i)))
                return block.first + static_cast<char32_t>(i);
    return 0;
}

// The mark a combining character puts on the letter before it.
char combining_mark(char32_t c) {
    if (c >= combining_first && c - combining_first < combining_marks.size())
        return combining_marks[c - combining_first];
    if (c == combining_cedilla)
        return ',';
    if (c == combining_ogonek)
        return ';';
    return no_mark;
}

bool is_combining(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE20 && c <= 0xFE2F);
}

// `base` with `mark` as the code page holds it, else its nearest with a
// mark, or 0 when it has neither.
char32_t with_mark(char32_t base, char mark) {
    if (const char32_t letter = compose(base, mark))
        return letter;
    return mark == double_acute ? compose(base, diaeresis) : 0;
}

// The nearest letter the code page holds, or '?'.
char32_t nearest(char32_t c) {
    if (in_code_page(c))
        return c;
    const Parts parts = parts_of(c);
    if (parts.base == 0)
        return '?';
    const char32_t letter = with_mark(parts.base, parts.mark);
    return letter != 0 ? letter : parts.base;
}

} // namespace

Folded_Text fold_to_windows_1252(const std::vector<char32_t> &characters) {
    Folded_Text out;
    std::vector<char32_t> letters;
    for (char32_t c : characters) {
        if (is_combining(c)) {
            // The mark joins the bare letter before it as the code page's one
            // letter, or its nearest (o and a double acute as ö); otherwise
            // the letter stays bare.
            const char mark = combining_mark(c);
            const bool joins =
                mark != no_mark && !letters.empty() && parts_of(letters.back()).mark == no_mark;
            const char32_t joined = joins ? with_mark(letters.back(), mark) : 0;
            out.exact = out.exact && joined != 0 && joined == compose(letters.back(), mark);
            if (joined != 0)
                letters.back() = joined;
            continue;
        }
        const char32_t letter = nearest(c);
        out.exact = out.exact && letter == c;
        letters.push_back(letter);
    }
    for (char32_t letter : letters)
        out.bytes.push_back(to_windows_1252(letter));
    return out;
}

} // namespace plenk
