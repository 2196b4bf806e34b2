#include "ui/qt/help_texts.h"

#include "platform/qt/card_deck.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plenk {

namespace {

// Where Debian lists the authors of the desktop's card decks.
constexpr const char *deck_authors_file = "/usr/share/doc/kdegames-card-data-kf5/copyright";

} // namespace

QString rules_text() {
    //: One point to a line, so that each rule stands on its own; the window is
    //: small, so the text should be no longer than the English. "Stock", "the
    //: suit to follow" and "plenk" are the words the rest of the game uses.
    return QCoreApplication::translate(
        "Rules",
        "The aim of the game is to be the first to get rid of all your cards.\n"
        "When the game starts, one card of the stock is turned face up, and its suit becomes "
        "the suit to follow.\n"
        "You may only play a card of the suit to follow.\n"
        "If you have no card of that suit, you draw from the stock, one card at a time, until "
        "a card of that suit turns up.\n"
        "This drawing is called \"Plenking\".\n"
        "If you cannot plenk because the stock is used up, you take the cards played on the "
        "table instead.\n"
        "Whoever plays the highest card of a round leads the next round, and the suit of the "
        "card led becomes the suit to follow for the others.\n"
        "Hint: remember an opponent's \"weakness suit\", so that you can make that player "
        "plenk as often as possible.\n"
        "Hint: once the stock is used up, keep in mind the highest card of each suit that has "
        "already been played.");
}

QString guide_text() {
    //: One point to a line. The window grows to hold the text. The key names
    //: are those printed on the keys; T, C, S and L stay these letters in
    //: every language, as the game reads exactly these keys.
    return QCoreApplication::translate(
               "Rules",
               "Everyone is dealt five cards. Aces are high, above the king.\n"
               "You play first in the first round; then everyone plays in turn, you, COM 1 on the "
               "right, COM 2 at the top and COM 3 on the left.\n"
               "Your draws and takes happen by themselves. The status line under the table says "
               "what happens and whose turn it is.\n"
               "After a take, the seat still playing whose card on the table was highest leads; "
               "if there is none, the one who took leads.\n"
               "Whoever plays their last card has finished. The game ends when the third seat "
               "finishes, and your place (first, second, third or lost) is counted in your record: "
               "Game, Show Rank.\n"
               "Mouse: click a card of your hand to play it, with any button. Resting the pointer "
               "on a hand, the middle or a played card names it; on a card you may not play it "
               "says why.\n"
               "Keys: Left and Right move the mark over your hand, Home and End jump to the first "
               "and last card, Enter or Space plays the marked card.\n"
               "T reads the cards on the table and the suit to follow, C each seat's card count, "
               "S the open card or the stock, L the last round.\n"
               "Ctrl+N deals a new game, Ctrl+Q ends the program, F1 shows the rules.") +
           QLatin1Char('\n') +
           //: The last point of the guide. Table and Cards are the menu and
           //: submenu of those names.
           QCoreApplication::translate(
               "Rules", "Ctrl++ and Ctrl+- make the table larger and smaller, Ctrl+0 brings "
                        "it back to its own size, F11 fills the screen and Escape leaves it; "
                        "Table, Cards chooses another card deck.");
}

QString about_text() {
    //: %1 is the game's version, such as 1.10.
    QString text = QCoreApplication::translate(
                       "About", "Plenk %1\n\nA shedding card game for one player against three "
                                "computer seats.\n\nFree software under the GNU General Public "
                                "License, version 3 or later.")
                       .arg(QStringLiteral(PLENK_VERSION));
    if (QFileInfo::exists(QString::fromLatin1(standard_deck_path)))
        //: %1 is the file that lists the deck's authors.
        text += QCoreApplication::translate(
                    "About", "\n\nCards: the \"Standard\" deck of the desktop's card games "
                             "(KDE), under the GNU General Public License, version 2 or later; "
                             "its authors are listed in %1.")
                    .arg(QString::fromLatin1(deck_authors_file));
    else
        text += QCoreApplication::translate(
            "About", "\n\nCards: painted by the game itself, as the desktop's card deck is not "
                     "installed.");
    return text;
}

} // namespace plenk
