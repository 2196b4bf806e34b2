#include "ui/table_show.h"

#include "platform/text_marker.h"
#include "record/player_record.h"

#include <string>

namespace plenk {

namespace {

// A complete round or a take stays on view this long.
constexpr uint32_t pause_ms = 2000;

} // namespace

void Table_Show::tell(const std::vector<Text> &news) const {
    if (!announce_)
        return;
    for (const Text &words : news)
        announce_(words);
}

void Table_Show::Draw_Card() {
    renderer_.Draw_Card();
}

void Table_Show::Animate_Card(int16_t direction, int16_t cur_player) {
    renderer_.Animate_Card(direction, cur_player);
}

void Table_Show::dealt() {
    tell(news_.dealt(g_.open_card));
}

void Table_Show::played(int16_t seat, int16_t card) {
    tell(news_.played(seat, card));
}

void Table_Show::plenking(int16_t seat) {
    tell(news_.plenking(seat));
}

void Table_Show::drew(int16_t seat, int count) {
    tell(news_.drew(seat, count));
}

void Table_Show::took(int16_t seat, const std::vector<int16_t> &taken, int16_t leader) {
    os_.set_label_caption(seat == 0 ? QT_TRANSLATE_NOOP("Play", "Player takes all card")
                                    //: The take's label: %1 the computer seat's number.
                                    : with_args(QT_TRANSLATE_NOOP("Play", "COM %1 takes all card"),
                                                {std::to_string(seat)}));
    os_.set_label_visible(true);
    os_.refresh_label();
    os_.Sleep(pause_ms);
    os_.set_label_visible(false);
    tell(news_.took(seat, taken, leader));
}

void Table_Show::round_won(int16_t seat) {
    // Said as the pause begins, so that the status line shows the winner
    // while the round's cards are still on view.
    tell(news_.round_won(seat, g_.game_over == flag_true));
    os_.Sleep(pause_ms);
}

bool Table_Show::finished(int16_t seat, int place) {
    tell(news_.finished(seat, place));
    const bool human_finished = g_.seat[0].finished == flag_true;
    // The human's third place ends the game: nothing is left to watch.
    if (seat != 0 || g_.game_over == flag_true) {
        count_finish(rec_.player_rec, seat, place, human_finished);
        return true;
    }
    // The last card lies face up on its spot while the question is open.
    renderer_.Draw_Card();
    const Box_Answer answer = os_.message_box(
        QT_TRANSLATE_NOOP("Play", "You win! Would you like to watch the game continue?"),
        QT_TRANSLATE_NOOP("Play", "Win"), Box_Icon::Information, Box_Buttons::Yes_No);
    count_finish(rec_.player_rec, seat, place, human_finished);
    return answer != Box_Answer::No;
}

void Table_Show::game_ended() {
    tell(news_.game_ended());
    save_file(os_, rec_, rec_.data_file);
    show_human_stat(os_, rec_);
}

} // namespace plenk
