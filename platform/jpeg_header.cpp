#include "platform/jpeg_header.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {

namespace {

constexpr uint8_t marker_byte = 0xFF;

// The bytes of a file through a window moved by the walk, so that a segment
// is skipped without being read.
class File_Bytes {
  public:
    explicit File_Bytes(int fd) : fd_(fd) {}
    // The byte at `offset`, or -1 past the end.
    int operator()(uint64_t offset) {
        if (offset < start_ || offset >= start_ + filled_) {
            ssize_t n;
            do
                n = ::pread(fd_, window_.data(), window_.size(), static_cast<off_t>(offset));
            while (n < 0 && errno == EINTR);
            start_ = offset;
            filled_ = n > 0 ? static_cast<uint64_t>(n) : 0;
            if (filled_ == 0)
                return -1;
        }
        return window_[offset - start_];
    }
    uint64_t next_marker_byte(uint64_t offset) {
        while ((*this)(offset) >= 0) {
            const uint8_t *from = window_.data() + (offset - start_);
            const void *found = std::memchr(from, marker_byte, filled_ - (offset - start_));
            if (found != nullptr)
                return offset + static_cast<uint64_t>(static_cast<const uint8_t *>(found) - from);
            offset = start_ + filled_;
        }
        return offset;
    }

  private:
    int fd_;
    uint64_t start_ = 0;
    uint64_t filled_ = 0;
    std::array<uint8_t, 65536> window_{};
};

// The offset of the marker that ends the entropy-coded data of a scan from
// `i` on, or the end: stuffed zero bytes and restart markers belong to the data.
uint64_t end_of_scan(File_Bytes &at, uint64_t i) {
    for (;; i += 2) {
        i = at.next_marker_byte(i);
        const int next = at(i + 1);
        if (next < 0 || (next != 0x00 && (next < 0xD0 || next > 0xD7)))
            return i;
    }
}

// `at` gives the byte at an offset, or -1 past the end. The whole stream is
// walked, each byte once, so that no number of segments or scans anywhere in
// it goes to the decoder unchecked.
std::optional<Jpeg_Frame> walk_to_frame(File_Bytes &&at) {
    if (at(0) != 0xFF || at(1) != 0xD8 || at(3) < 0)
        return std::nullopt;
    // Once the frame header is read, whatever goes wrong before the first
    // scan leaves the frame known but not proven streamable.
    std::optional<Jpeg_Frame> frame;
    bool sequential_mode = false;
    int components = 0;
    int scans = 0;
    uint64_t i = 2;
    for (int segments = 0;; ++segments) {
        // Stray bytes are skipped to the next marker, as the decoder skips
        // them; any number of 0xFF fill bytes may stand before a marker.
        while (at(i) >= 0 && at(i) != 0xFF)
            ++i;
        while (at(i) == 0xFF)
            ++i;
        const int marker = at(i++);
        if (marker < 0)
            return frame;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // no length follows
        if (marker == 0xD8 || marker == 0xD9)
            return frame;
        if (segments > jpeg_segments_most)
            return std::nullopt;
        if (at(i + 1) < 0)
            return frame;
        const uint64_t length = static_cast<uint64_t>(at(i) << 8 | at(i + 1));
        // The decoder reads on from a length too short for itself.
        if (length < 2)
            return std::nullopt;
        const bool frame_marker =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame_marker) {
            if (frame || length < 8 || at(i + 7) < 0)
                return frame;
            frame = Jpeg_Frame{};
            sequential_mode = marker == 0xC0 || marker == 0xC1 || marker == 0xC9;
            frame->height = at(i + 3) << 8 | at(i + 4);
            frame->width = at(i + 5) << 8 | at(i + 6);
            components = at(i + 7);
        } else if (marker == 0xDA) {
            if (!frame || at(i + 2) < 0)
                return frame;
            // A sequential frame whose first scan leaves out components comes
            // in several scans, which a decoder must hold whole as well.
            if (++scans > jpeg_scans_most)
                return std::nullopt;
            if (scans == 1)
                frame->sequential = sequential_mode && at(i + 2) == components;
            i = end_of_scan(at, i + length);
            continue;
        }
        i += length;
    }
}

} // namespace

std::optional<Jpeg_Frame> read_jpeg_frame_in_file(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return walk_to_frame(File_Bytes(fd));
}

} // namespace plenk
