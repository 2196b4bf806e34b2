#include "ui/table_sentences.h"

#include "game/cards.h"
#include "game/hand.h"
#include "platform/text_marker.h"
#include "ui/table_layout.h"

#include <array>
#include <string>

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

Text suit_name(int16_t suit) {
    return suit_names[static_cast<std::size_t>(suit)];
}

Text cards_count(int n) {
    return with_count(QT_TRANSLATE_N_NOOP("Table", "%n card(s)"), n);
}

Text play_words(int16_t seat, int16_t card) {
    return seat == 0 ? with_args(QT_TRANSLATE_NOOP("Table", "You play %1"), {card_name(card)})
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 plays %2"),
                                 {std::to_string(seat), card_name(card)});
}

Text plenking_words(int16_t seat) {
    return seat == 0 ? QT_TRANSLATE_NOOP("Table", "You cannot follow and plenk")
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 cannot follow and plenks"),
                                 {std::to_string(seat)});
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

Text place_name(int place) {
    const std::array<Text, 3> places{QT_TRANSLATE_NOOP("Table", "first"),
                                     QT_TRANSLATE_NOOP("Table", "second"),
                                     QT_TRANSLATE_NOOP("Table", "third")};
    return places[static_cast<std::size_t>(place - 1)];
}

Text finish_words(int16_t seat, int place) {
    const Text which = place_name(place);
    return seat == 0 ? with_args(QT_TRANSLATE_NOOP("Table", "You finished %1"), {which})
                     : with_args(QT_TRANSLATE_NOOP("Table", "COM %1 finished %2"),
                                 {std::to_string(seat), which});
}

Text game_over_words(int human_place) {
    if (human_place == 0)
        return QT_TRANSLATE_NOOP("Table",
                                 "Game over: you lost. Game, Deal or Ctrl+N starts the next game");
    //: %1 the human's place: "first", "second" or "third".
    return with_args(QT_TRANSLATE_NOOP("Table", "Game over: you finished %1. Game, Deal or "
                                                "Ctrl+N starts the next game"),
                     {place_name(human_place)});
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
    switch (centre_holds(g)) {
    case Centre::Open_Card:
        return with_args(QT_TRANSLATE_NOOP("Table", "Open card: %1"), {card_name(g.open_card)});
    case Centre::Stock:
        return with_args(QT_TRANSLATE_NOOP("Table", "Stock: %1"),
                         {cards_count(pack_size - g.deck_pos)});
    case Centre::Nothing:
        break;
    }
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

} // namespace plenk
