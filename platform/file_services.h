#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

namespace plenk {

// True for an ordinary file at the path, links followed; a folder does not count.
bool File_Exists(const std::string &path);

// Reads up to `length` bytes from the start of the file. Only an ordinary
// file is opened, and never in a way that can block: anything else at the
// path (a pipe, a device, a socket, a folder) is refused with its reason, and
// so is a link owned by another user than the reader or root.
File_Read read_file_start(const std::string &path, std::size_t length);

// Writes `head` over the start of the ordinary file at the path, keeping
// what lies beyond it, its owner, permissions, links and the link leading to
// it (a dangling link gets its target made). A file no longer than `head`
// with one name is replaced by a new one renamed over it; a longer file, one
// with several names, or one whose folder takes no new file is written in
// place by one write, which a killed process makes whole or not at all.
// Either way the cost does not depend on the file's length. Returns the
// system's reason on failure, empty on success; nothing but an ordinary file
// is ever written, and no link of another user's followed.
std::string write_file_start(const std::string &path, const std::vector<uint8_t> &head);

// The folder a file's path lies in, with its closing slash; "./" for a bare name.
std::string folder_of(const std::string &path);

// The path of the file `path` names once its links are followed, as the
// record is reached; empty when they go round or one is another user's.
std::string link_target(const std::string &path);

// Whether the ordinary file at the path, its links followed as a save
// follows them, can be opened to be written in place.
bool writable_in_place(const std::string &path);

// Whether a new file can be made in the folder: tried, not guessed from
// permissions, which say nothing for root or a read-only mount.
bool folder_takes_new_files(const std::string &folder);

// Removes what interrupted saves left beside the file of `path`: the user's
// own ordinary files with the name only the game's temporary files have.
void remove_stale_temporaries(const std::string &path);

// For the whole process: a write over a file-size limit fails with EFBIG,
// told as a full disk is, instead of the limit's signal ending the program.
void writes_over_limits_fail();

// The folder of the running program, from its real path as the system gives
// its bytes; empty when the system cannot tell.
std::string executable_folder();

} // namespace plenk
