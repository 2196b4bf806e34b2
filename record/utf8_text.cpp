#include "record/utf8_text.h"

#include <cstdint>

namespace plenk {

namespace {

constexpr char32_t replacement = 0xFFFD;

bool in_range(uint8_t byte, uint8_t low, uint8_t high) {
    return byte >= low && byte <= high;
}

} // namespace

std::vector<char32_t> decode_utf8(std::string_view text) {
    std::vector<char32_t> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<uint8_t>(text[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t value = 0;
        // The bounds of the second byte exclude overlong forms, surrogates
        // and values past U+10FFFF.
        uint8_t second_low = 0x80, second_high = 0xBF;
        if (in_range(lead, 0xC2, 0xDF)) {
            length = 2;
            value = lead & 0x1F;
        } else if (in_range(lead, 0xE0, 0xEF)) {
            length = 3;
            value = lead & 0x0F;
            if (lead == 0xE0)
                second_low = 0xA0;
            if (lead == 0xED)
                second_high = 0x9F;
        } else if (in_range(lead, 0xF0, 0xF4)) {
            length = 4;
            value = lead & 0x07;
            if (lead == 0xF0)
                second_low = 0x90;
            if (lead == 0xF4)
                second_high = 0x8F;
        } else {
            out.push_back(replacement);
            ++i;
            continue;
        }
        std::size_t taken = 1;
        while (taken < length && i + taken < text.size()) {
            const auto next = static_cast<uint8_t>(text[i + taken]);
            const bool fits =
                taken == 1 ? in_range(next, second_low, second_high) : in_range(next, 0x80, 0xBF);
            if (!fits)
                break;
            value = (value << 6) | (next & 0x3F);
            ++taken;
        }
        out.push_back(taken == length ? value : replacement);
        i += taken;
    }
    return out;
}

void append_utf8(std::string &out, char32_t c) {
    auto put = [&out](uint32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

} // namespace plenk
