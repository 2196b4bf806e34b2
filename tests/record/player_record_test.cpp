#include "record/player_record.h"

#include <gtest/gtest.h>

#include <string>

namespace plenk {
namespace {

// The 25 name bytes as a string, so a failure prints them.
std::string name_bytes(const std::string& utf8) {
    auto name = make_player_name(utf8);
    return {name.begin(), name.end()};
}

std::string padded(const std::string& bytes) { return bytes + std::string(25 - bytes.size(), ' '); }

TEST(PlayerName, KeepsTheFirst25CharactersAndPadsShorterNames) {
    EXPECT_EQ(name_bytes("Ann"), padded("Ann"));
    EXPECT_EQ(name_bytes("ABCDEFGHIJKLMNOPQRSTUVWXYZabcd"), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(name_bytes("   "), std::string(25, ' '));
    EXPECT_EQ(name_bytes(""), std::string(25, ' '));
    // Characters are counted, not UTF-8 bytes: 30 two-byte letters keep 25.
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += "é";
    EXPECT_EQ(name_bytes(thirty), std::string(25, '\xE9'));
}

TEST(PlayerName, StoresWindows1252AndMarksWhatItCannotHold) {
    EXPECT_EQ(name_bytes("Zoë"), padded("Zo\xEB"));
    EXPECT_EQ(name_bytes("Łukasz"), padded("?ukasz"));
    EXPECT_EQ(name_bytes("a😀b"), padded("a?b"));
    // The block 0x80..0x9F holds other characters than Latin-1 does.
    EXPECT_EQ(name_bytes("€ Œ Ÿ ™"), padded("\x80 \x8C \x9F \x99"));
    EXPECT_EQ(name_bytes("\xC2\x80"), padded("?")); // U+0080 is not in the code page
}

TEST(PlayerName, BadUtf8BecomesQuestionMarks) {
    EXPECT_EQ(name_bytes("\xFF" "ab"), padded("?ab"));
    EXPECT_EQ(name_bytes("a\xE2\x82"), padded("a?"));        // cut short at the end
    EXPECT_EQ(name_bytes("\xE2\x82" "b"), padded("?b"));     // cut short before a letter
    EXPECT_EQ(name_bytes("\xC0\xAF"), padded("??"));         // overlong '/'
    EXPECT_EQ(name_bytes("\xED\xA0\x80"), padded("???"));    // a surrogate
    EXPECT_EQ(name_bytes("\xF4\x90\x80\x80"), padded("????")); // past U+10FFFF
    EXPECT_EQ(name_bytes(std::string(40, '\x80')), std::string(25, '?'));
}

TEST(PlayerName, EveryByteSurvivesATripToTextAndBack) {
    Player_Record record;
    for (int first = 0; first < 256; first += 25) {
        for (int i = 0; i < 25; ++i) record.player_name[i] = static_cast<uint8_t>((first + i) % 256);
        EXPECT_EQ(make_player_name(player_name_text(record)), record.player_name) << first;
    }
    record.player_name = make_player_name("Zoë");
    EXPECT_EQ(player_name_text(record), "Zoë" + std::string(22, ' '));
}

TEST(RecordBytes, CountersAreSigned16BitLittleEndianAfterTheName) {
    Player_Record record{make_player_name("Ann"), {0x0102, -1, 32767, -32768, 5}};
    const std::vector<uint8_t> bytes = encode_record(record);
    ASSERT_EQ(bytes.size(), 35u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 25), padded("Ann"));
    const std::vector<uint8_t> counters(bytes.begin() + 25, bytes.end());
    EXPECT_EQ(counters,
              (std::vector<uint8_t>{0x02, 0x01, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x80, 0x05, 0x00}));

    const Player_Record back = decode_record(bytes);
    EXPECT_EQ(back.player_name, record.player_name);
    EXPECT_EQ(back.rank_count, record.rank_count);
}

TEST(RecordBytes, ShortInputReadsSpacesAndZerosExtraBytesAreIgnored) {
    const Player_Record empty = decode_record({});
    EXPECT_EQ(empty.player_name, make_player_name(""));
    EXPECT_EQ(empty.rank_count, (std::array<int16_t, 5>{}));

    std::vector<uint8_t> bytes(28, 'x');
    bytes[25] = 0x01;
    bytes[26] = 0x02;
    bytes[27] = 0x03; // counter 1 has only its low byte
    const Player_Record partial = decode_record(bytes);
    EXPECT_EQ(partial.rank_count, (std::array<int16_t, 5>{0x0201, 0x03, 0, 0, 0}));

    std::vector<uint8_t> longer = encode_record(partial);
    longer.insert(longer.end(), 5, 0xAA);
    EXPECT_EQ(decode_record(longer).rank_count, partial.rank_count);
}

TEST(Statistics, ReadsExactlyAsShownToThePlayer) {
    Player_Record record{make_player_name("Ann"), {0, 0, 2, 1, 3}};
    EXPECT_EQ(stat_text(record), "PLAYER STATISTIC\r\n"
                                 "Ann                      \r\n"
                                 "\r\n"
                                 "Rank 1: 0 times\r\n"
                                 "Rank 2: 2 times\r\n"
                                 "Rank 3: 1 times\r\n"
                                 "Lose: 3 times");
    record.rank_count = {9, -5, 32767, -32768, 1};
    const std::string text = stat_text(record);
    EXPECT_NE(text.find("Rank 1: -5 times\r\nRank 2: 32767 times\r\nRank 3: -32768 times\r\n"
                        "Lose: 1 times"),
              std::string::npos)
        << text;
}

TEST(Counters, StopAt32767InsteadOfWrapping) {
    int16_t count = 32766;
    raise_count(count);
    EXPECT_EQ(count, 32767);
    raise_count(count);
    EXPECT_EQ(count, 32767);
    count = -1;
    raise_count(count);
    EXPECT_EQ(count, 0);
}

} // namespace
} // namespace plenk
