#pragma once

#include "platform/text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plenk {

constexpr std::size_t name_length = 25;   // bytes of the name on disk
constexpr std::size_t record_length = 35; // bytes of one record on disk
constexpr int16_t count_limit = 32767;    // a counter stops here

// The human's name and placing counters: rank_count(1..3) the games finished
// first, second, third; rank_count(4) the games lost; rank_count(0) is kept
// as loaded and never changed.
struct Player_Record {
    // Windows-1252 bytes, exactly as on disk, padded with spaces.
    std::array<uint8_t, name_length> player_name{};
    std::array<int16_t, 5> rank_count{};
};

// The first 25 letters of a UTF-8 name, padded with spaces, in Windows-1252:
// a letter that code page lacks becomes its nearest letter there, any other
// character it cannot hold "?".
struct Held_Name {
    std::array<uint8_t, name_length> bytes{};
    bool as_typed = true; // false when a letter was changed or the name cut
};
Held_Name hold_player_name(const std::string &utf8);
// The bytes of hold_player_name.
std::array<uint8_t, name_length> make_player_name(const std::string &utf8);
// The 25 characters of the name as held, trailing spaces included, in UTF-8.
std::string player_name_text(const Player_Record &record);

// The 35 bytes of the record: the name, then the five counters little-endian.
std::vector<uint8_t> encode_record(const Player_Record &record);
// Takes the bytes there are: a missing name byte reads as a space, a missing
// counter byte as 0; bytes after the record are not looked at.
Player_Record decode_record(const std::vector<uint8_t> &bytes);

// The statistics box's text, lines joined by CR LF.
Text stat_text(const Player_Record &record);

// Adds one, staying at 32767 instead of wrapping.
void raise_count(int16_t &counter);

// The counter a seat's finish in `place` 1..3 raises: the human's place, or 4
// (a game lost) when a computer seat finishes third while the human still
// holds cards; -1 when it raises none.
int finish_counter(int16_t seat, int place, bool human_finished);
// Raises that counter of the record, if any.
void count_finish(Player_Record &record, int16_t seat, int place, bool human_finished);

} // namespace plenk
