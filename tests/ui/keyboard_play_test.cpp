#include "game/hand.h"
#include "game/human_selection.h"
#include "platform/headless_platform.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

#include <functional>

namespace plenk {
namespace {

// Counts repaints made while the game moves on from a key or a deal that
// show the mark or tell the human it is their turn.
struct Watching_Platform : Headless_Platform {
    const Form1* form = nullptr;
    bool moving_on = false;
    int told_too_soon = 0;
    void refresh_surface() override {
        Headless_Platform::refresh_surface();
        if (moving_on && (focus_mark()[0] || form->awaiting_human())) ++told_too_soon;
    }
};

struct Keyboard : ::testing::Test {
    Watching_Platform os;
    Form1 form{os};
    Game_State& g = form.state();

    Keyboard() {
        os.form = &form;
        os.answer_next_input("Kim");
        form.Form_Load();
        os.box_answerer = [](const std::string& text, const std::string&) {
            return text.rfind("You win!", 0) == 0 ? Box_Answer::No : Box_Answer::Ok;
        };
    }
    // Deals until the human must play and `wanted` holds.
    void deal_until(const std::function<bool()>& wanted, uint64_t seed = 1) {
        for (;; ++seed) {
            os.seed(seed);
            os.moving_on = true;
            form.gm_submnu_Click(0);
            os.moving_on = false;
            if (human_may_play(g) && wanted()) return;
        }
    }
    int16_t n() const { return Card_Empty_Slot(g, 0); }
    int16_t first_playable() const {
        int16_t j = 0;
        while (!human_may_play_slot(g, j))
            ++j;
        return j;
    }
    // The slot the mark is drawn on, -1 when hidden; Form1 must say the same.
    int mark() const {
        const auto& m = os.focus_mark();
        const int slot = m[0] ? (m[1] - human_row_corner(g).left) / 15 : -1;
        EXPECT_EQ(slot, form.marked_slot());
        return slot;
    }
    void press(Hand_Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            os.moving_on = key == Hand_Key::Play;
            form.Form_KeyDown(key);
            os.moving_on = false;
        }
    }
    void TearDown() override { EXPECT_EQ(os.told_too_soon, 0); }
};

TEST_F(Keyboard, MovesTheMarkOverTheHand) {
    using K = Hand_Key;
    // The first card may not be played, so that the start differs from Home.
    deal_until([&] { return first_playable() > 0 && n() > 3; });
    const std::pair<std::vector<Hand_Key>, std::function<int()>> cases[] = {
        {{}, [&] { return first_playable(); }},  {{K::First}, [] { return 0; }},
        {{K::First, K::Left}, [] { return 0; }}, {{K::First, K::Right, K::Right}, [] { return 2; }},
        {{K::Last}, [&] { return n() - 1; }},    {{K::Last, K::Right, K::Left}, [&] { return n() - 2; }},
        {{K::First, K::Right, K::Left}, [] { return 0; }},
    };
    for (const auto& [keys, slot] : cases) {
        form.tbl_submnu_Click(0); // a redraw within the turn keeps the mark on its card
        for (Hand_Key k : keys)
            press(k);
        form.tbl_submnu_Click(1);
        EXPECT_EQ(mark(), slot()) << keys.size();
    }
    press(K::Last);
    EXPECT_EQ(os.focus_mark()[3], 71); // the last card shows whole, a covered one its strip
    press(K::First);
    EXPECT_EQ(os.focus_mark()[3], 15);
    os.clear_log();
    press(K::Play); // a card the rule refuses
    EXPECT_TRUE(os.calls().empty());
}

TEST_F(Keyboard, EveryTurnStartsOnTheFirstCardThatMayBePlayed) {
    deal_until([&] { return first_playable() != n() - 1; });
    press(Hand_Key::Last);
    deal_until([&] { return first_playable() > 0 && first_playable() != n() - 1; });
    EXPECT_EQ(mark(), first_playable()) << "a new deal";
    for (uint64_t seed = 1, checked = 0; checked < 10; ++seed) {
        deal_until([&] { return human_may_play_slot(g, n() - 1) && first_playable() < n() - 1; }, seed);
        press(Hand_Key::Last);
        press(Hand_Key::Play);
        if (!human_may_play(g)) continue;
        EXPECT_EQ(mark(), first_playable()) << "after the last card was played";
        ++checked;
    }
}

TEST_F(Keyboard, KeysAreRefusedWhileACardMovesAndTheMarkIsGoneAfterTheGame) {
    deal_until([] { return true; });
    int nested = 0;
    os.post_event(os.GetTickCount() + 30, [&] {
        ++nested;
        EXPECT_EQ(mark(), -1);
        const auto log_size = os.calls().size();
        press(Hand_Key::Right);
        press(Hand_Key::Play);
        EXPECT_EQ(os.calls().size(), log_size);
    });
    press(Hand_Key::Right, first_playable());
    press(Hand_Key::Play);
    EXPECT_EQ(nested, 1);
    // The mark always starts on a card that may be played, so Play alone ends the game.
    for (int plays = 0; plays < 500 && g.game_over != flag_true; ++plays) mark(), press(Hand_Key::Play);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(mark(), -1);
}

} // namespace
} // namespace plenk
