#include "record/player_record.h"

#include "platform/text_marker.h"
#include "record/text_codec.h"

#include <algorithm>

namespace plenk {

namespace {

constexpr std::size_t counters_offset = name_length;

} // namespace

std::array<uint8_t, name_length> make_player_name(const std::string &utf8) {
    std::array<uint8_t, name_length> name;
    name.fill(' ');
    const std::vector<char32_t> characters = decode_utf8(utf8);
    const std::size_t kept = std::min(characters.size(), name_length);
    std::transform(characters.begin(), characters.begin() + static_cast<std::ptrdiff_t>(kept),
                   name.begin(), to_windows_1252);
    return name;
}

std::string player_name_text(const Player_Record &record) {
    std::string text;
    for (uint8_t byte : record.player_name)
        append_utf8(text, from_windows_1252(byte));
    return text;
}

std::vector<uint8_t> encode_record(const Player_Record &record) {
    std::vector<uint8_t> bytes(record.player_name.begin(), record.player_name.end());
    bytes.reserve(record_length);
    for (int16_t count : record.rank_count) {
        const auto bits = static_cast<uint16_t>(count);
        bytes.push_back(static_cast<uint8_t>(bits & 0xFF));
        bytes.push_back(static_cast<uint8_t>(bits >> 8));
    }
    return bytes;
}

Player_Record decode_record(const std::vector<uint8_t> &bytes) {
    auto byte_at = [&bytes](std::size_t i, uint8_t missing) {
        return i < bytes.size() ? bytes[i] : missing;
    };
    Player_Record record;
    for (std::size_t i = 0; i < name_length; ++i)
        record.player_name[i] = byte_at(i, ' ');
    for (std::size_t k = 0; k < record.rank_count.size(); ++k) {
        const std::size_t at = counters_offset + 2 * k;
        const auto bits = static_cast<uint16_t>(byte_at(at, 0) | (byte_at(at + 1, 0) << 8));
        record.rank_count[k] = static_cast<int16_t>(bits);
    }
    return record;
}

Text stat_text(const Player_Record &record) {
    const auto &count = record.rank_count;
    // " times" after every number, 1 included.
    auto rank = [&count](int k) {
        return with_args(QT_TRANSLATE_NOOP("Record", "Rank %1: %2 times"),
                         {std::to_string(k), std::to_string(count[static_cast<std::size_t>(k)])});
    };
    return with_args(
        Text("%1\r\n%2\r\n\r\n%3\r\n%4\r\n%5\r\n%6"),
        {QT_TRANSLATE_NOOP("Record", "PLAYER STATISTIC"), player_name_text(record), rank(1),
         rank(2), rank(3),
         with_args(QT_TRANSLATE_NOOP("Record", "Lose: %1 times"), {std::to_string(count[4])})});
}

void raise_count(int16_t &counter) {
    if (counter < count_limit)
        ++counter;
}

} // namespace plenk
