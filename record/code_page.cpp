#include "record/code_page.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>

#include <array>
#include <memory>

namespace plenk {

namespace {

// Every script to Latin; then the Hungarian double acute as the umlaut it
// is the long form of (ő is nearer ö than o), which decomposing would lose.
constexpr char16_t to_latin_rules[] = u":: NFC ; :: Any-Latin ; "
                                      u"ő > ö ; Ő > Ö ; ű > ü ; Ű > Ü ; :: NFC ;";

struct Converter_Closer {
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};

// ICU's tables, made once: the code page's converter and its characters,
// and the transliterators. A transliterator ICU cannot make (its data
// missing) is left out: the name then keeps only what the code page holds.
struct Code_Page {
    std::unique_ptr<UConverter, Converter_Closer> converter;
    std::array<char32_t, 256> characters{};
    icu::UnicodeSet held;
    std::unique_ptr<icu::Transliterator> to_latin;
    std::unique_ptr<icu::Transliterator> to_ascii;
    const icu::Normalizer2 *nfc = nullptr;
    const icu::Normalizer2 *nfd = nullptr;

    Code_Page() {
        UErrorCode status = U_ZERO_ERROR;
        converter.reset(ucnv_open("windows-1252", &status));
        ucnv_setSubstChars(converter.get(), "?", 1, &status);
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const char *in = &byte;
            ucnv_resetToUnicode(converter.get());
            status = U_ZERO_ERROR;
            characters[static_cast<std::size_t>(b)] =
                static_cast<char32_t>(ucnv_getNextUChar(converter.get(), &in, in + 1, &status));
            held.add(static_cast<UChar32>(characters[static_cast<std::size_t>(b)]));
        }
        held.freeze();
        UParseError where;
        status = U_ZERO_ERROR;
        to_latin.reset(icu::Transliterator::createFromRules(
            u"Plenk-Latin", icu::UnicodeString(to_latin_rules), UTRANS_FORWARD, where, status));
        if (U_FAILURE(status))
            to_latin.reset();
        status = U_ZERO_ERROR;
        to_ascii.reset(icu::Transliterator::createInstance(u"Latin-ASCII", UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            to_ascii.reset();
        status = U_ZERO_ERROR;
        nfc = icu::Normalizer2::getNFCInstance(status);
        nfd = icu::Normalizer2::getNFDInstance(status);
    }

    bool holds(const icu::UnicodeString &text) const { return held.containsAll(text); }

    // The letter of the code page nearest to `c`, which it does not hold:
    // `c` with as many of its marks as a letter of the code page carries,
    // else its ASCII letters, else '?'.
    icu::UnicodeString nearest(UChar32 c) const {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeString parts = nfd->normalize(icu::UnicodeString(c), status);
        for (int32_t count = parts.countChar32(); count > 0; --count) {
            const icu::UnicodeString prefix(parts, 0, parts.moveIndex32(0, count));
            const icu::UnicodeString letter = nfc->normalize(prefix, status);
            if (letter.countChar32() == 1 && holds(letter))
                return letter;
        }
        if (to_ascii) {
            icu::UnicodeString ascii(c);
            to_ascii->transliterate(ascii);
            if (holds(ascii))
                return ascii;
        }
        return icu::UnicodeString(u'?');
    }
};

const Code_Page &code_page() {
    static const Code_Page page;
    return page;
}

// A combining mark, or a place kept for one in a block of them.
bool is_mark(UChar32 c) {
    if ((U_GET_GC_MASK(c) & (U_GC_MN_MASK | U_GC_ME_MASK | U_GC_MC_MASK)) != 0)
        return true;
    switch (ublock_getCode(c)) {
    case UBLOCK_COMBINING_DIACRITICAL_MARKS:
    case UBLOCK_COMBINING_DIACRITICAL_MARKS_EXTENDED:
    case UBLOCK_COMBINING_DIACRITICAL_MARKS_SUPPLEMENT:
    case UBLOCK_COMBINING_MARKS_FOR_SYMBOLS:
    case UBLOCK_COMBINING_HALF_MARKS:
        return true;
    default:
        return false;
    }
}

} // namespace

Folded_Text fold_to_windows_1252(const std::vector<char32_t> &characters) {
    const Code_Page &page = code_page();
    icu::UnicodeString typed;
    for (char32_t c : characters)
        typed.append(static_cast<UChar32>(c));
    UErrorCode status = U_ZERO_ERROR;
    typed = page.nfc->normalize(typed, status);

    icu::UnicodeString latin = typed;
    if (page.to_latin)
        page.to_latin->transliterate(latin);
    icu::UnicodeString kept;
    for (int32_t i = 0; i < latin.length(); i = latin.moveIndex32(i, 1)) {
        const UChar32 c = latin.char32At(i);
        if (page.held.contains(c))
            kept.append(c);
        else if (!is_mark(c)) // a mark no letter here carries is dropped
            kept.append(page.nearest(c));
    }

    Folded_Text out;
    out.exact = kept == typed;
    out.bytes.resize(static_cast<std::size_t>(kept.length()));
    status = U_ZERO_ERROR;
    const int32_t length = ucnv_fromUChars(
        page.converter.get(), reinterpret_cast<char *>(out.bytes.data()),
        static_cast<int32_t>(out.bytes.size()), kept.getBuffer(), kept.length(), &status);
    out.bytes.resize(static_cast<std::size_t>(length));
    return out;
}

char32_t from_windows_1252(uint8_t byte) {
    return code_page().characters[byte];
}

} // namespace plenk
