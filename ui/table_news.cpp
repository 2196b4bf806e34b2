#include "ui/table_news.h"

namespace plenk {

std::vector<Text> Table_News::dealt(int16_t open_card) {
    round_ = last_round_ = {};
    human_place_ = 0;
    return {deal_words(open_card)};
}

std::vector<Text> Table_News::played(int16_t seat, int16_t card) {
    round_.plays.emplace_back(seat, card);
    return {play_words(seat, card)};
}

std::vector<Text> Table_News::plenking(int16_t seat) {
    return {plenking_words(seat)};
}

std::vector<Text> Table_News::drew(int16_t seat, int count) {
    return {draw_words(seat, count)};
}

std::vector<Text> Table_News::took(int16_t seat, const std::vector<int16_t> &taken,
                                   int16_t leader) {
    // Taking a table with no card on it ends no round.
    if (taken.empty())
        return {};
    round_ended(seat, leader);
    return {lead_words(leader)};
}

std::vector<Text> Table_News::round_won(int16_t seat, bool game_over) {
    round_ended(-1, seat);
    if (game_over)
        return {};
    return {round_won_words(seat)};
}

std::vector<Text> Table_News::finished(int16_t seat, int place) {
    if (seat == 0)
        human_place_ = place;
    return {finish_words(seat, place)};
}

std::vector<Text> Table_News::game_ended() {
    return {game_over_words(human_place_)};
}

void Table_News::round_ended(int16_t taker, int16_t leader) {
    round_.taker = taker;
    round_.leader = leader;
    last_round_ = round_;
    round_ = {};
}

} // namespace plenk
