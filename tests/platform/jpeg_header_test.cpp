#include "platform/jpeg_header.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace plenk {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes segment(uint8_t marker, std::size_t body) {
    Bytes b = {0xFF, marker, static_cast<uint8_t>((body + 2) >> 8), static_cast<uint8_t>(body + 2)};
    return b.resize(4 + body, 0), b;
}

// SOI, the segments given, a frame header of three components, a table
// segment, then the first scan's header naming `scan_components` of them.
Bytes jpeg(uint8_t frame_marker, int width, int height, const std::vector<Bytes> &before = {},
           uint8_t scan_components = 3) {
    Bytes b = {0xFF, 0xD8};
    for (const Bytes &s : before)
        b.insert(b.end(), s.begin(), s.end());
    const auto u8 = [](int v) { return static_cast<uint8_t>(v); };
    b.insert(b.end(), {0xFF, 0xFF, 0xFF, frame_marker, 0x00, 0x11, 0x08, u8(height >> 8),
                       u8(height), u8(width >> 8), u8(width), 0x03});
    b.insert(b.end(), 9, 0x11);
    b.insert(b.end(), {0xFF, 0xC4, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xDA, 0x00,
                       u8(6 + 2 * scan_components), scan_components});
    b.insert(b.end(), 2 * scan_components + 3, 0x00);
    return b;
}

// The stream `b` goes on from its first scan's header: the scan's data, with
// a stuffed byte and a restart marker, then the segments given and the end.
Bytes ended(Bytes b, const std::vector<Bytes> &after) {
    b.insert(b.end(), {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD3, 0x56});
    for (const Bytes &s : after)
        b.insert(b.end(), s.begin(), s.end());
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}
// A later scan of one component, with a byte of data.
const Bytes scan = {0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x00, 0x10, 0x2A};

Bytes cut(Bytes b, std::size_t drop) {
    return Bytes(b.begin(), b.end() - static_cast<long>(drop));
}
Bytes with(Bytes b, std::size_t at, uint8_t value) {
    return b[at] = value, b;
}

struct Case {
    const char *name;
    Bytes bytes;
    bool found, sequential = false;
    int width = 0, height = 0;
};

// Five segments of the largest size, as a large colour profile takes, and an
// empty one, before the frame.
const std::vector<Bytes> metadata = {segment(0xE2, 65533), segment(0xE2, 65533),
                                     segment(0xE2, 65533), segment(0xE2, 65533),
                                     segment(0xE2, 65533), segment(0xE1, 0)};

const Case cases[] = {
    {"SequentialBehindMetadata", jpeg(0xC0, 1024, 768, metadata), true, true, 1024, 768},
    {"ExtendedSequential", jpeg(0xC1, 60000, 60000), true, true, 60000, 60000},
    {"Progressive", jpeg(0xC2, 60000, 60000), true, false, 60000, 60000},
    {"Arithmetic", jpeg(0xCA, 10, 10), true, false, 10, 10},
    {"TablesBeforeTheFrame", jpeg(0xC2, 9, 7, {segment(0xC4, 2), segment(0xCC, 2)}), true, false, 9,
     7},
    {"FirstScanOfOneComponent", jpeg(0xC0, 60000, 60000, {}, 1), true, false, 60000, 60000},
    // What some cameras append after the end of the picture, zero padding and
    // more, is no part of it.
    {"PaddingAndSegmentsAfterTheEnd",
     [] {
         Bytes b = ended(jpeg(0xC0, 8, 8), {});
         b.insert(b.end(), 16, 0x00);
         for (int i = 0; i < 200; ++i)
             b.insert(b.end(), {0xFF, 0xFE, 0x00, 0x02});
         return b;
     }(),
     true, true, 8, 8},
    {"FirstScanOfTwoComponents", jpeg(0xC0, 60000, 60000, {}, 2), true, false, 60000, 60000},
    {"RestartMarkersAndFill", jpeg(0xC0, 8, 8, {{0xFF, 0xD0, 0xFF, 0x01}}), true, true, 8, 8},
    {"CutBeforeTheScan", cut(jpeg(0xC0, 100, 100), 12), true, false, 100, 100},
    {"CutInsideTheFrame", cut(jpeg(0xC0, 100, 100), 30), false},
    {"FrameShorterThanItsFields", with(jpeg(0xC0, 100, 100), 7, 7), false},
    {"SegmentShorterThanItsLength", jpeg(0xC0, 100, 100, {{0xFF, 0xE0, 0x00, 0x01}}), false},
    {"SecondImageStart", jpeg(0xC0, 100, 100, {{0xFF, 0xD8}}), false},
    // A hundred segments before the scan, as no real picture has.
    {"HundredSegments", jpeg(0xC0, 8, 8, std::vector<Bytes>(98, segment(0xFE, 0))), true, true, 8,
     8},
    {"HundredAndOneSegments", jpeg(0xC0, 8, 8, std::vector<Bytes>(99, segment(0xFE, 0))), false},
    // Whatever follows the first scan counts as well, stray bytes and all.
    {"TwelveScans", ended(jpeg(0xC2, 9, 7), std::vector<Bytes>(11, scan)), true, false, 9, 7},
    {"TwentyThousandScans", ended(jpeg(0xC2, 9, 7), std::vector<Bytes>(20000, scan)), false},
    {"SixtyThousandCommentsAfterTheScan",
     ended(jpeg(0xC0, 8, 8), std::vector<Bytes>(60000, segment(0xFE, 0))), false},
    {"CommentsBehindStrayBytes",
     ended(jpeg(0xC0, 8, 8),
           [] {
               std::vector<Bytes> after(100, segment(0xFE, 0));
               return after.insert(after.begin(), {0x00, 0x00, 0xFF, 0x00}), after;
           }()),
     false},
    {"Empty", {}, false},
    {"NoJpeg", {0x89, 'P', 'N', 'G', 0x0D, 0x0A}, false},
};

struct Jpeg_Frame_Header : testing::TestWithParam<Case> {};

TEST_P(Jpeg_Frame_Header, IsFoundByWalkingTheSegments) {
    const Case &c = GetParam();
    const std::string path = testing::TempDir() + c.name + ".jpg"; // rows may run at once
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(c.bytes.data()), std::ssize(c.bytes));
    const int fd = ::open(path.c_str(), O_RDONLY);
    errno = EINTR; // left by an earlier interrupted call, not the reader's own
    const auto frame = read_jpeg_frame_in_file(fd);
    ::close(fd);
    ASSERT_EQ(frame.has_value(), c.found);
    if (frame) {
        EXPECT_EQ(std::tuple(frame->sequential, frame->width, frame->height),
                  std::tuple(c.sequential, c.width, c.height));
    }
    std::remove(path.c_str());
}

// A case is named by its name in test reports, not by its bytes.
void PrintTo(const Case &c, std::ostream *out) {
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(Streams, Jpeg_Frame_Header, testing::ValuesIn(cases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Jpeg_Frame_In_File, OnlyAnOrdinaryFileIsRead) {
    for (const std::string &path : {testing::TempDir(), std::string("/dev/zero")}) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        EXPECT_FALSE(read_jpeg_frame_in_file(fd)) << path;
        ::close(fd);
    }
    EXPECT_FALSE(read_jpeg_frame_in_file(-1));
}

} // namespace
} // namespace plenk
