#include "ui/table_words.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/human_selection.h"
#include "game/rounding.h"
#include "game/table_constants.h"

#include <array>

namespace plenk {

namespace {

constexpr std::array<const char*, 13> value_names{"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                                  "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
constexpr std::array<const char*, 4> suit_names{"Clubs", "Diamonds", "Hearts", "Spades"};
constexpr std::array<const char*, 4> seat_places{"bottom", "right", "top", "left"};

std::string count_of(int n, const char* one) { return std::to_string(n) + " " + one + (n == 1 ? "" : "s"); }

std::string seat_name(int16_t seat) { return seat == 0 ? "You" : "COM " + std::to_string(seat); }

// The verb after a seat's name: "You play", "COM 1 plays".
std::string seat_does(int16_t seat, const char* verb) { return seat_name(seat) + " " + verb + (seat == 0 ? "" : "s"); }

constexpr std::array<const char*, 4> places{"", "first", "second", "third"};

} // namespace

std::string card_name(int16_t card) {
    if (card < 0 || card >= pack_size) return {};
    return std::string(value_names[static_cast<std::size_t>(Get_Card_Value(card) - 1)]) + " of " +
           suit_names[static_cast<std::size_t>(Get_Suit(card))];
}

Table_Words table_words(const Game_State& g, bool human_to_play) {
    Table_Words words;
    // Before the first deal the table holds nothing but its cloth.
    const bool dealt = g.seat[0].hand_y != 0;
    auto add = [&](Thing_Kind kind, int16_t seat, std::string name, bool playable, int32_t x, int32_t y, int32_t w,
                   int32_t h) {
        words.things.push_back({kind, seat, std::move(name), playable, x, y, w, h, {}});
    };

    const int16_t human = dealt ? Card_Empty_Slot(g, 0) : 0;
    words.hand_cards = human;
    if (dealt) words.hand = hand_words(human);
    const auto [left, top] = human_row_corner(g);
    for (int16_t j = 0; j < human; ++j)
        // A covered card shows only its strip.
        add(Thing_Kind::Hand_Card, 0, card_name(g.seat[0].card[j]), human_to_play && human_may_play_slot(g, j),
            left + card_step * j, top, j == human - 1 ? g.card_w : card_step, g.card_h);

    for (int16_t s = 1; s < 4 && dealt; ++s) {
        const Seat& seat = g.seat[s];
        const int16_t n = Card_Empty_Slot(g, s);
        const bool row = s == 2;
        const int32_t run = n > 0 ? (n - 1) * card_step : 0;
        const int32_t w = row ? run + g.card_w : g.card_w;
        const int32_t h = row ? g.card_h : run + g.card_h;
        add(Thing_Kind::Seat, s,
            seat_name(s) + ", " + seat_places[static_cast<std::size_t>(s)] + ", " + count_of(n, "card"), false,
            nearest(seat.hand_x - w / 2.0), nearest(seat.hand_y - h / 2.0), n > 0 ? w : 0, n > 0 ? h : 0);
    }

    std::string centre;
    if (g.open_card != no_card)
        centre = "Open card: " + card_name(g.open_card);
    else if (g.deck_pos <= pack_size - 1)
        centre = "Stock: " + count_of(pack_size - g.deck_pos, "card");
    if (dealt && !centre.empty())
        add(Thing_Kind::Centre, -1, centre, false, nearest((table_width - g.card_w) / 2.0),
            nearest((table_height - g.card_h) / 2.0), g.card_w, g.card_h);

    for (int16_t s = 0; s < 4 && dealt; ++s) {
        const Seat& seat = g.seat[s];
        if (seat.table_card == no_card) continue;
        add(Thing_Kind::Spot, s, seat_name(s) + " played " + card_name(seat.table_card), false,
            nearest(seat.table_x - g.card_w / 2.0), nearest(seat.table_y - g.card_h / 2.0), g.card_w, g.card_h);
    }

    // The ear is told what the eye sees as a dimmed card.
    for (Table_Thing& t : words.things)
        t.heard = t.kind == Thing_Kind::Hand_Card && human_to_play && !t.playable ? t.name + ", cannot be played" : t.name;

    if (g.game_over == flag_true)
        words.description = "No game in progress. Game, Deal starts one.";
    else if (g.lead_suit == -1)
        words.description = "No suit to follow: the next card leads.";
    else
        words.description = std::string("Suit to follow: ") + suit_names[static_cast<std::size_t>(g.lead_suit)] + ".";
    if (human_to_play) words.description += " Your turn.";
    return words;
}

std::string play_words(int16_t seat, int16_t card) { return seat_does(seat, "play") + " " + card_name(card); }

std::string draw_words(int16_t seat, int n) { return seat_does(seat, "draw") + " " + count_of(n, "card"); }

std::string round_won_words(int16_t seat) {
    return seat == 0 ? "You win the round and lead" : seat_name(seat) + " wins the round and leads";
}

std::string lead_words(int16_t seat) { return seat_does(seat, "lead"); }

std::string finish_words(int16_t seat, int place) {
    return seat_name(seat) + " finished " + places[static_cast<std::size_t>(place)];
}

std::string game_over_words() { return "Game over"; }

std::string deal_words(int16_t open_card) { return "Cards dealt. Open card: " + card_name(open_card); }

std::string turn_words(int16_t lead_suit) {
    if (lead_suit < 0) return "Your turn, you lead";
    return std::string("Your turn, follow ") + suit_names[static_cast<std::size_t>(lead_suit)];
}

std::string refused_words(int16_t card, int16_t lead_suit) {
    return card_name(card) + " cannot be played: follow " + suit_names[static_cast<std::size_t>(lead_suit)];
}

std::string hand_words(int n) { return "Your hand, " + count_of(n, "card"); }

std::string table_cards_words(const Game_State& g) {
    std::string cards;
    for (int16_t s = 0; s < 4; ++s)
        if (g.seat[s].table_card != no_card)
            cards += (cards.empty() ? "" : ", ") + seat_name(s) + ": " + card_name(g.seat[s].table_card);
    if (cards.empty()) cards = "No cards on the table";
    if (g.lead_suit < 0) return cards + ". No suit to follow";
    return cards + ". Follow " + suit_names[static_cast<std::size_t>(g.lead_suit)];
}

std::string seat_counts_words(const Game_State& g) {
    std::string counts;
    for (int16_t s = 0; s < 4; ++s)
        counts += (s == 0 ? "" : ", ") + seat_name(s) + ": " +
                  (g.seat[s].finished == flag_true ? std::string("finished") : count_of(Card_Empty_Slot(g, s), "card"));
    return counts;
}

std::string centre_words(const Game_State& g) {
    if (g.open_card != no_card) return "Open card: " + card_name(g.open_card);
    if (g.deck_pos <= pack_size - 1) return "Stock: " + count_of(pack_size - g.deck_pos, "card");
    return "The stock is empty";
}

std::string last_round_words(const Round_Plays& round) {
    if (round.leader < 0) return "No round has ended yet";
    std::string said = "Last round: ";
    for (const auto& [seat, card] : round.plays) said += seat_name(seat) + " " + card_name(card) + ", ";
    if (round.taker >= 0) return said + seat_name(round.taker) + " took the table, " + lead_words(round.leader);
    return said + round_won_words(round.leader);
}

std::string no_game_words() { return "No game in progress"; }

int thing_at(const Table_Words& words, int32_t x, int32_t y) {
    // Searched from the end: the table spots, the centre, then the hands.
    for (int i = static_cast<int>(words.things.size()) - 1; i >= 0; --i) {
        const Table_Thing& t = words.things[static_cast<std::size_t>(i)];
        if (x >= t.x && x < t.x + t.width && y >= t.y && y < t.y + t.height) return i;
    }
    return -1;
}

} // namespace plenk
