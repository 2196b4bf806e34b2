#include "game/throw_card.h"

#include "game/cards.h"
#include "game/hand.h"
#include "platform/text_marker.h"

namespace plenk {

void Throw_Card(Game_Context &ctx, int16_t cur_player, int16_t card_number) {
    Game_State &g = ctx.g;
    Seat &seat = g.seat[cur_player];
    if (g.lead_suit == -1)
        g.lead_suit = Get_Suit(seat.card[card_number]);
    int16_t played = seat.card[card_number];
    seat.card[card_number] = no_card;
    Rearrange_Card(g, cur_player);
    ctx.view.Animate_Card(0, cur_player);
    seat.table_card = played;

    if (Card_Empty_Slot(g, cur_player) == 0) {
        seat.finished = flag_true;
        ++g.finish_count;
        if (g.finish_count == 3) {
            g.game_over = flag_true;
            if (cur_player != 0 && g.seat[0].finished != flag_true)
                raise_count(g.player_rec.rank_count[4]);
        }
        if (cur_player == 0) {
            Box_Answer answer = ctx.os.message_box(
                QT_TRANSLATE_NOOP("Play", "You win! Would you like to watch the game continue?"),
                QT_TRANSLATE_NOOP("Play", "Win"), Box_Icon::Information, Box_Buttons::Yes_No);
            if (answer == Box_Answer::No)
                g.game_over = flag_true;
            raise_count(g.player_rec.rank_count[g.finish_count]);
        }
    }
    ctx.view.Draw_Card();
}

} // namespace plenk
