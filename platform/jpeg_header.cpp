#include "platform/jpeg_header.h"

namespace plenk {

std::optional<Jpeg_Frame> read_jpeg_frame(const std::vector<uint8_t>& head) {
    const std::size_t size = head.size();
    if (size < 4 || head[0] != 0xFF || head[1] != 0xD8) return std::nullopt;
    std::size_t i = 2;
    for (;;) {
        // Any number of 0xFF fill bytes may stand before a marker.
        if (i >= size || head[i] != 0xFF) return std::nullopt;
        while (i < size && head[i] == 0xFF) ++i;
        if (i >= size) return std::nullopt;
        const uint8_t marker = head[i++];
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue; // no length follows
        if (marker == 0xD8 || marker == 0xD9 || marker == 0x00) return std::nullopt;
        if (i + 2 > size) return std::nullopt;
        const std::size_t length = (std::size_t{head[i]} << 8) | head[i + 1];
        if (length < 2) return std::nullopt;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8 || i + 7 > size) return std::nullopt;
            Jpeg_Frame result;
            result.sequential = marker == 0xC0 || marker == 0xC1 || marker == 0xC9;
            result.height = (head[i + 3] << 8) | head[i + 4];
            result.width = (head[i + 5] << 8) | head[i + 6];
            return result;
        }
        i += length;
    }
}

} // namespace plenk
