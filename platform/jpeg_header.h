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

// Walks the marker segments at the start of a JPEG stream to its frame
// header and on to its first scan; nothing when the bytes are no JPEG or end
// before the frame header. A frame whose first scan is not among the bytes
// counts as not sequential.
std::optional<Jpeg_Frame> read_jpeg_frame(const std::vector<uint8_t>& head);
// The same for the JPEG file at the path, its segments skipped by their
// lengths wherever the frame header lies; nothing when the path names no
// ordinary file.
std::optional<Jpeg_Frame> read_jpeg_frame_in_file(const std::string& path);

} // namespace plenk
