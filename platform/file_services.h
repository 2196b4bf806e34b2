#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

namespace plenk {

// True for an ordinary file at the path, links followed; a folder does not count.
bool File_Exists(const std::string& path);

// Reads up to `length` bytes from the start of the file.
File_Read read_file_start(const std::string& path, std::size_t length);

// Writes `head` over the start of the file, keeping what lies beyond it, as a
// new file renamed over the old one so that no reader ever sees a torn file.
// Where the folder takes no new file but the file itself is writable, writes
// in place. Through a link, the linked file is rewritten and the link kept.
// Returns the system's reason on failure, empty on success.
std::string write_file_start(const std::string& path, const std::vector<uint8_t>& head);

} // namespace plenk
