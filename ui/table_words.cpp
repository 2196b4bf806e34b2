#include "ui/table_words.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/human_selection.h"
#include "game/rounding.h"
#include "game/table_constants.h"
#include "platform/text_marker.h"

#include <array>

namespace plenk {

namespace {

const std::array<Text, 13> value_names{
    QT_TRANSLATE_NOOP("Table", "Ace"),   QT_TRANSLATE_NOOP("Table", "Two"),
    QT_TRANSLATE_NOOP("Table", "Three"), QT_TRANSLATE_NOOP("Table", "Four"),
    QT_TRANSLATE_NOOP("Table", "Five"),  QT_TRANSLATE_NOOP("Table", "Six"),
    QT_TRANSLATE_NOOP("Table", "Seven"), QT_TRANSLATE_NOOP("Table", "Eight"),
    QT_TRANSLATE_NOOP("Table", "Nine"),  QT_TRANSLATE_NOOP("Table", "Ten"),
    QT_TRANSLATE_NOOP("Table", "Jack"),  QT_TRANSLATE_NOOP("Table", "Queen"),
    QT_TRANSLATE_NOOP("Table", "King")};
const std::array<Text, 4> suit_names{
    QT_TRANSLATE_NOOP("Table", "Clubs"), QT_TRANSLATE_NOOP("Table", "Diamonds"),
    QT_TRANSLATE_NOOP("Table", "Hearts"), QT_TRANSLATE_NOOP("Table", "Spades")};
// The computer seats' places, seat 1 first.
const std::array<Text, 3> seat_places{QT_TRANSLATE_NOOP("Table", "right"),
                                      QT_TRANSLATE_NOOP("Table", "top"),
                                      QT_TRANSLATE_NOOP("Table", "left")};

Text cards_count(int n) {
    return with_count(QT_TRANSLATE_N_NOOP("Table", "%n card(s)"), n);
}

// Whole sentences for the human and for a computer seat, as their verbs differ.
Text played(int16_t seat, int16_t card) {
    return seat == 0 ? with_args(QT_TRANSLATE_NOOP("Table", "You played %1"), {card_name(card)})
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 played %2"),
                                 {std::to_string(seat), card_name(card)});
}

// A seat's name before something it holds: "You: Seven of Hearts", "COM 1: 5 cards".
Text seat_item(int16_t seat, Text what) {
    return seat == 0 ? with_args(QT_TRANSLATE_NOOP("Table", "You: %1"), {std::move(what)})
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1: %2"),
                                 {std::to_string(seat), std::move(what)});
}

// The parts one after the other, with `separator` between them.
Text joined(std::vector<Text> parts, const std::string &separator) {
    std::string pattern;
    for (std::size_t i = 1; i <= parts.size(); ++i)
        pattern += (i == 1 ? "" : separator) + "%" + std::to_string(i);
    return with_args(Text(pattern), std::move(parts));
}

} // namespace

Text card_name(int16_t card) {
    if (card < 0 || card >= pack_size)
        return {};
    //: A card's name: %1 its value ("Seven"), %2 its suit ("Hearts").
    return with_args(QT_TRANSLATE_NOOP("Table", "%1 of %2"),
                     {value_names[static_cast<std::size_t>(Get_Card_Value(card) - 1)],
                      suit_names[static_cast<std::size_t>(Get_Suit(card))]});
}

Table_Words table_words(const Game_State &g, bool human_to_play) {
    Table_Words words;
    // Before the first deal the table holds nothing but its cloth.
    const bool dealt = g.seat[0].hand_y != 0;
    auto add = [&](Thing_Kind kind, int16_t seat, Text name, bool playable, int32_t x, int32_t y,
                   int32_t w, int32_t h) {
        words.things.push_back({kind, seat, std::move(name), playable, x, y, w, h, {}});
    };

    const int16_t human = dealt ? Card_Empty_Slot(g, 0) : 0;
    words.hand_cards = human;
    if (dealt)
        words.hand = hand_words(human);
    const auto [left, top] = human_row_corner(g);
    for (int16_t j = 0; j < human; ++j)
        // A covered card shows only its strip.
        add(Thing_Kind::Hand_Card, 0, card_name(g.seat[0].card[j]),
            human_to_play && human_may_play_slot(g, j), left + card_step * j, top,
            j == human - 1 ? g.card_w : card_step, g.card_h);

    for (int16_t s = 1; s < 4 && dealt; ++s) {
        const Seat &seat = g.seat[s];
        const int16_t n = Card_Empty_Slot(g, s);
        const bool row = s == 2;
        const int32_t run = n > 0 ? (n - 1) * card_step : 0;
        const int32_t w = row ? run + g.card_w : g.card_w;
        const int32_t h = row ? g.card_h : run + g.card_h;
        //: A computer seat: its number, its place at the table, its cards ("COM 1, right, 5
        //: cards").
        add(Thing_Kind::Seat, s,
            with_args(
                QT_TRANSLATE_NOOP("Table", "COM %1, %2, %3"),
                {std::to_string(s), seat_places[static_cast<std::size_t>(s - 1)], cards_count(n)}),
            false, nearest(seat.hand_x - w / 2.0), nearest(seat.hand_y - h / 2.0), n > 0 ? w : 0,
            n > 0 ? h : 0);
    }

    Text centre;
    if (g.open_card != no_card)
        centre = with_args(QT_TRANSLATE_NOOP("Table", "Open card: %1"), {card_name(g.open_card)});
    else if (g.deck_pos <= pack_size - 1)
        centre = with_args(QT_TRANSLATE_NOOP("Table", "Stock: %1"),
                           {cards_count(pack_size - g.deck_pos)});
    if (dealt && !centre.source.empty())
        add(Thing_Kind::Centre, -1, centre, false, nearest((table_width - g.card_w) / 2.0),
            nearest((table_height - g.card_h) / 2.0), g.card_w, g.card_h);

    for (int16_t s = 0; s < 4 && dealt; ++s) {
        const Seat &seat = g.seat[s];
        if (seat.table_card == no_card)
            continue;
        add(Thing_Kind::Spot, s, played(s, seat.table_card), false,
            nearest(seat.table_x - g.card_w / 2.0), nearest(seat.table_y - g.card_h / 2.0),
            g.card_w, g.card_h);
    }

    // The ear is told what the eye sees as a dimmed card.
    for (Table_Thing &t : words.things)
        t.heard = t.kind == Thing_Kind::Hand_Card && human_to_play && !t.playable
                      ? with_args(QT_TRANSLATE_NOOP("Table", "%1, cannot be played"), {t.name})
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
        words.description = with_args(QT_TRANSLATE_NOOP("Table", "Suit to follow: %1."),
                                      {suit_names[static_cast<std::size_t>(g.lead_suit)]});
    if (human_to_play)
        words.description =
            with_args(QT_TRANSLATE_NOOP("Table", "%1 Your turn."), {words.description});
    return words;
}

Text play_words(int16_t seat, int16_t card) {
    return seat == 0 ? with_args(QT_TRANSLATE_NOOP("Table", "You play %1"), {card_name(card)})
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 plays %2"),
                                 {std::to_string(seat), card_name(card)});
}

Text draw_words(int16_t seat, int n) {
    return with_count(seat == 0 ? QT_TRANSLATE_N_NOOP("Table", "You draw %n card(s)")
                                : with_args(QT_TRANSLATE_N_NOOP("Table", "COM %1 draws %n card(s)"),
                                            {std::to_string(seat)}),
                      n);
}

Text round_won_words(int16_t seat) {
    return seat == 0 ? QT_TRANSLATE_NOOP("Table", "You win the round and lead")
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 wins the round and leads"),
                                 {std::to_string(seat)});
}

Text lead_words(int16_t seat) {
    return seat == 0
               ? QT_TRANSLATE_NOOP("Table", "You lead")
               : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 leads"), {std::to_string(seat)});
}

Text finish_words(int16_t seat, int place) {
    const std::array<Text, 3> places{QT_TRANSLATE_NOOP("Table", "first"),
                                     QT_TRANSLATE_NOOP("Table", "second"),
                                     QT_TRANSLATE_NOOP("Table", "third")};
    const Text &which = places[static_cast<std::size_t>(place - 1)];
    return seat == 0 ? with_args(QT_TRANSLATE_NOOP("Table", "You finished %1"), {which})
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 finished %2"),
                                 {std::to_string(seat), which});
}

Text game_over_words() {
    return QT_TRANSLATE_NOOP("Table", "Game over");
}

Text deal_words(int16_t open_card) {
    return with_args(QT_TRANSLATE_NOOP("Table", "Cards dealt. Open card: %1"),
                     {card_name(open_card)});
}

Text turn_words(int16_t lead_suit) {
    if (lead_suit < 0)
        return QT_TRANSLATE_NOOP("Table", "Your turn, you lead");
    return with_args(QT_TRANSLATE_NOOP("Table", "Your turn, follow %1"),
                     {suit_names[static_cast<std::size_t>(lead_suit)]});
}

Text refused_words(int16_t card, int16_t lead_suit) {
    return with_args(QT_TRANSLATE_NOOP("Table", "%1 cannot be played: follow %2"),
                     {card_name(card), suit_names[static_cast<std::size_t>(lead_suit)]});
}

Text hand_words(int n) {
    return with_count(QT_TRANSLATE_N_NOOP("Table", "Your hand, %n card(s)"), n);
}

Text table_cards_words(const Game_State &g) {
    std::vector<Text> cards;
    for (int16_t s = 0; s < 4; ++s)
        if (g.seat[s].table_card != no_card)
            cards.push_back(seat_item(s, card_name(g.seat[s].table_card)));
    const Text on_table =
        cards.empty() ? QT_TRANSLATE_NOOP("Table", "No cards on the table") : joined(cards, ", ");
    if (g.lead_suit < 0)
        return with_args(QT_TRANSLATE_NOOP("Table", "%1. No suit to follow"), {on_table});
    return with_args(QT_TRANSLATE_NOOP("Table", "%1. Follow %2"),
                     {on_table, suit_names[static_cast<std::size_t>(g.lead_suit)]});
}

Text seat_counts_words(const Game_State &g) {
    std::vector<Text> counts;
    for (int16_t s = 0; s < 4; ++s)
        counts.push_back(seat_item(s, g.seat[s].finished == flag_true
                                          ? QT_TRANSLATE_NOOP("Table", "finished")
                                          : cards_count(Card_Empty_Slot(g, s))));
    return joined(counts, ", ");
}

Text centre_words(const Game_State &g) {
    if (g.open_card != no_card)
        return with_args(QT_TRANSLATE_NOOP("Table", "Open card: %1"), {card_name(g.open_card)});
    if (g.deck_pos <= pack_size - 1)
        return with_args(QT_TRANSLATE_NOOP("Table", "Stock: %1"),
                         {cards_count(pack_size - g.deck_pos)});
    return QT_TRANSLATE_NOOP("Table", "The stock is empty");
}

Text last_round_words(const Round_Plays &round) {
    if (round.leader < 0)
        return QT_TRANSLATE_NOOP("Table", "No round has ended yet");
    std::vector<Text> said;
    for (const auto &[seat, card] : round.plays)
        said.push_back(seat == 0
                           ? with_args(QT_TRANSLATE_NOOP("Table", "You %1"), {card_name(card)})
                           : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 %2"),
                                       {std::to_string(seat), card_name(card)}));
    if (round.taker < 0) {
        said.push_back(round_won_words(round.leader));
    } else {
        said.push_back(round.taker == 0
                           ? QT_TRANSLATE_NOOP("Table", "You took the table")
                           : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 took the table"),
                                       {std::to_string(round.taker)}));
        said.push_back(lead_words(round.leader));
    }
    return with_args(QT_TRANSLATE_NOOP("Table", "Last round: %1"), {joined(said, ", ")});
}

Text no_game_words() {
    return QT_TRANSLATE_NOOP("Table", "No game in progress");
}

int thing_at(const Table_Words &words, int32_t x, int32_t y) {
    // Searched from the end: the table spots, the centre, then the hands.
    for (int i = static_cast<int>(words.things.size()) - 1; i >= 0; --i) {
        const Table_Thing &t = words.things[static_cast<std::size_t>(i)];
        if (x >= t.x && x < t.x + t.width && y >= t.y && y < t.y + t.height)
            return i;
    }
    return -1;
}

} // namespace plenk
