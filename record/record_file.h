#pragma once

#include "platform/platform.h"
#include "record/player_record.h"

#include <string>

namespace plenk {

// The record in memory and the file it belongs to.
struct Record_State {
    Player_Record player_rec{};
    std::string data_file;
    // Set when the file exists but could not be read: it is then never
    // written in this run, so a record the game could not read is not lost.
    bool data_file_unreadable = false;
};

// Finds where the record lives and loads it, or asks for a name and creates
// it when there is none. A record that must be saved elsewhere than where it
// was found is saved there at once, and the player is told where it lives
// from now on.
void load_record(Platform &os, Record_State &rec);
// Loads the record from the file. A file that cannot be read leaves a record
// named "No Name" in memory, tells the player and marks the file untouchable.
void open_file(Platform &os, Record_State &rec, const std::string &filename);
// Writes the record over the first 35 bytes of the file; a failure is told to
// the player, the record stays in memory and the next save tries again.
void save_file(Platform &os, Record_State &rec, const std::string &filename);
// Asks for a name, tells the player the name as kept when the record cannot
// hold it as typed, clears counters 1 to 4 and saves.
void reset_record(Platform &os, Record_State &rec);
// Shows the statistics box "Winning Stroke".
void show_human_stat(Platform &os, const Record_State &rec);

} // namespace plenk
