#include "record/record_file.h"

#include "platform/text_marker.h"

#include <algorithm>

namespace plenk {

namespace {

// The game's name, the same in every language.
const std::string trouble_title = "Plenk";

void warn(Platform &os, const Text &text) {
    os.message_box(text, trouble_title, Box_Icon::Warning, Box_Buttons::Ok);
}

// A failure is told; the record stays in memory for the next save to try again.
bool write_record(Platform &os, const Record_State &rec, const std::string &filename) {
    const std::string reason = os.write_record_file(filename, encode_record(rec.player_rec));
    if (!reason.empty())
        warn(os,
             with_args(QT_TRANSLATE_NOOP(
                           "Record", "The player record could not be saved to \"%1\" (%2). It is "
                                     "kept in memory, and the next save will try again."),
                       {filename, reason}));
    return reason.empty();
}

} // namespace

void load_record(Platform &os, Record_State &rec) {
    const Record_Place place = os.record_place();
    rec.data_file = place.save_to;
    if (place.load_from.empty()) {
        reset_record(os, rec);
        return;
    }
    open_file(os, rec, place.load_from);
    if (rec.data_file_unreadable)
        rec.data_file = place.load_from;
    if (place.load_from != rec.data_file && write_record(os, rec, rec.data_file))
        warn(os,
             with_args(QT_TRANSLATE_NOOP(
                           "Record", "The player record \"%1\" cannot be updated where it is. From "
                                     "now on it lives in \"%2\"."),
                       {place.load_from, rec.data_file}));
}

void open_file(Platform &os, Record_State &rec, const std::string &filename) {
    const File_Read read = os.read_record_file(filename, record_length);
    if (read.ok) {
        rec.player_rec = decode_record(read.bytes);
        return;
    }
    // The file may hold a record worth keeping: play on without touching it.
    rec.player_rec = Player_Record{make_player_name("No Name"), {}};
    rec.data_file_unreadable = true;
    warn(os,
         with_args(QT_TRANSLATE_NOOP(
                       "Record", "The player record \"%1\" could not be read (%2). Your results "
                                 "are kept in memory only in this run; the file is left as it is."),
                   {filename, read.reason}));
}

void save_file(Platform &os, Record_State &rec, const std::string &filename) {
    // The player was told at load time that this file stays as it is.
    if (!rec.data_file_unreadable)
        write_record(os, rec, filename);
}

void reset_record(Platform &os, Record_State &rec) {
    const std::string answer = os.input_box(QT_TRANSLATE_NOOP("Record", "Input Player Name:"));
    // A name, kept in the record file: the same in every language.
    const Held_Name held = hold_player_name(answer.empty() ? "No Name" : answer);
    rec.player_rec.player_name = held.bytes;
    if (!held.as_typed) {
        std::string kept = player_name_text(rec.player_rec);
        kept.erase(kept.find_last_not_of(' ') + 1);
        warn(os, with_args(
                     //: %1 is the player's name as the record keeps it, without the spaces
                     //: that fill it to 25 characters.
                     QT_TRANSLATE_NOOP("Record",
                                       "Your name is kept as \"%1\". The player record holds at "
                                       "most 25 characters, and only the letters of Western "
                                       "European languages."),
                     {kept}));
    }
    // Counters 1 to 4, all but the one kept as loaded.
    std::fill(rec.player_rec.rank_count.begin() + 1, rec.player_rec.rank_count.end(), int16_t{0});
    save_file(os, rec, rec.data_file);
}

void show_human_stat(Platform &os, const Record_State &rec) {
    os.message_box(stat_text(rec.player_rec), QT_TRANSLATE_NOOP("Record", "Winning Stroke"),
                   Box_Icon::Information, Box_Buttons::Ok);
}

} // namespace plenk
