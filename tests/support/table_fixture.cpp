#include "tests/support/table_fixture.h"

#include "game/deal.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"

#include <algorithm>
#include <stdexcept>

namespace plenk::test {

Table_Fixture::Table_Fixture() {
    os.cdtInit(g.card_w, g.card_h);
    g.game_over = flag_true;
    g.data_file = os.program_folder() + "/data.dat";
    g.player_rec.player_name = make_player_name("Tester");
}

void Table_Fixture::deal_from(const std::vector<int16_t>& deck) {
    if (deck.size() != pack_size) throw std::invalid_argument("a pack has 52 cards");
    std::copy(deck.begin(), deck.end(), g.deck.begin());
    deal_cards(g);
}

void Table_Fixture::set_hand(int seat, std::initializer_list<int16_t> cards) {
    auto& card = g.seat[seat].card;
    card.fill(no_card);
    std::copy(cards.begin(), cards.end(), card.begin());
}

std::vector<int16_t> Table_Fixture::hand(int seat) const {
    const auto& card = g.seat[seat].card;
    return {card.begin(), card.begin() + Card_Empty_Slot(g, static_cast<int16_t>(seat))};
}

float Table_Fixture::human_card_x(int slot) const {
    int16_t n = Card_Empty_Slot(g, 0);
    return static_cast<float>(nearest(g.seat[0].hand_x - (n - 1) * card_step / 2.0) + slot * card_step);
}

float Table_Fixture::human_card_y() const {
    return static_cast<float>(nearest(g.seat[0].hand_y - g.card_h / 2.0));
}

std::vector<int16_t> pack_starting_with(std::initializer_list<int16_t> first) {
    std::vector<int16_t> deck(first);
    for (int16_t c = 0; c < pack_size; ++c)
        if (std::find(first.begin(), first.end(), c) == first.end()) deck.push_back(c);
    if (deck.size() != pack_size) throw std::invalid_argument("cards listed twice");
    return deck;
}

} // namespace plenk::test
