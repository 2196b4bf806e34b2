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

// Whether a new file can be made in the folder: tried, not guessed from
// permissions, which say nothing for root or a read-only mount.
bool folder_takes_new_files(const std::string& folder);

// Where the record lives: beside the program where that folder takes new
// files or already holds a record writable in place; else the user's data
// folder, made when missing. Where that cannot be made either, the program's
// folder, so that a failed save can say why.
std::string choose_data_folder(const std::string& program_folder, const std::string& user_folder);

} // namespace plenk
