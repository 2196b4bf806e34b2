#include "record/code_page.h"
#include "record/player_record.h"

#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

namespace plenk {
namespace {

// The names typed at the prompt, the bytes kept and whether the player is
// told: tests/scenarios/names.txt.

// Every byte of the code page: 0x80 to 0x9F as the table below, where the
// five bytes it leaves unassigned read as the C1 controls of their number,
// and every other byte as the Latin-1 letter of its number.
TEST(PlayerName, EveryByteReadsAsWindows1252AndSurvivesATripBack) {
    const char32_t c1[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                             0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    for (int b = 0; b < 256; ++b) {
        const char32_t letter = from_windows_1252(static_cast<uint8_t>(b));
        EXPECT_EQ(letter, b >= 0x80 && b < 0xA0 ? c1[b - 0x80] : static_cast<char32_t>(b)) << b;
        const Folded_Text back = fold_to_windows_1252({letter});
        EXPECT_EQ(std::pair(back.bytes, back.exact),
                  std::pair(std::vector<uint8_t>{static_cast<uint8_t>(b)}, true))
            << b;
    }
    Player_Record record;
    std::iota(record.player_name.begin(), record.player_name.end(), uint8_t{0x80});
    EXPECT_EQ(make_player_name(player_name_text(record)), record.player_name);
}

// A record is read from the bytes there are: a missing name byte reads as a
// space, a missing counter byte as 0, and what follows the record is not
// looked at. (The bytes of whole records, read and written, are in
// tests/scenarios.)
TEST(RecordBytes, ARecordIsReadFromTheBytesThereAre) {
    std::vector<uint8_t> partial(28, 'x'), longer(35, 'y');
    partial[25] = 0x01, partial[26] = 0x02, partial[27] = 0x03; // counter 1 has only its low byte
    longer.insert(longer.end(), 5, 0xAA);
    const std::array<int16_t, 5> extremes = {0x0102, -1, 32767, -32768, 5};
    const std::pair<std::vector<uint8_t>, std::array<int16_t, 5>> rows[] = {
        {encode_record({make_player_name("Ann"), extremes}), extremes}, // and written back
        {partial, {0x0201, 0x03, 0, 0, 0}},
        {longer, {0x7979, 0x7979, 0x7979, 0x7979, 0x7979}},
        {{}, {}},
    };
    for (const auto &[in, counts] : rows) {
        const Player_Record back = decode_record(in);
        EXPECT_EQ(back.rank_count, counts) << in.size();
        for (std::size_t i = 0; i < 25; ++i)
            EXPECT_EQ(back.player_name[i], i < in.size() ? in[i] : ' ') << in.size() << ": " << i;
    }
}

// Which counter each finish raises, for every seat, place and whether the
// human had already finished: the human's own place, a lost game when a
// computer seat takes the third place before the human, nothing else. (A
// counter at its ceiling staying there is in tests/scenarios/record_counts.txt.)
TEST(FinishCounting, TheHumansPlaceOrALostGameAndNothingElse) {
    // Seat, place, whether the human is out, and the counter raised (-1: none).
    const std::tuple<int16_t, int, bool, int> rows[] = {
        {0, 1, false, 1},  {0, 2, false, 2},  {0, 3, false, 3}, {0, 1, true, 1},
        {0, 2, true, 2},   {0, 3, true, 3}, // as reported, whatever came first
        {1, 1, false, -1}, {2, 2, false, -1}, {3, 3, false, 4}, {1, 3, false, 4},
        {1, 2, true, -1},  {2, 3, true, -1},  {3, 1, true, -1},
    };
    for (const auto &[seat, place, out, raised] : rows) {
        SCOPED_TRACE(testing::Message() << "seat " << seat << ", place " << place << ", " << out);
        Player_Record record{{}, {7, 7, 7, 7, 7}};
        count_finish(record, seat, place, out);
        for (std::size_t counter = 0; counter < 5; ++counter)
            EXPECT_EQ(record.rank_count[counter], 7 + (static_cast<int>(counter) == raised))
                << counter;
    }
}

} // namespace
} // namespace plenk
