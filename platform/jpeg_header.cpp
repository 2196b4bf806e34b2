#include "platform/jpeg_header.h"

namespace plenk {

std::optional<Jpeg_Frame> read_jpeg_frame(const std::vector<uint8_t>& head) {
    const std::size_t size = head.size();
    if (size < 4 || head[0] != 0xFF || head[1] != 0xD8) return std::nullopt;
    // Once the frame header is read, whatever goes wrong before the first
    // scan leaves the frame known but not proven streamable.
    std::optional<Jpeg_Frame> frame;
    bool sequential_mode = false;
    int components = 0;
    std::size_t i = 2;
    for (;;) {
        // Any number of 0xFF fill bytes may stand before a marker.
        if (i >= size || head[i] != 0xFF) return frame;
        while (i < size && head[i] == 0xFF) ++i;
        if (i >= size) return frame;
        const uint8_t marker = head[i++];
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue; // no length follows
        if (marker == 0xD8 || marker == 0xD9 || marker == 0x00) return frame;
        if (i + 2 > size) return frame;
        const std::size_t length = (std::size_t{head[i]} << 8) | head[i + 1];
        if (length < 2) return frame;
        const bool frame_marker =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame_marker) {
            if (frame || length < 8 || i + 8 > size) return frame;
            frame = Jpeg_Frame{};
            sequential_mode = marker == 0xC0 || marker == 0xC1 || marker == 0xC9;
            frame->height = (head[i + 3] << 8) | head[i + 4];
            frame->width = (head[i + 5] << 8) | head[i + 6];
            components = head[i + 7];
        } else if (marker == 0xDA) {
            // A sequential frame whose first scan leaves out components comes
            // in several scans, which a decoder must hold whole as well.
            if (frame && i + 3 <= size) frame->sequential = sequential_mode && head[i + 2] == components;
            return frame;
        }
        i += length;
    }
}

} // namespace plenk
