#pragma once

#include "platform/platform.h"

#include <string>

namespace plenk {

// Where the record "data.dat" is loaded from and saved to. Beside the
// program when a record is there that can be written, or when none is there
// and that folder, not one under /usr, takes new files; else in the user's
// data folder, made when missing inside a folder of the user's own, the
// record beside the program, if any, loaded from where it is. Where no user
// folder can be made for a new record, still there, so that a failed save
// names where the record would be kept. An empty program folder counts as
// one that has nothing. Temporary files an interrupted save left beside the
// record are removed.
Record_Place locate_record(const std::string &program_folder, const std::string &user_folder);
// The same place, removing nothing: for the copy that has yet to claim the
// record. It may make the user's data folder.
Record_Place choose_record_place(const std::string &program_folder, const std::string &user_folder);

// The game's folder in the user's data folder: "Plenk" in XDG_DATA_HOME, or
// in ~/.local/share, the home from HOME or else from the password database.
// Relative paths count as unset, and so do folders of the environment that
// are not the effective user's own (root keeps to its own home); empty when
// no home is known but "/".
std::string user_data_folder(const char *xdg_data_home, const char *home);

} // namespace plenk
