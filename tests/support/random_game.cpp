#include "tests/support/random_game.h"

#include "game/cards.h"
#include "game/deal.h"
#include "game/hand.h"
#include "game/human_selection.h"
#include "record/player_record.h"
#include "ui/table_layout.h"

#include <stdexcept>

namespace plenk::test {

Random_Game_Runner::Random_Game_Runner(bool check_rules)
    : Table_Show(g, rec, os), check_(check_rules) {
    os.keep_log = false;
    os.cdtInit(g.card_w, g.card_h);
    g.game_over = flag_true;
    rec.player_rec.player_name = make_player_name("Soak");
    os.box_answerer = [this](const std::string &, const std::string &title) {
        if (title == "Winning Stroke")
            return ++now_.stat_boxes, Box_Answer::Ok;
        if (title != "Win")
            broken("unexpected box " + title);
        now_.human_declined = human_() % 2 != 0;
        return now_.human_declined ? Box_Answer::No : Box_Answer::Yes;
    };
}

void Random_Game_Runner::broken(const std::string &what) const {
    throw std::runtime_error("seed " + std::to_string(seed_) + ": " + what);
}

Game_Outcome Random_Game_Runner::play(uint64_t seed) {
    seed_ = seed;
    human_.seed(seed);
    os.seed(seed);
    os.set_clock(static_cast<float>(seed % 86400));
    now_ = {};
    const std::array<int16_t, 5> counts_before = rec.player_rec.rank_count;
    const int saves_before = os.save_count;

    Shuffle_Deck(g, os);
    Initialize_Game(ctx_);
    for (long presses = 0; g.game_over != flag_true; ++presses) {
        if (!human_may_play(g))
            broken("the engine stopped while the human may not play");
        if (presses > 1000000)
            broken("the human found no card to play");
        const Table_Rect hand = stack_rect(g, 0);
        auto within = [this](int from, int size) {
            return std::uniform_real_distribution<float>(from, from + size)(human_);
        };
        play_human_card(
            ctx_, slot_under_press(g, within(hand.x, hand.width), within(hand.y, hand.height)));
    }
    if (!check_)
        return now_.outcome;
    for (int k = 0; k < 5; ++k) {
        const int moved = rec.player_rec.rank_count[k] - counts_before[k];
        if (moved != (k == now_.outcome.human_place ? 1 : 0) && counts_before[k] != count_limit)
            broken("placing counter " + std::to_string(k) + " moved by " + std::to_string(moved));
    }
    if (os.save_count != saves_before + 1)
        broken("the record was not saved exactly once");
    if (os.saved != encode_record(rec.player_rec))
        broken("the saved record differs from memory");
    if (now_.stat_boxes != 1)
        broken("the statistics were not shown exactly once");
    return now_.outcome;
}

void Random_Game_Runner::Draw_Card() {
    Table_Show::Draw_Card();
    if (++now_.draws > 2000000)
        broken("the game does not end");
    if (check_ && g.animating != flag_true)
        check_rules();
}

void Random_Game_Runner::Animate_Card(int16_t direction, int16_t cur_player) {
    if (direction == 0)
        ++now_.outcome.cards_played;
    // A seat plays only in its turn, and draws only while it cannot follow.
    if (check_ && direction == 0 && g.turn_seat != cur_player)
        broken("a card played out of turn");
    if (check_ && direction != 0 &&
        (g.deck_pos >= pack_size || has_suit(g, cur_player, g.lead_suit) == flag_true))
        broken("a card drawn by a seat that could follow");
    Table_Show::Animate_Card(direction, cur_player);
}

bool Random_Game_Runner::finished(int16_t seat, int place) {
    // Seats finish one at a time: a place is the number of seats finished.
    const auto finished_seats = std::count_if(
        g.seat.begin(), g.seat.end(), [](const Seat &s) { return s.finished == flag_true; });
    if (check_ && (place != finished_seats || g.seat[seat].finished != flag_true))
        broken("seat " + std::to_string(seat) + " reported finished in place " +
               std::to_string(place) + " with " + std::to_string(g.finish_count) + " finished");
    if (seat == 0)
        now_.outcome.human_place = place;
    return Table_Show::finished(seat, place);
}

void Random_Game_Runner::check_rules() {
    // Every card is in one place: the stock, a hand, a table spot, the open
    // card, or out of play for good.
    std::array<int, pack_size> seen{};
    auto place = [&](int16_t c) {
        if (c < 0 || c >= pack_size || ++seen[c] > 1 || now_.gone[c])
            broken("card " + std::to_string(c) + " out of range, in two places or back in play");
    };
    if (g.deck_pos < 21 || g.deck_pos > pack_size)
        broken("stock position out of range");
    std::for_each(g.deck.begin() + g.deck_pos, g.deck.end(), place);
    if (g.open_card != no_card)
        place(g.open_card);
    int finished = 0;
    for (int16_t s = 0; s < 4; ++s) {
        const Seat &seat = g.seat[s];
        const int16_t n = Card_Empty_Slot(g, s);
        std::for_each(seat.card.begin(), seat.card.begin() + n, place);
        if (n > 51 || std::any_of(seat.card.begin() + n, seat.card.end(),
                                  [](int16_t c) { return c != no_card; }))
            broken("a hand breaks the hand rule");
        if (seat.table_card != no_card)
            place(seat.table_card);
        if (seat.table_card != no_card && Get_Suit(seat.table_card) != g.lead_suit)
            broken("a card on the table that does not follow the lead");
        if ((seat.finished == flag_true) != (n == 0) || (n != 0 && seat.finished != flag_false))
            broken("finished and holding cards disagree");
        finished += seat.finished == flag_true;
    }
    for (int c = 0; c < pack_size; ++c)
        now_.gone[c] = now_.gone[c] || seen[c] == 0;
    if (g.turn_seat < 0 || g.turn_seat > 4)
        broken("turn_seat out of range");
    if (g.finish_count != finished)
        broken("finish_count differs from the finished seats");
    const bool should_be_over =
        finished == 3 || (now_.human_declined && g.seat[0].finished == flag_true);
    if ((g.game_over == flag_true) != should_be_over)
        broken("game_over set at the wrong moment");
}

} // namespace plenk::test
