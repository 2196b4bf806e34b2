#include "ui/table_words.h"

#include "game/hand.h"
#include "game/human_selection.h"
#include "platform/text_marker.h"
#include "ui/table_layout.h"
#include "ui/table_sentences.h"

#include <array>
#include <string>

namespace plenk {

namespace {

// The computer seats' places, seat 1 first.
const std::array<Text, 3> seat_places{QT_TRANSLATE_NOOP("Table", "right"),
                                      QT_TRANSLATE_NOOP("Table", "top"),
                                      QT_TRANSLATE_NOOP("Table", "left")};

// The name of a card on its seat's spot: "You played Seven of Hearts".
Text played(int16_t seat, int16_t card) {
    return seat == 0 ? with_args(QT_TRANSLATE_NOOP("Table", "You played %1"), {card_name(card)})
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 played %2"),
                                 {std::to_string(seat), card_name(card)});
}

} // namespace

Table_Words table_words(const Game_State &g, bool human_to_play) {
    Table_Words words;
    // Before the first deal the table holds nothing but its cloth.
    const bool dealt = ever_dealt(g);
    auto add = [&](Thing_Kind kind, int16_t seat, Text name, bool playable, const Table_Rect &at,
                   int16_t card = no_card) {
        words.things.push_back(
            {kind, seat, std::move(name), playable, at.x, at.y, at.width, at.height, {}, card});
    };

    const int16_t human = dealt ? Card_Empty_Slot(g, 0) : 0;
    words.hand_cards = human;
    if (dealt)
        words.hand = hand_words(human);
    for (int16_t j = 0; j < human; ++j)
        add(Thing_Kind::Hand_Card, 0, card_name(g.seat[0].card[j]),
            human_to_play && human_may_play_slot(g, j), shown_rect(g, 0, j), g.seat[0].card[j]);

    for (int16_t s = 1; s < 4 && dealt; ++s) {
        const int16_t n = Card_Empty_Slot(g, s);
        //: A computer seat: its number, its place at the table, its cards ("COM 1, right, 5
        //: cards").
        add(Thing_Kind::Seat, s,
            with_args(
                QT_TRANSLATE_NOOP("Table", "COM %1, %2, %3"),
                {std::to_string(s), seat_places[static_cast<std::size_t>(s - 1)], cards_count(n)}),
            false, stack_rect(g, s));
    }

    if (dealt && centre_holds(g) != Centre::Nothing)
        add(Thing_Kind::Centre, -1, centre_words(g), false, centre_rect(g));

    for (int16_t s = 0; s < 4 && dealt; ++s) {
        const Seat &seat = g.seat[s];
        if (seat.table_card == no_card)
            continue;
        add(Thing_Kind::Spot, s, played(s, seat.table_card), false, spot_rect(g, s));
    }

    // A card the rule refuses says so in the words of a press on it.
    for (Table_Thing &t : words.things)
        t.heard = t.kind == Thing_Kind::Hand_Card && human_to_play && !t.playable
                      ? refused_words(t.card, g.lead_suit)
                      : t.name;

    if (!dealt)
        //: Before the first deal. "Game, Deal" names the menu and its item, "Ctrl+N" its key
        //: as the desktop writes it.
        words.description = QT_TRANSLATE_NOOP(
            "Table", "No game yet. To start one, choose Game, Deal or press Ctrl+N.");
    else if (g.game_over == flag_true)
        //: "Game, Deal" names the menu and its item.
        words.description =
            QT_TRANSLATE_NOOP("Table", "No game in progress. Game, Deal starts one.");
    else if (g.lead_suit == -1)
        words.description = QT_TRANSLATE_NOOP("Table", "No suit to follow: the next card leads.");
    else
        words.description =
            with_args(QT_TRANSLATE_NOOP("Table", "Suit to follow: %1."), {suit_name(g.lead_suit)});
    if (human_to_play)
        words.description =
            with_args(QT_TRANSLATE_NOOP("Table", "%1 Your turn."), {words.description});
    return words;
}

int thing_at(const Table_Words &words, float x, float y) {
    // Searched from the end: the table spots, the centre, the seats, then the
    // hand, which is hit as a press hits it.
    for (int i = static_cast<int>(words.things.size()) - 1; i >= words.hand_cards; --i) {
        const Table_Thing &t = words.things[static_cast<std::size_t>(i)];
        if (x >= t.x && x < t.x + t.width && y >= t.y && y < t.y + t.height)
            return i;
    }
    if (words.hand_cards == 0)
        return -1;
    const Table_Thing &first = words.things.front();
    const Table_Thing &last = words.things[static_cast<std::size_t>(words.hand_cards - 1)];
    const Table_Rect hand{first.x, first.y, last.x + last.width - first.x, first.height};
    return hand_slot_at(hand, static_cast<int16_t>(words.hand_cards), x, y);
}

} // namespace plenk
