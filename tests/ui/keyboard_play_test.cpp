#include "game/hand.h"
#include "game/human_selection.h"
#include "platform/headless_platform.h"
#include "ui/form1.h"
#include "ui/table_words.h"

#include "ui/table_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>

namespace plenk {
namespace {

// Counts repaints made while the game moves on from a key or a deal that
// show the mark or tell the human it is their turn.
// Also writes down, as a sighted player would see them, the cards put on the
// table, to be compared with what the game announced.
struct Watching_Platform : Headless_Platform {
    const Form1 *form = nullptr;
    bool moving_on = false;
    int told_too_soon = 0;
    std::array<int16_t, 4> on_table{no_card, no_card, no_card, no_card};
    std::vector<std::string> seen;
    void refresh_surface() override {
        Headless_Platform::refresh_surface();
        if (moving_on && (focus_mark()[0] || form->awaiting_human()))
            ++told_too_soon;
        for (int16_t s = 0; s < 4; ++s) {
            const int16_t c = form->state().seat[s].table_card;
            if (c != no_card && c != on_table[s])
                seen.push_back(english(play_words(s, c)));
            on_table[s] = c;
        }
    }
};

struct Keyboard : ::testing::Test {
    Watching_Platform os;
    Form1 form{os};
    Game_State &g = form.state();

    Keyboard() {
        os.form = &form;
        os.answer_next_input("Kim");
        form.Form_Load();
        os.box_answerer = [](const std::string &text, const std::string &) {
            return text.rfind("You win!", 0) == 0 ? Box_Answer::No : Box_Answer::Ok;
        };
    }
    // Deals until the human must play and `wanted` holds.
    void deal_until(const std::function<bool()> &wanted, uint64_t seed = 1) {
        for (;; ++seed) {
            os.seed(seed);
            os.moving_on = true;
            form.gm_submnu_Click(0);
            os.moving_on = false;
            if (human_may_play(g) && wanted())
                return;
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
        const auto &m = os.focus_mark();
        const int slot = m[0] ? (m[1] - stack_rect(g, 0).x) / 15 : -1;
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
        {{}, [&] { return first_playable(); }},
        {{K::First}, [] { return 0; }},
        {{K::First, K::Left}, [] { return 0; }},
        {{K::First, K::Right, K::Right}, [] { return 2; }},
        {{K::Last}, [&] { return n() - 1; }},
        {{K::Last, K::Right, K::Left}, [&] { return n() - 2; }},
        {{K::First, K::Right, K::Left}, [] { return 0; }},
    };
    for (const auto &[keys, slot] : cases) {
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
        deal_until([&] { return human_may_play_slot(g, n() - 1) && first_playable() < n() - 1; },
                   seed);
        press(Hand_Key::Last);
        press(Hand_Key::Play);
        if (!human_may_play(g))
            continue;
        EXPECT_EQ(mark(), first_playable()) << "after the last card was played";
        ++checked;
    }
}

TEST_F(Keyboard, KeysAndDealAreRefusedWhileACardMovesOrTheGamePausesAndTheMarkIsGoneAfterTheGame) {
    deal_until([] { return true; });
    int nested = 0;
    auto refused = [&] {
        ++nested;
        EXPECT_EQ(mark(), -1);
        const auto log_size = os.calls().size();
        const auto deck = g.deck;
        press(Hand_Key::Right);
        press(Hand_Key::Play);
        form.gm_submnu_Click(0);
        EXPECT_EQ(os.calls().size(), log_size);
        EXPECT_EQ(g.deck, deck);
    };
    os.post_event(os.GetTickCount() + 30, refused);
    // Within the pause that ends the round or a take, whichever comes first.
    os.post_event(os.GetTickCount() + 1800, refused);
    press(Hand_Key::Right, first_playable());
    press(Hand_Key::Play);
    EXPECT_EQ(nested, 2);
    // The mark always starts on a card that may be played, so Play alone ends the game.
    for (int plays = 0; plays < 500 && g.game_over != flag_true; ++plays)
        mark(), press(Hand_Key::Play);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(mark(), -1);
}

// Played by the Play key alone, every card a sighted player saw put on the
// table is announced, in that order, and every turn of the human with what
// to do. (The take is announced by its label.)
TEST_F(Keyboard, EveryPlayAndTurnIsAnnounced) {
    std::vector<std::string> heard;
    form.on_announce([&](const Text &words) { heard.push_back(english(words)); });
    const std::regex play("(You|COM [123]) plays? .*");
    for (uint64_t seed = 1; seed <= 4; ++seed) {
        heard.clear(), os.seen.clear(), os.on_table.fill(no_card);
        deal_until([] { return true; }, seed);
        int turns = 1;
        for (int plays = 0; plays < 500 && g.game_over != flag_true;
             ++plays, turns += form.awaiting_human()) {
            const int16_t card = g.seat[0].card[form.marked_slot()];
            EXPECT_EQ(english(turn_words(g.lead_suit)), heard.back());
            press(Hand_Key::Play);
            EXPECT_NE(std::find(heard.begin(), heard.end(), english(play_words(0, card))),
                      heard.end());
        }
        std::vector<std::string> plays;
        std::copy_if(heard.begin(), heard.end(), std::back_inserter(plays),
                     [&](const std::string &w) { return std::regex_match(w, play); });
        EXPECT_EQ(plays, os.seen) << "seed " << seed;
        EXPECT_EQ(std::count_if(heard.begin(), heard.end(),
                                [](const std::string &w) { return w.rfind("Your turn", 0) == 0; }),
                  turns);
        EXPECT_EQ(heard.back(), english(game_over_words()));
    }
}

TEST_F(Keyboard, ARefusedCardSaysWhy) {
    std::vector<std::string> heard;
    form.on_announce([&](const Text &words) { heard.push_back(english(words)); });
    deal_until([&] { return first_playable() > 0; });
    press(Hand_Key::First);
    press(Hand_Key::Play);
    EXPECT_EQ(heard.back(), english(refused_words(g.seat[0].card[0], g.lead_suit)));
}

} // namespace
} // namespace plenk
