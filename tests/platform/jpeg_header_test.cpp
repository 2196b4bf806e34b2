#include "platform/jpeg_header.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <sys/mman.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace plenk {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes join(Bytes b, const std::vector<Bytes> &parts) {
    for (const Bytes &s : parts)
        b.insert(b.end(), s.begin(), s.end());
    return b;
}
Bytes segment(uint8_t marker, std::size_t body) {
    Bytes b = {0xFF, marker, static_cast<uint8_t>((body + 2) >> 8), static_cast<uint8_t>(body + 2)};
    return b.resize(4 + body, 0), b;
}

// SOI, the segments given, a frame header of three components, a table
// segment, then the first scan's header naming `scan_components` of them.
Bytes jpeg(uint8_t frame_marker, int width, int height, const std::vector<Bytes> &before = {},
           uint8_t scan_components = 3) {
    Bytes b = join({0xFF, 0xD8}, before);
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
Bytes ended(const Bytes &b, const std::vector<Bytes> &after) {
    return join(join(join(b, {{0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD3, 0x56}}), after), {{0xFF, 0xD9}});
}
// A later scan of one component, with a byte of data.
const Bytes scan = {0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x00, 0x10, 0x2A};

Bytes with(Bytes b, std::size_t at, uint8_t value) {
    return b[at] = value, b;
}
const Bytes plain = jpeg(0xC0, 100, 100);

using Frame = std::tuple<bool, int, int>; // sequential, width, height

// Five segments of the largest size, as a large colour profile takes, and an
// empty one, before the frame.
const std::vector<Bytes> metadata = {join({}, std::vector<Bytes>(5, segment(0xE2, 65533))),
                                     segment(0xE1, 0)};
std::vector<Bytes> comments(std::size_t n) {
    return std::vector<Bytes>(n, segment(0xFE, 0));
}

const std::tuple<const char *, Bytes, std::optional<Frame>> cases[] = {
    {"SequentialBehindMetadata", jpeg(0xC0, 1024, 768, metadata), Frame{true, 1024, 768}},
    {"ExtendedSequential", jpeg(0xC1, 60000, 60000), Frame{true, 60000, 60000}},
    {"Progressive", jpeg(0xC2, 60000, 60000), Frame{false, 60000, 60000}},
    {"TablesBeforeTheFrame", jpeg(0xC2, 9, 7, {segment(0xC4, 2), segment(0xCC, 2)}),
     Frame{false, 9, 7}},
    {"FirstScanOfOneComponent", jpeg(0xC0, 60000, 60000, {}, 1), Frame{false, 60000, 60000}},
    // What some cameras append after the end of the picture, zero padding and
    // more, is no part of it.
    {"PaddingAndSegmentsAfterTheEnd",
     join(join(ended(jpeg(0xC0, 8, 8), {}), {Bytes(16, 0)}), comments(200)), Frame{true, 8, 8}},
    {"RestartMarkersAndFill", jpeg(0xC0, 8, 8, {{0xFF, 0xD0, 0xFF, 0x01}}), Frame{true, 8, 8}},
    {"CutBeforeTheScan", Bytes(plain.begin(), plain.end() - 12), Frame{false, 100, 100}},
    {"CutInsideTheFrame", Bytes(plain.begin(), plain.end() - 30), {}},
    {"FrameShorterThanItsFields", with(plain, 7, 7), {}},
    {"SegmentShorterThanItsLength", jpeg(0xC0, 100, 100, {{0xFF, 0xE0, 0x00, 0x01}}), {}},
    {"SecondImageStart", jpeg(0xC0, 100, 100, {{0xFF, 0xD8}}), {}},
    // A hundred segments before the scan, as no real picture has.
    {"HundredSegments", jpeg(0xC0, 8, 8, comments(98)), Frame{true, 8, 8}},
    {"HundredAndOneSegments", jpeg(0xC0, 8, 8, comments(99)), {}},
    // Whatever follows the first scan counts as well, stray bytes and all.
    {"ThirtyTwoScans", ended(jpeg(0xC2, 9, 7), std::vector<Bytes>(31, scan)), Frame{false, 9, 7}},
    {"ThirtyThreeScans", ended(jpeg(0xC2, 9, 7), std::vector<Bytes>(32, scan)), {}},
    {"CommentsBehindStrayBytes",
     ended(jpeg(0xC0, 8, 8), {join({0x00, 0x00, 0xFF, 0x00}, comments(100))}),
     {}},
    {"NoImageStart", with(plain, 1, 0xE0), {}},
    {"NoMarkerBeforeTheImageStart", with(plain, 0, 0x00), {}},
};

TEST(Jpeg_Frame_Header, IsFoundByWalkingTheSegments) {
    for (const auto &[name, bytes, expected] : cases) {
        SCOPED_TRACE(name);
        const int fd = ::memfd_create(name, 0);
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), std::ssize(bytes));
        errno = EINTR; // left by an earlier interrupted call, not the reader's own
        const auto frame = read_jpeg_frame_in_file(fd);
        ::close(fd);
        EXPECT_EQ(frame ? std::optional(Frame{frame->sequential, frame->width, frame->height})
                        : std::nullopt,
                  expected);
    }
}

} // namespace
} // namespace plenk
