#include "ui/table_news.h"

#include "game/cards.h"
#include "game/hand.h"

#include <algorithm>

namespace plenk {

namespace {

// The card that left a hand: in the hand before, not in it now.
int16_t card_gone(const Game_State &was, const Game_State &now, int16_t s) {
    const auto &after = now.seat[s].card;
    for (int16_t card : was.seat[s].card)
        if (card != no_card && std::find(after.begin(), after.end(), card) == after.end())
            return card;
    return no_card;
}

// The unfinished seat with the highest card on the table, -1 for none.
int16_t highest(const Game_State &g) {
    int16_t best = -1, seat = -1;
    for (int16_t s = 0; s < 4; ++s) {
        if (g.seat[s].finished == flag_true || g.seat[s].table_card == no_card)
            continue;
        if (card_strength(g.seat[s].table_card) > best)
            best = card_strength(g.seat[s].table_card), seat = s;
    }
    return seat;
}

int table_count(const Game_State &g) {
    return static_cast<int>(std::count_if(g.seat.begin(), g.seat.end(),
                                          [](const Seat &s) { return s.table_card != no_card; }));
}

} // namespace

std::vector<Text> Table_News::look(const Game_State &g) {
    if (dealing_) {
        dealing_ = false;
        seen_ = g;
        drawn_ = {};
        round_ = last_round_ = {};
        return {deal_words(g.open_card)};
    }
    std::vector<Text> news;
    const Game_State &was = seen_;
    for (int16_t s = 0; s < 4; ++s) {
        const int before = Card_Empty_Slot(was, s), now = Card_Empty_Slot(g, s);
        if (now > before && g.deck_pos > was.deck_pos) {
            drawn_[static_cast<std::size_t>(s)] += now - before;
            // The plenk ends with a card of the suit or an empty stock.
            if (g.deck_pos >= pack_size || Get_Suit(g.seat[s].card[now - 1]) == g.lead_suit) {
                news.push_back(draw_words(s, drawn_[static_cast<std::size_t>(s)]));
                drawn_[static_cast<std::size_t>(s)] = 0;
            }
        }
        if (now == before - 1) {
            const int16_t card = card_gone(was, g, s);
            news.push_back(play_words(s, card));
            round_.plays.emplace_back(s, card);
            if (now == 0) {
                int place = 1;
                for (int16_t o = 0; o < 4; ++o)
                    place += o != s && g.seat[o].finished == flag_true;
                news.push_back(finish_words(s, place));
            }
        }
    }
    if (table_count(was) > 0 && table_count(g) == 0) {
        round_.taker = -1;
        for (int16_t s = 0; s < 4; ++s)
            if (Card_Empty_Slot(g, s) - Card_Empty_Slot(was, s) == table_count(was) &&
                g.deck_pos == was.deck_pos)
                round_.taker = s;
        const int16_t best = highest(was);
        round_.leader = round_.taker >= 0 && best < 0 ? round_.taker : best;
        // A round cleared after the game ended leads nothing.
        if (round_.leader >= 0 && g.game_over != flag_true)
            news.push_back(round_.taker >= 0 ? lead_words(round_.leader)
                                             : round_won_words(round_.leader));
        last_round_ = round_;
        round_ = {};
    }
    if (was.game_over != flag_true && g.game_over == flag_true)
        news.push_back(game_over_words());
    seen_ = g;
    return news;
}

} // namespace plenk
