#include "platform/jpeg_header.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

// A stream of SOI, an APP0 segment of `app_bytes`, a frame header of three
// components, a table segment, then the first scan's header naming
// `scan_components` of them.
std::vector<uint8_t> jpeg(uint8_t frame_marker, int width, int height, int app_bytes = 14,
                          uint8_t scan_components = 3) {
    std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, 0xE0, static_cast<uint8_t>((app_bytes + 2) >> 8),
                              static_cast<uint8_t>(app_bytes + 2)};
    b.insert(b.end(), static_cast<std::size_t>(app_bytes), 0);
    b.insert(b.end(), {0xFF, 0xFF, 0xFF, frame_marker, 0x00, 0x11, 0x08, static_cast<uint8_t>(height >> 8),
                       static_cast<uint8_t>(height), static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(width),
                       0x03});
    b.insert(b.end(), 9, 0x11);
    b.insert(b.end(), {0xFF, 0xC4, 0x00, 0x04, 0x00, 0x00});
    b.insert(b.end(), {0xFF, 0xDA, 0x00, static_cast<uint8_t>(6 + 2 * scan_components), scan_components});
    b.insert(b.end(), 2 * scan_components + 3, 0x00);
    return b;
}

TEST(Jpeg_Header, FindsTheFrameBehindOtherSegments) {
    auto frame = read_jpeg_frame(jpeg(0xC0, 1024, 768, 4000));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->sequential);
    EXPECT_EQ(frame->width, 1024);
    EXPECT_EQ(frame->height, 768);
}

TEST(Jpeg_Header, TellsProgressiveFromSequential) {
    EXPECT_TRUE(read_jpeg_frame(jpeg(0xC1, 60000, 60000))->sequential);
    EXPECT_FALSE(read_jpeg_frame(jpeg(0xC2, 60000, 60000))->sequential);
    EXPECT_FALSE(read_jpeg_frame(jpeg(0xCA, 10, 10))->sequential);
    // Huffman and arithmetic tables are segments, not frames.
    const std::vector<uint8_t> tables_first = {0xFF, 0xD8, 0xFF, 0xC4, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xC2,
                                               0x00, 0x0B, 0x08, 0x00, 0x07, 0x00, 0x09, 0x01, 0x11, 0x11, 0x00};
    auto frame = read_jpeg_frame(tables_first);
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->sequential);
    EXPECT_EQ(frame->width, 9);
}

TEST(Jpeg_Header, SequentialFrameWithOneScanToEachComponentIsHeldWhole) {
    EXPECT_FALSE(read_jpeg_frame(jpeg(0xC0, 60000, 60000, 14, 1))->sequential);
    EXPECT_FALSE(read_jpeg_frame(jpeg(0xC0, 60000, 60000, 14, 2))->sequential);
    EXPECT_TRUE(read_jpeg_frame(jpeg(0xC0, 60000, 60000, 14, 3))->sequential);
}

TEST(Jpeg_Header, RefusesWhatIsNoJpegOrEndsEarly) {
    EXPECT_FALSE(read_jpeg_frame({}));
    EXPECT_FALSE(read_jpeg_frame({0x89, 'P', 'N', 'G', 0x0D, 0x0A}));
    auto cut = jpeg(0xC0, 100, 100);
    // Cut anywhere before the frame's component count, its 32nd byte.
    for (std::size_t n = 0; n < 32; ++n) {
        std::vector<uint8_t> part(cut.begin(), cut.begin() + static_cast<long>(n));
        EXPECT_FALSE(read_jpeg_frame(part)) << n;
    }
    // Cut after the frame but before the first scan: the size is known, a
    // single pass is not.
    std::vector<uint8_t> no_scan(cut.begin(), cut.end() - 12);
    ASSERT_TRUE(read_jpeg_frame(no_scan));
    EXPECT_EQ(read_jpeg_frame(no_scan)->width, 100);
    EXPECT_FALSE(read_jpeg_frame(no_scan)->sequential);
    auto bad_length = jpeg(0xC0, 100, 100);
    bad_length[5] = 1; // a segment cannot be shorter than its length field
    EXPECT_FALSE(read_jpeg_frame(bad_length));
}

} // namespace
} // namespace plenk
