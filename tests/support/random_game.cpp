#include "tests/support/random_game.h"

#include "game/cards.h"
#include "game/deal.h"
#include "game/hand.h"
#include "game/human_selection.h"
#include "game/rounding.h"
#include "game/table_constants.h"
#include "record/player_record.h"

#include <algorithm>

namespace plenk::test {

File_Read Memory_Record_Platform::read_record_file(const std::string&, std::size_t length) {
    File_Read result{true, saved, {}};
    if (result.bytes.size() > length) result.bytes.resize(length);
    return result;
}

std::string Memory_Record_Platform::write_record_file(const std::string&,
                                                      const std::vector<uint8_t>& record) {
    if (saved.size() < record.size()) saved.resize(record.size());
    std::copy(record.begin(), record.end(), saved.begin());
    ++save_count;
    return {};
}

Random_Game_Runner::Random_Game_Runner(bool check_rules) : check_(check_rules) {
    os_.keep_log = false;
    os_.cdtInit(g_.card_w, g_.card_h);
    g_.game_over = flag_true;
    g_.data_file = os_.program_folder() + "/data.dat";
    g_.player_rec.player_name = make_player_name("Soak");
    os_.box_answerer = [this](const std::string&, const std::string& title) {
        if (title == "Winning Stroke") {
            ++stat_boxes_;
            return Box_Answer::Ok;
        }
        if (title != "Win") broken("unexpected box " + title);
        bool watch = human_() % 2 == 0;
        human_declined_ = !watch;
        return watch ? Box_Answer::Yes : Box_Answer::No;
    };
}

void Random_Game_Runner::broken(const std::string& what) const {
    throw Rule_Broken("seed " + std::to_string(seed_) + ": " + what);
}

Game_Outcome Random_Game_Runner::play(uint64_t seed) {
    seed_ = seed;
    human_.seed(seed);
    os_.seed(seed);
    os_.set_clock(static_cast<float>(seed % 86400));
    outcome_ = {};
    gone_.fill(false);
    finishers_seen_ = 0;
    human_declined_ = false;
    stat_boxes_ = 0;
    draws_this_game_ = 0;
    const std::array<int16_t, 5> counts_before = g_.player_rec.rank_count;
    const int saves_before = os_.save_count;

    Shuffle_Deck(g_, os_);
    Initialize_Game(ctx_);
    long presses = 0;
    while (g_.game_over != flag_true) {
        if (!human_may_play(g_)) broken("the engine stopped while the human may not play");
        const int16_t n = Card_Empty_Slot(g_, 0);
        const int left = nearest(g_.seat[0].hand_x - (n - 1) * card_step / 2.0);
        const int top = nearest(g_.seat[0].hand_y - g_.card_h / 2.0);
        std::uniform_real_distribution<float> across(static_cast<float>(left),
                                                     static_cast<float>(left + (n - 1) * card_step + g_.card_w));
        std::uniform_real_distribution<float> down(static_cast<float>(top), static_cast<float>(top + g_.card_h));
        Form_MouseDown(ctx_, static_cast<int16_t>(human_() % 3 + 1), 0, across(human_), down(human_));
        if (++presses > 1000000) broken("the human found no card to play");
    }
    if (check_) {
        check_end_of_game(counts_before);
        if (os_.save_count != saves_before + 1) broken("the record was not saved exactly once");
        if (os_.saved != encode_record(g_.player_rec)) broken("the saved record differs from memory");
        if (stat_boxes_ != 1) broken("the statistics were not shown exactly once");
    }
    for (int s = 0; s < finishers_seen_; ++s)
        if (finish_order_[s] == 0) outcome_.human_place = s + 1;
    if (outcome_.human_place == 0) outcome_.human_place = 4;
    return outcome_;
}

void Random_Game_Runner::Draw_Card() {
    renderer_.Draw_Card();
    if (++draws_this_game_ > 2000000) broken("the game does not end");
    if (check_ && g_.animating != flag_true) check_rules();
}

void Random_Game_Runner::Animate_Card(int16_t direction, int16_t cur_player) {
    if (direction == 0) ++outcome_.cards_played;
    // A seat plays only in its turn, and draws only while it cannot follow.
    if (check_ && direction == 0 && g_.turn_seat != cur_player) broken("a card played out of turn");
    if (check_ && direction != 0 && (g_.deck_pos >= pack_size || has_suit(g_, cur_player, g_.lead_suit) == flag_true))
        broken("a card drawn by a seat that could follow");
    renderer_.Animate_Card(direction, cur_player);
}

void Random_Game_Runner::check_rules() {
    // Where every card is: the stock, a hand, a table spot, the open card, or
    // out of play for good.
    std::array<int, pack_size> seen{};
    auto place = [&](int16_t c, const char* where) {
        if (c < 0 || c >= pack_size) broken(std::string("no such card in ") + where);
        if (++seen[c] > 1) broken("card " + std::to_string(c) + " in two places, the second " + where);
        if (gone_[c]) broken("card " + std::to_string(c) + " came back into play in " + where);
    };
    if (g_.deck_pos < 21 || g_.deck_pos > pack_size) broken("stock position out of range");
    for (int k = g_.deck_pos; k < pack_size; ++k) place(g_.deck[k], "the stock");
    int finished = 0;
    for (int s = 0; s < 4; ++s) {
        const Seat& seat = g_.seat[s];
        const int16_t n = Card_Empty_Slot(g_, static_cast<int16_t>(s));
        if (n > 51) broken("a hand of more than 51 cards");
        for (int j = 0; j < pack_size; ++j) {
            if (j < n)
                place(seat.card[j], "a hand");
            else if (seat.card[j] != no_card)
                broken("a gap in the hand of seat " + std::to_string(s));
        }
        if (seat.table_card != no_card) place(seat.table_card, "a table spot");
        if (seat.table_card != no_card && Get_Suit(seat.table_card) != g_.lead_suit)
            broken("a card on the table that does not follow the lead");
        if ((seat.finished == flag_true) != (n == 0)) broken("finished and holding cards disagree");
        if (seat.finished != flag_true && seat.finished != flag_false) broken("a flag neither true nor false");
        if (seat.finished == flag_true) {
            ++finished;
            if (std::find(finish_order_.begin(), finish_order_.begin() + finishers_seen_, s) ==
                finish_order_.begin() + finishers_seen_)
                finish_order_[finishers_seen_++] = static_cast<int16_t>(s);
        }
    }
    if (g_.open_card != no_card) place(g_.open_card, "the open card");
    for (int c = 0; c < pack_size; ++c)
        if (seen[c] == 0) gone_[c] = true;

    if (g_.turn_seat < 0 || g_.turn_seat > 4) broken("turn_seat out of range");
    if (g_.finish_count != finished) broken("finish_count differs from the finished seats");
    const bool should_be_over = g_.finish_count == 3 || (human_declined_ && g_.seat[0].finished == flag_true);
    if ((g_.game_over == flag_true) != should_be_over) broken("game_over set at the wrong moment");
}

void Random_Game_Runner::check_end_of_game(const std::array<int16_t, 5>& counts_before) {
    int human_place = 4;
    for (int s = 0; s < finishers_seen_; ++s)
        if (finish_order_[s] == 0) human_place = s + 1;
    for (int k = 0; k < 5; ++k) {
        const int moved = g_.player_rec.rank_count[k] - counts_before[k];
        const int expected = k == human_place ? 1 : 0;
        if (moved != expected && counts_before[k] != count_limit)
            broken("placing counter " + std::to_string(k) + " moved by " + std::to_string(moved));
    }
}

} // namespace plenk::test
