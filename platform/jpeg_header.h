#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plenk {

// The frame header of a JPEG stream: its size, and whether its scans come in
// one sequential pass, which a decoder can stream row by row, or in several
// (progressive, or one scan to each component), for which it must hold the
// whole picture.
struct Jpeg_Frame {
    bool sequential = false;
    int width = 0;
    int height = 0;
};

// More segments, and more scans, than any real picture has (a camera's or an
// editor's has a few dozen segments and at most a dozen scans): a decoder may
// take time growing with the square of the number of segments, and goes over
// the whole picture for each scan.
constexpr int jpeg_segments_most = 100;
constexpr int jpeg_scans_most = 32;

// Walks the marker segments of a JPEG stream, its frame header and its scans,
// to its end; nothing when the bytes are no JPEG, end before the frame header
// or hold more than `jpeg_segments_most` segments or `jpeg_scans_most` scans.
// A frame whose first scan is not among the bytes counts as not sequential.
std::optional<Jpeg_Frame> read_jpeg_frame(const std::vector<uint8_t> &head);
// The same for the JPEG file open at `fd`, its segments skipped by their
// lengths wherever the frame header lies; nothing when it is no ordinary file.
std::optional<Jpeg_Frame> read_jpeg_frame_in_file(int fd);

} // namespace plenk
