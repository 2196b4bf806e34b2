#pragma once

#include <QString>

namespace plenk {

// The rules of the game, one point a line.
QString rules_text();
// What a newcomer needs beside the rules: the deal, the order of play, the
// end of a game, the mouse and every key.
QString guide_text();
// Who made the game and its cards, and under which licences.
QString about_text();

} // namespace plenk
