#include "record/player_record.h"

#include "platform/text_marker.h"
#include "record/code_page.h"
#include "record/utf8_text.h"

#include <algorithm>

namespace plenk {

namespace {

constexpr std::size_t counters_offset = name_length;

} // namespace

Held_Name hold_player_name(const std::string &utf8) {
    const Folded_Text folded = fold_to_windows_1252(decode_utf8(utf8));
    Held_Name held;
    held.bytes.fill(' ');
    const std::size_t kept = std::min(folded.bytes.size(), name_length);
    std::copy_n(folded.bytes.begin(), kept, held.bytes.begin());
    held.as_typed = folded.exact && kept == folded.bytes.size();
    return held;
}

std::array<uint8_t, name_length> make_player_name(const std::string &utf8) {
    return hold_player_name(utf8).bytes;
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
    // " times" after every number, 1 included. One text to a place, so that a
    // language may name each place its own way ("1re place").
    const Text places[] = {
        //: %1 is how many games the player finished first.
        QT_TRANSLATE_NOOP("Record", "Rank 1: %1 times"),
        //: %1 is how many games the player finished second.
        QT_TRANSLATE_NOOP("Record", "Rank 2: %1 times"),
        //: %1 is how many games the player finished third.
        QT_TRANSLATE_NOOP("Record", "Rank 3: %1 times"),
    };
    auto rank = [&count, &places](int k) {
        return with_args(places[k - 1], {std::to_string(count[static_cast<std::size_t>(k)])});
    };
    return with_args(
        Text("%1\r\n%2\r\n\r\n%3\r\n%4\r\n%5\r\n%6"),
        {QT_TRANSLATE_NOOP("Record", "PLAYER STATISTIC"), player_name_text(record), rank(1),
         rank(2), rank(3),
         //: %1 is how many games the player lost, finishing last.
         with_args(QT_TRANSLATE_NOOP("Record", "Lose: %1 times"), {std::to_string(count[4])})});
}

void raise_count(int16_t &counter) {
    if (counter < count_limit)
        ++counter;
}

int finish_counter(int16_t seat, int place, bool human_finished) {
    if (seat == 0)
        return place;
    return place == 3 && !human_finished ? 4 : -1;
}

void count_finish(Player_Record &record, int16_t seat, int place, bool human_finished) {
    const int counter = finish_counter(seat, place, human_finished);
    if (counter >= 0)
        raise_count(record.rank_count[static_cast<std::size_t>(counter)]);
}

} // namespace plenk
