#pragma once

#include <QLocale>
#include <QString>

#include <vector>

namespace plenk {

// A card deck the desktop has installed: its folder's name, which stays the
// same in every language, its own name in the player's language, and its SVG.
struct Installed_Deck {
    QString id;
    QString name;
    QString svg;
};

// The deck the game uses unless the player chooses another.
inline constexpr const char *standard_deck_id = "svg-standard";

// Every SVG deck in a "carddecks" folder of the desktop's data folders (a
// folder "svg-…" whose "index.desktop" names its SVG file, and the file is
// there), sorted by name. Where two data folders hold a deck of one id, the
// first one counts, as the desktop's own card games do.
std::vector<Installed_Deck> installed_decks(const QLocale &language);

} // namespace plenk
