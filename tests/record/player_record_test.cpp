#include "platform/headless_platform.h"
#include "record/player_record.h"
#include "record/record_file.h"
#include "record/text_codec.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace plenk {
namespace {

std::string padded(const std::string &bytes) {
    return bytes + std::string(25 - bytes.size(), ' ');
}

// The name typed at the prompt, the bytes the record keeps, and whether the
// player is told the name as kept: when a letter changed or the name was cut.
TEST(PlayerName, NearestWindows1252LettersAtMostTwentyFiveToldWhenChanged) {
    std::string thirty_accented, twenty_five_decomposed;
    for (int i = 0; i < 30; ++i)
        thirty_accented += "é";
    for (int i = 0; i < 25; ++i)
        twenty_five_decomposed += "e\u0301";
    const struct {
        std::string typed, kept;
        bool told;
    } rows[] = {
        {"Ann", padded("Ann"), false},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRSTUVWXY", false},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcd", "ABCDEFGHIJKLMNOPQRSTUVWXY", true},
        {"   ", std::string(25, ' '), false},
        {"", padded("No Name"), false},
        {thirty_accented, std::string(25, '\xE9'), true}, // characters are counted, not bytes
        {twenty_five_decomposed, std::string(25, '\xE9'), false}, // a mark joins its letter
        {"Zoë € Œ Ÿ ™ Š", padded("Zo\xEB \x80 \x8C \x9F \x99 \x8A"), false},
        {"Zoe\u0308 n\u0303 Z\u030C", padded("Zo\xEB \xF1 \x8E"), false},
        {"Łukasz Żółw 日本", padded("Lukasz Z\xF3lw ??"), true},
        {"Erdős Ödön Űr",
         padded("Erd\xF6s \xD6"
                "d\xF6n \xDCr"),
         true}, // double acute: umlaut
        {"Erdo\u030Bs", padded("Erd\xF6s"), true},
        {"Dvořák Ştefan Çağrı", padded("Dvor\xE1k Stefan \xC7\x61gri"), true},
        {"ĳ ǜ ǖ x\u0301 \u0301a Ș", padded("? \xFC \xFC x a S"), true},
        {"Łukasz a😀b", padded("Lukasz a?b"), true},
        {"\xC2\x80", padded("?"), true}, // U+0080 is not in the code page
        // Bad UTF-8: each broken piece becomes one "?".
        {"\xFF"
         "ab",
         padded("?ab"), true},
        {"a\xE2\x82", padded("a?"), true},
        {"\xE2\x82"
         "b",
         padded("?b"), true},
        {"\xC0\xAF", padded("??"), true},           // overlong
        {"\xED\xA0\x80", padded("???"), true},      // a surrogate
        {"\xF4\x90\x80\x80", padded("????"), true}, // past U+10FFFF
        {"\xF0\x8F\xBF\xBF", padded("????"), true}, // overlong in four bytes
        {"\xF0\x9F\x98"
         "c",
         padded("?c"), true},
        {std::string(40, '\x80'), std::string(25, '?'), true},
    };
    for (const auto &[typed, kept, told] : rows) {
        SCOPED_TRACE(typed);
        Headless_Platform os;
        Record_State rec;
        rec.data_file = os.program_folder() + "/data.dat";
        os.answer_next_input(typed);
        if (told)
            os.answer_next_box(Box_Answer::Ok);
        reset_record(os, rec);
        EXPECT_EQ(std::string(rec.player_rec.player_name.begin(), rec.player_rec.player_name.end()),
                  kept);
        const auto boxes = os.calls_of(Platform_Call::Kind::Message_Box);
        ASSERT_EQ(boxes.size(), told ? 1u : 0u);
        if (told) {
            std::string shown = player_name_text(rec.player_rec);
            shown.erase(shown.find_last_not_of(' ') + 1);
            EXPECT_NE(boxes[0].text.find("kept as \"" + shown + "\"."), std::string::npos)
                << boxes[0].text;
        }
    }
}

// Every byte of the code page against the system's own conversion table;
// the five bytes it leaves unassigned read as the C1 controls of their number.
TEST(PlayerName, EveryByteReadsAsWindows1252AndSurvivesATripBack) {
    iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1252");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        char32_t out = 0;
        char *in_p = &in;
        char *out_p = reinterpret_cast<char *>(&out);
        std::size_t in_left = 1, out_left = sizeof out;
        const bool assigned =
            iconv(cd, &in_p, &in_left, &out_p, &out_left) != static_cast<std::size_t>(-1);
        EXPECT_EQ(from_windows_1252(static_cast<uint8_t>(b)),
                  assigned ? out : static_cast<char32_t>(b))
            << b;
        EXPECT_EQ(to_windows_1252(from_windows_1252(static_cast<uint8_t>(b))), b) << b;
    }
    iconv_close(cd);
    Player_Record record;
    for (int i = 0; i < 25; ++i)
        record.player_name[i] = static_cast<uint8_t>(0x80 + i);
    EXPECT_EQ(make_player_name(player_name_text(record)), record.player_name);
}

TEST(RecordBytes, NameThenFiveSigned16BitLittleEndianCounters) {
    const Player_Record record{make_player_name("Ann"), {0x0102, -1, 32767, -32768, 5}};
    const std::vector<uint8_t> bytes = encode_record(record);
    std::vector<uint8_t> expected(25, ' ');
    std::copy_n("Ann", 3, expected.begin());
    for (uint8_t b : {0x02, 0x01, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x80, 0x05, 0x00})
        expected.push_back(b);
    EXPECT_EQ(bytes, expected);

    struct Row {
        std::vector<uint8_t> bytes;
        std::array<int16_t, 5> counts;
    };
    std::vector<uint8_t> longer = bytes;
    longer.insert(longer.end(), 5, 0xAA);
    std::vector<uint8_t> partial(28, 'x');
    partial[25] = 0x01, partial[26] = 0x02, partial[27] = 0x03; // counter 1 has only its low byte
    const Row rows[] = {
        {bytes, record.rank_count},
        {longer, record.rank_count},
        {partial, {0x0201, 0x03, 0, 0, 0}},
        {{}, {}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.bytes.size());
        const Player_Record back = decode_record(r.bytes);
        EXPECT_EQ(back.rank_count, r.counts);
        for (std::size_t i = 0; i < 25; ++i)
            EXPECT_EQ(back.player_name[i], i < r.bytes.size() ? r.bytes[i] : ' ') << i;
    }
}

TEST(Statistics, ReadsExactlyAsShownToThePlayer) {
    const std::pair<std::array<int16_t, 5>, const char *> rows[] = {
        {{0, 0, 2, 1, 3}, "Rank 1: 0 times\r\nRank 2: 2 times\r\nRank 3: 1 times\r\nLose: 3 times"},
        {{9, -5, 32767, -32768, 1},
         "Rank 1: -5 times\r\nRank 2: 32767 times\r\nRank 3: -32768 times\r\nLose: 1 times"},
    };
    for (const auto &[counts, lines] : rows)
        EXPECT_EQ(english(stat_text({make_player_name("Ann"), counts})),
                  std::string("PLAYER STATISTIC\r\nAnn                      \r\n\r\n") + lines);
}

TEST(Counters, RiseByOneAndStopAt32767) {
    for (auto [before, after] : {std::pair{-1, 0}, {0, 1}, {32766, 32767}, {32767, 32767}}) {
        int16_t count = static_cast<int16_t>(before);
        raise_count(count);
        EXPECT_EQ(count, after) << before;
    }
}

} // namespace
} // namespace plenk
