#include "tests/support/table_fixture.h"

#include "game/cards.h"
#include "game/deal.h"
#include "game/hand.h"
#include "platform/file_services.h"

#include <numeric>
#include <sstream>
#include <stdexcept>

namespace plenk::test {

namespace {

constexpr std::string_view ranks = "A23456789TJQK";
constexpr std::string_view suits = "CDHS";

int16_t suit_of(char letter) {
    return letter == '-' ? int16_t{-1} : static_cast<int16_t>(suits.find(letter));
}

char suit_letter(int16_t suit) {
    return suit < 0 ? '-' : suits[static_cast<std::size_t>(suit)];
}

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
    return {ranks[static_cast<std::size_t>(c % 13)], suit_letter(Get_Suit(c))};
}

Table_Fixture::Table_Fixture() : Table_Show(g, rec, os) {
    os.cdtInit(g.card_w, g.card_h);
    rec.data_file = os.program_folder() + "/data.dat";
    rec.player_rec.player_name = make_player_name("Tester");
    rec.player_rec.rank_count[0] = 7; // never touched by the game
    g.game_over = flag_true;          // as the window holds it before the first deal
}

void Table_Fixture::lay(const Layout &layout) {
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
    for (const char *s = layout.finished; *s; ++s) {
        g.seat[*s - '0'].finished = flag_true;
        ++g.finish_count;
    }
    g.turn_seat = layout.turn;
    events();
}

std::string Table_Fixture::hands() const {
    std::string out;
    for (int16_t s = 0; s < 4; ++s) {
        if (s)
            out += '|';
        const int16_t n = Card_Empty_Slot(g, s);
        if (n == 0)
            out += '-';
        for (int16_t j = 0; j < n; ++j)
            out += (j ? " " : "") + name_of(g.seat[s].card[j]);
    }
    return out;
}

std::string Table_Fixture::played() const {
    std::string out;
    for (const Seat &seat : g.seat)
        out += (out.empty() ? "" : " ") + name_of(seat.table_card);
    return out;
}

std::string Table_Fixture::state() const {
    std::ostringstream out;
    out << "stock " << pack_size - g.deck_pos << " lead " << suit_letter(g.lead_suit) << " turn "
        << g.turn_seat;
    // What most steps leave as it was is named only when it is not.
    if (g.open_card != no_card)
        out << " open " << name_of(g.open_card);
    if (g.weak_suit != -1)
        out << " weak " << suit_letter(g.weak_suit);
    if (g.finish_count != 0)
        out << " finished " << g.finish_count << ':';
    for (int s = 0; s < 4; ++s)
        if (g.seat[s].finished == flag_true)
            out << s;
    if (g.game_over == flag_true)
        out << " over";
    if (rec.player_rec.rank_count != std::array<int16_t, 5>{7, 0, 0, 0, 0}) {
        out << " counts";
        for (int16_t count : rec.player_rec.rank_count)
            out << ' ' << count;
    }
    if (File_Exists(rec.data_file))
        out << " saved";
    return out.str();
}

void Table_Fixture::note(const std::string &event) {
    using Kind = Platform_Call::Kind;
    for (const Platform_Call &call : os.calls()) {
        if (call.kind == Kind::Sleep)
            events_ += "sleep " + std::to_string(call.args[0]) + "; ";
        if (call.kind == Kind::Label_Caption)
            events_ += "label " + call.text + "; ";
        if (call.kind == Kind::Label_Visible)
            events_ += call.args[0] ? "show; " : "hide; ";
        if (call.kind == Kind::Label_Refresh)
            events_ += "painted; ";
        if (call.kind == Kind::Message_Box)
            events_ += "box " + call.title + "; ";
    }
    os.clear_log();
    events_ += event;
}

std::string Table_Fixture::events() {
    note("");
    std::string out = events_;
    events_.clear();
    if (out.size() >= 2)
        out.resize(out.size() - 2);
    return out;
}

void Table_Fixture::Draw_Card() {
    note("paint; ");
    Table_Show::Draw_Card();
}

void Table_Fixture::Animate_Card(int16_t direction, int16_t cur_player) {
    note("");
    Table_Show::Animate_Card(direction, cur_player);
    // Named by what was drawn: the moving card, a back drawn first in each
    // frame, starts at the stock in the middle when a card is drawn.
    const std::vector<Platform_Call> frames = os.calls_of(Platform_Call::Kind::Draw);
    const bool from_stock = !frames.empty() && frames[0].args[1] == 340 &&
                            frames[0].args[2] == 227 && frames[0].args[4] == 1;
    os.clear_log();
    note((from_stock ? "draw " : "play ") + std::to_string(cur_player) + "; ");
}

} // namespace plenk::test
