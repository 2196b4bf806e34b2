#pragma once

#include "game/game_state.h"
#include "game/table_view.h"
#include "platform/platform.h"

namespace plenk {

// What every procedure of the game reaches: the one shared state, the
// platform's services and the table's presentation.
struct Game_Context {
    Game_State &g;
    Platform &os;
    Table_View &view;
};

} // namespace plenk
