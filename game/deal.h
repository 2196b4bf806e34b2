#pragma once

#include "game/game_context.h"

namespace plenk {

// Puts the 52 cards into `deck` in random order, re-seeding before every draw.
void Shuffle_Deck(Game_State &g, Platform &os);
// Lays out the seats, deals five cards each, turns up the open card, then
// hands over to the turn engine; returns when the human must act or the game
// is over.
void Initialize_Game(Game_Context &ctx);
// The deal itself, up to the hand-over: what Initialize_Game does before play starts.
void deal_cards(Game_State &g);

} // namespace plenk
