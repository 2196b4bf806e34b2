#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

namespace plenk {

// True for an ordinary file at the path, links followed; a folder does not count.
bool File_Exists(const std::string& path);

// Reads up to `length` bytes from the start of the file. Only an ordinary
// file is opened, and never in a way that can block: anything else at the
// path (a pipe, a device, a socket, a folder) is refused with its reason.
File_Read read_file_start(const std::string& path, std::size_t length);

// Writes `head` over the start of the ordinary file at the path, keeping
// what lies beyond it, its owner, permissions, links and the link leading to
// it (a dangling link gets its target made). A file no longer than `head`
// with one name is replaced by a new one renamed over it; a longer file, one
// with several names, or one whose folder takes no new file is written in
// place by one write, which a killed process makes whole or not at all.
// Either way the cost does not depend on the file's length. Returns the
// system's reason on failure, empty on success; nothing but an ordinary file
// is ever written.
std::string write_file_start(const std::string& path, const std::vector<uint8_t>& head);

// Whether a new file can be made in the folder: tried, not guessed from
// permissions, which say nothing for root or a read-only mount.
bool folder_takes_new_files(const std::string& folder);

// Where the record "data.dat" is loaded from and saved to. Beside the
// program when a record is there that can be written, or when none is there
// and that folder, not one under /usr, takes new files; else in the user's data folder, made when
// missing, the record beside the program, if any, loaded from where it is.
// Where no user folder can be made, beside the program, so that a failed
// save can say why. An empty program folder counts as one that has nothing.
// Temporary files an interrupted save left beside the record are removed.
Record_Place locate_record(const std::string& program_folder, const std::string& user_folder);

// Removes what interrupted saves of `path` left beside its file: ordinary
// files named as the save names its temporary files.
void remove_stale_temporaries(const std::string& path);

// The folder of the running program, from its real path as the system gives
// its bytes; empty when the system cannot tell.
std::string executable_folder();

} // namespace plenk
