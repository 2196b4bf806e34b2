#pragma once

#include <cstdint>
#include <optional>

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

// Walks the marker segments of the JPEG file open at `fd`, its frame header
// and its scans, to its end, each segment skipped by its length; nothing when
// it is no ordinary file, no JPEG, ends before the frame header or holds more
// than `jpeg_segments_most` segments or `jpeg_scans_most` scans. A frame
// whose first scan is not in the file counts as not sequential.
std::optional<Jpeg_Frame> read_jpeg_frame_in_file(int fd);

} // namespace plenk
