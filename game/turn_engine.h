#pragma once

#include "game/game_context.h"

namespace plenk {

// The hand-over after a deal: show the table, give seat 0 the first move.
void start_play(Game_Context &ctx);
// Runs the computer seats until the human must act or the game is over, and
// then tells the table that the game has ended.
void next_turn(Game_Context &ctx);
// After every card played: passes the move on, or closes a complete round and
// gives the lead to its winner.
void Finalize_Round(Game_Context &ctx);

} // namespace plenk
