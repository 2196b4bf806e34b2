#include "tests/support/table_fixture.h"

#include "game/cards.h"
#include "game/deal.h"

#include <numeric>
#include <sstream>
#include <stdexcept>

namespace plenk::test {

namespace {

constexpr std::string_view ranks = "A23456789TJQK";
constexpr std::string_view suits = "CDHS";

} // namespace

int16_t card(std::string_view name) {
    if (name == "-")
        return no_card;
    const auto rank = ranks.find(name.at(0));
    const auto suit = suits.find(name.at(1));
    if (rank == ranks.npos || suit == suits.npos || name.size() != 2)
        throw std::invalid_argument("no such card " + std::string(name));
    return static_cast<int16_t>(suit * 13 + rank);
}

std::vector<int16_t> cards(std::string_view names) {
    std::vector<int16_t> out;
    std::istringstream in{std::string(names)};
    for (std::string name; in >> name;)
        out.push_back(card(name));
    return out;
}

std::string name_of(int16_t c) {
    if (c == no_card)
        return "-";
    return {ranks[static_cast<std::size_t>(c % 13)], suits[static_cast<std::size_t>(c / 13)]};
}

// A suit by its letter, as the ace of the suit would have it; '-' is none.
static int16_t suit_of(char letter) {
    return letter == '-' ? -1 : static_cast<int16_t>(card(std::string{'A', letter}) / 13);
}

void lay(Game_State &g, const Layout &layout) {
    std::iota(g.deck.begin(), g.deck.end(), int16_t{0});
    deal_cards(g);
    for (int s = 0; s < 4; ++s) {
        const auto hand = cards(layout.hands[s]);
        g.seat[s].card.fill(no_card);
        std::copy(hand.begin(), hand.end(), g.seat[s].card.begin());
    }
    const auto table = cards(layout.played);
    for (int s = 0; s < 4; ++s)
        g.seat[s].table_card = table.at(s);
    const auto stock = cards(layout.stock);
    g.deck_pos = static_cast<int16_t>(pack_size - stock.size());
    std::copy(stock.begin(), stock.end(), g.deck.begin() + g.deck_pos);
    g.open_card = card(layout.open);
    g.lead_suit = suit_of(layout.lead);
    g.weak_suit = suit_of(layout.weak);
    for (char s : layout.finished) {
        if (s < '0' || s > '3')
            throw std::invalid_argument("no such seat " + std::string(1, s));
        g.seat[s - '0'].finished = flag_true;
        ++g.finish_count;
    }
    g.turn_seat = layout.turn;
}

} // namespace plenk::test
