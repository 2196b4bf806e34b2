#include "game/cards.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "platform/headless_platform.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

// A game dealt so that the human must follow the open card and holds cards
// of other suits too, so that the mark can stand on a card it may not play.
struct Keyboard : ::testing::Test {
    Headless_Platform os;
    Form1 form{os};
    Game_State& g = form.state();

    Keyboard() {
        os.answer_next_input("Kim");
        form.Form_Load();
        for (uint64_t seed = 1;; ++seed) {
            os.seed(seed);
            form.gm_submnu_Click(0);
            if (g.game_over != flag_true && g.turn_seat == 0 && g.lead_suit != -1 && has_wrong_suit()) break;
        }
    }
    bool has_wrong_suit() const {
        for (int16_t j = 0; j < n(); ++j)
            if (Get_Suit(g.seat[0].card[j]) != g.lead_suit) return true;
        return false;
    }
    int16_t n() const { return Card_Empty_Slot(g, 0); }
    int32_t left() const { return nearest(g.seat[0].hand_x - (n() - 1) * 7.5); }
    // The slot the mark stands on, -1 when it is hidden.
    int mark_slot() const {
        const auto& mark = os.focus_mark();
        return mark[0] ? (mark[1] - left()) / 15 : -1;
    }
    void press(Hand_Key key, int times = 1) {
        for (int i = 0; i < times; ++i) form.Form_KeyDown(key);
    }
    std::vector<int16_t> hand() const { return {g.seat[0].card.begin(), g.seat[0].card.begin() + n()}; }
};

TEST_F(Keyboard, TheMarkMovesOverTheHandAndStopsAtItsEnds) {
    EXPECT_EQ(mark_slot(), 0);
    EXPECT_EQ(os.focus_mark()[3], 15); // a covered card shows its strip
    EXPECT_EQ(os.focus_mark()[4], 96);
    EXPECT_EQ(os.focus_mark()[2], nearest(g.seat[0].hand_y - 48.0));
    press(Hand_Key::Left);
    EXPECT_EQ(mark_slot(), 0);
    press(Hand_Key::Right, 2);
    EXPECT_EQ(mark_slot(), 2);
    press(Hand_Key::Right, 60);
    EXPECT_EQ(mark_slot(), n() - 1);
    EXPECT_EQ(os.focus_mark()[3], 71); // the last card shows whole
}

TEST_F(Keyboard, PlayTakesOnlyACardTheRuleAllows) {
    int16_t wrong = 0;
    while (Get_Suit(g.seat[0].card[wrong]) == g.lead_suit) ++wrong;
    press(Hand_Key::Right, wrong);
    const auto before = hand();
    os.clear_log();
    press(Hand_Key::Play);
    EXPECT_EQ(hand(), before);
    EXPECT_TRUE(os.calls().empty());

    press(Hand_Key::Left, 60);
    int16_t right = 0;
    while (Get_Suit(g.seat[0].card[right]) != g.lead_suit) ++right;
    press(Hand_Key::Right, right);
    const int16_t played = g.seat[0].card[right];
    os.answer_next_box(Box_Answer::Ok); // should the game end meanwhile
    press(Hand_Key::Play);
    const auto after = hand();
    EXPECT_EQ(std::find(after.begin(), after.end(), played), after.end());
}

TEST_F(Keyboard, KeysAreRefusedWhileACardMovesAndTheMarkIsHidden) {
    int16_t right = 0;
    while (Get_Suit(g.seat[0].card[right]) != g.lead_suit) ++right;
    press(Hand_Key::Right, right);
    int nested = 0;
    os.post_event(os.GetTickCount() + 30, [&] {
        ++nested;
        EXPECT_EQ(os.focus_mark()[0], 0);
        const auto log_size = os.calls().size();
        press(Hand_Key::Right);
        press(Hand_Key::Play);
        EXPECT_EQ(os.calls().size(), log_size);
    });
    os.box_answerer = [](const std::string&, const std::string&) { return Box_Answer::Ok; };
    press(Hand_Key::Play);
    EXPECT_EQ(nested, 1);
}

TEST_F(Keyboard, KeysOutOfTurnOrAfterTheGameDoNothing) {
    g.turn_seat = 2;
    os.clear_log();
    press(Hand_Key::Right);
    press(Hand_Key::Play);
    EXPECT_TRUE(os.calls().empty());
    g.turn_seat = 0;
    g.game_over = flag_true;
    press(Hand_Key::Play);
    EXPECT_TRUE(os.calls().empty());
}

TEST_F(Keyboard, TheMarkFollowsItsCardWhenTheHandChanges) {
    // Mark the card after the one played with the mouse: when the human's turn
    // comes back the mark is on that card, which has moved down a slot.
    os.box_answerer = [](const std::string&, const std::string&) { return Box_Answer::Ok; };
    int checked = 0;
    for (uint64_t seed = 100; seed < 400 && checked < 20; ++seed) {
        os.seed(seed);
        form.gm_submnu_Click(0);
        if (g.game_over == flag_true || g.turn_seat != 0) continue;
        int16_t other = 0;
        while (other < n() && g.lead_suit != -1 && Get_Suit(g.seat[0].card[other]) != g.lead_suit) ++other;
        if (other + 2 >= n()) continue; // the marked card must be neither played nor last
        press(Hand_Key::Left, 60);
        press(Hand_Key::Right, other + 1);
        const int16_t marked = g.seat[0].card[other + 1];
        form.Form_MouseDown(1, 0, static_cast<float>(left() + 15 * other + 2), 500);
        if (g.game_over == flag_true || g.turn_seat != 0) continue;
        const auto now = hand();
        const auto at = std::find(now.begin(), now.end(), marked);
        ASSERT_NE(at, now.end());
        EXPECT_EQ(mark_slot(), at - now.begin()) << "seed " << seed;
        ++checked;
    }
    EXPECT_EQ(checked, 20);
}

TEST_F(Keyboard, TheMarkIsHiddenWhenTheGameEnds) {
    os.box_answerer = [](const std::string& text, const std::string&) {
        return text.rfind("You win!", 0) == 0 ? Box_Answer::No : Box_Answer::Ok;
    };
    for (int presses = 0; g.game_over != flag_true && presses < 100000; ++presses) {
        press(Hand_Key::Right, presses % 7);
        press(Hand_Key::Play);
        press(Hand_Key::Left, presses % 5);
    }
    ASSERT_EQ(g.game_over, flag_true);
    EXPECT_EQ(os.focus_mark()[0], 0);
}

} // namespace
} // namespace plenk
