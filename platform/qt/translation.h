#pragma once

#include "platform/text.h"

#include <QLocale>
#include <QString>

namespace plenk {

// The text in the player's language: each part by its context, %n by Qt's
// plural forms for the count.
QString translated(const Text &text);

// Loads the game's texts in the first of `language`'s languages the game
// speaks, and Qt's own (the standard buttons) in that same language, in place
// of any loaded before, over the English plural forms, which complete the
// code's own English. When the game speaks none of them, all is English. The
// program asks for the desktop's language, QLocale::system().
void install_translations(const QLocale &language);

} // namespace plenk
