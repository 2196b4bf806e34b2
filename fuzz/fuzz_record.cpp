// Loads a record file of any bytes, saves it and loads it again: the record
// must come back the same, and its name must survive a trip through text.
#include "record/player_record.h"
#include "record/record_file.h"
#include "tests/support/english.h"
#include "tests/support/random_game.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static plenk::test::Memory_Record_Platform os;
    os.saved.assign(data, data + size);
    plenk::Record_State rec;
    rec.data_file = "data.dat";
    plenk::open_file(os, rec, rec.data_file);
    const plenk::Player_Record loaded = rec.player_rec;

    plenk::save_file(os, rec, rec.data_file);
    if (os.saved.size() != std::max<size_t>(size, plenk::record_length))
        std::abort();
    if (size > plenk::record_length && !std::equal(data + plenk::record_length, data + size,
                                                   os.saved.begin() + plenk::record_length))
        std::abort(); // the bytes after the record were lost

    plenk::Record_State again;
    plenk::open_file(os, again, "data.dat");
    if (again.player_rec.player_name != loaded.player_name ||
        again.player_rec.rank_count != loaded.rank_count)
        std::abort();
    if (plenk::make_player_name(plenk::player_name_text(loaded)) != loaded.player_name)
        std::abort();
    if (plenk::english(plenk::stat_text(loaded)).empty())
        std::abort();
    return 0;
}
