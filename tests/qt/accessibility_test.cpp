#include "platform/qt/surface_constants.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/refusal_cue.h"
#include "ui/table_layout.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolTip>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <map>
#include <set>

// The table played from the keyboard, with the toolkit's accessibility
// switched on as a screen reader would, through its platform layer.
namespace plenk::test {

// What a screen reader was told: each event with the name of its object.
static std::vector<std::pair<QAccessible::Event, QString>> heard;
static bool was_heard(QAccessible::Event type, const QString &name) {
    return std::ranges::count(heard, std::pair(type, name)) > 0;
}

// The states of `a` a screen reader reads on the table, each word followed by a space.
static std::string states(const QAccessibleInterface *a) {
    const QAccessible::State s = a->state();
    return std::string(s.focusable ? "focusable " : "") + (s.disabled ? "disabled " : "") +
           (s.focused ? "focused " : "") + (s.readOnly ? "read-only " : "");
}

// What the table holds, as the test knows the game: cards numbered by suit
// (Clubs, Diamonds, Hearts, Spades), thirteen each from the Ace.
const char *const suits[] = {"Clubs", "Diamonds", "Hearts", "Spades"};
std::string card_of(int16_t card) {
    static const char *const values[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                         "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    return std::string(values[card % 13]) + " of " + suits[card / 13];
}
std::string cards(int n) {
    return std::to_string(n) + (n == 1 ? " card" : " cards");
}
int held(const Game_State &g, int seat) {
    return pack_size - static_cast<int>(std::ranges::count(g.seat[seat].card, no_card));
}
// The names of the table's things besides the hand, each seat's, the centre's
// and the cards played, as a player hears them.
std::multiset<std::string> others_of(const Game_State &g) {
    std::multiset<std::string> names;
    const char *const places[] = {"right", "top", "left"};
    for (int s = 1; s < 4; ++s)
        names.insert("COM " + std::to_string(s) + ", " + places[s - 1] + ", " + cards(held(g, s)));
    if (g.open_card != no_card)
        names.insert("Open card: " + card_of(g.open_card));
    else if (g.deck_pos < pack_size)
        names.insert("Stock: " + cards(pack_size - g.deck_pos));
    for (int s = 0; s < 4; ++s)
        if (g.seat[s].table_card != no_card)
            names.insert((s == 0 ? "You" : "COM " + std::to_string(s)) + " played " +
                         card_of(g.seat[s].table_card));
    return names;
}

// Each notice heard, with the status line's words at that moment, and the
// window whose table tells them.
static std::vector<std::pair<QString, QString>> notices;
static const Game_Window *telling = nullptr;
static std::vector<QAccessible::Id> ids; // of each notice, in order

struct Keyboard_Table : ::testing::Test {
    Game_Table table;
    QAccessibleInterface *tree = nullptr;
    void SetUp() override {
        telling = table.window.get();
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            QAccessibleInterface *const about = event->accessibleInterface();
            heard.emplace_back(event->type(),
                               about != nullptr ? about->text(QAccessible::Name) : QString());
            // An announcement is a notification shown: the table's, in its window,
            // read only, and not among its children. (The take label, a widget,
            // is shown as well.)
            if (event->type() != QAccessible::ObjectShow || event->object() != nullptr)
                return;
            QAccessibleInterface *const table = about->parent();
            EXPECT_TRUE(about->isValid() && about->role() == QAccessible::Notification &&
                        table == QAccessible::queryAccessibleInterface(telling->surface) &&
                        table->indexOfChild(about) == -1 && about->childCount() == 0 &&
                        about->window() == telling->windowHandle() && states(about) == "read-only ")
                << about->text(QAccessible::Name).toStdString();
            notices.emplace_back(about->text(QAccessible::Name), telling->status_lbl->text());
            ids.push_back(QAccessible::uniqueId(about));
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        table.window->start();
        QApplication::setActiveWindow(table.window.get());
        tree = QAccessible::queryAccessibleInterface(table.window->surface);
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        heard.clear(), notices.clear(), ids.clear(), table.os->on_wait = nullptr;
    }
    void key(const char *keys) { QTest::keySequence(table.window->surface, QKeySequence(keys)); }
    // The tooltip a hover at `at` on the surface shows, empty for none.
    std::string hover(QPoint at) {
        QCursor::setPos(table.window->surface->mapToGlobal(at));
        QHelpEvent help(QEvent::ToolTip, at, table.window->surface->mapToGlobal(at));
        QApplication::sendEvent(table.window->surface, &help);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    }
    // The slot whose card carries the mark's outline on the surface, -1 for none.
    int drawn_mark(const QImage &shot) {
        const auto [left, top, width, height] = stack_rect(table.g(), 0);
        for (int slot = 0; slot < held(table.g(), 0); ++slot)
            if (shot.pixelColor(left + card_step * slot + 1, top + 1) == QColor(mark_rgb) &&
                shot.pixelColor(left + card_step * slot + 1, top + table.g().card_h - 2) ==
                    QColor(mark_rgb))
                return slot;
        return -1;
    }
};

// A whole game played by keys. After each key the tree holds what the table
// shows, each thing with its role, parent, window, state and box, and a screen
// reader was told every change. Each announcement, the take's as its label says
// it, is shown on the status line as it is heard: from how to start, over the
// deal, turns, rounds and takes, to the place and how to go on. No menu item
// under the pointer wipes the status line, and it never takes the keys.
TEST_F(Keyboard_Table, TheTreeAndTheStatusLineFollowAWholeGame) {
    Game_Window &w = *table.window;
    EXPECT_EQ(w.status_lbl->text(),
              "No game yet. To start one, choose Game, Deal or press Ctrl+N.");
    table.os->set_label_caption("COM 3 takes all card");
    table.os->set_label_visible(true);
    key("S");
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_TRUE(notices[0].first == "COM 3 takes all card" &&
                notices[1].first == "No game in progress");
    Box_Answerer boxes(QMessageBox::No);
    EXPECT_TRUE(tree->role() == QAccessible::Pane && tree->text(QAccessible::Name) == "Table");
    EXPECT_FALSE(w.refusal_cue->isVisible()) << "nothing refused yet";
    EXPECT_EQ(hover({3, 3}), "No game yet. To start one, choose Game, Deal or press Ctrl+N.");
    // While a card moves the mark is not drawn.
    int moves = 0;
    table.os->on_wait = [&] {
        EXPECT_TRUE(table.g().animating != flag_true || (++moves, drawn_mark(table.grab()) == -1));
    };
    QWindow *const window = w.windowHandle();
    const char *const first_keys[] = {"Ctrl+N", "End", "Space", "Right", "Return", "Ctrl+N"};
    for (int k = 0; k < 500 && (k < 6 || table.g().game_over != flag_true); ++k) {
        const char *const keys = k < 6 ? first_keys[k] : "Return";
        SCOPED_TRACE(std::to_string(k) + ": " + keys);
        std::map<int16_t, QAccessibleInterface *> kept;  // each card in hand and its object
        std::map<QAccessibleInterface *, QString> names; // each object's name before the key
        // Before the first deal the table holds no hand.
        for (QAccessibleInterface *list : {tree, tree->child(0)})
            for (int i = 0; list != nullptr && i < list->childCount(); ++i) {
                names[list->child(i)] = list->child(i)->text(QAccessible::Name);
                if (list != tree)
                    kept[table.g().seat[0].card[i]] = list->child(i);
            }
        const int mark = table.form->marked_slot();
        const int16_t marked = mark >= 0 ? table.g().seat[0].card[mark] : no_card;
        const QString description = tree->text(QAccessible::Description);
        QAccessibleInterface *const was_focused = tree->focusChild();
        heard.clear();
        w.gm_submnu[1]->showStatusText(w.Gm_mnu); // as a menu item under the pointer does
        key(keys);
        EXPECT_FALSE(w.statusBar()->hasFocus() || w.status_lbl->hasFocus());
        EXPECT_EQ(drawn_mark(table.grab()), table.form->marked_slot());
        const Game_State &g = table.g();
        const bool to_play = g.turn_seat == 0 && g.game_over != flag_true;
        const int n = held(g, 0);
        EXPECT_TRUE(keys != std::string("Space") || std::ranges::count(g.seat[0].card, marked) == 0)
            << "Space plays the card it marked";
        // Its name is the one a reader had, or was told anew; a card of the hand
        // is renamed only once the mark is back.
        const auto told = [&](QAccessibleInterface *a) {
            const QString name = a->text(QAccessible::Name);
            return names[a] == name || was_heard(QAccessible::NameChanged, name) ||
                   was_heard(QAccessible::ObjectCreated, name);
        };

        QAccessibleInterface *const hand = tree->child(0);
        EXPECT_EQ(hand->text(QAccessible::Name).toStdString(), "Your hand, " + cards(n));
        EXPECT_TRUE(hand->role() == QAccessible::List && hand->parent() == tree &&
                    hand->window() == window && states(hand) == "read-only " &&
                    hand->indexOfChild(tree) == -1);
        EXPECT_TRUE(description == tree->text(QAccessible::Description) ||
                    was_heard(QAccessible::DescriptionChanged, "Table"));
        EXPECT_EQ(tree->text(QAccessible::Description).startsWith("Suit to follow: "),
                  g.lead_suit >= 0 && g.game_over != flag_true);
        ASSERT_EQ(hand->childCount(), n);
        const auto [left, top, width, height] = stack_rect(g, 0);
        for (int16_t slot = 0; slot < n; ++slot) {
            const int16_t card = g.seat[0].card[slot];
            SCOPED_TRACE(card_of(card));
            QAccessibleInterface *const a = hand->child(slot);
            // Named, and hovered, as the test knows the card.
            const bool follows = g.lead_suit < 0 || card / 13 == g.lead_suit;
            const std::string name =
                card_of(card) + (to_play && !follows ? std::string(" cannot be played: follow ") +
                                                           suits[g.lead_suit]
                                                     : "");
            EXPECT_EQ(a->text(QAccessible::Name).toStdString(), name);
            EXPECT_EQ(hover({left + card_step * slot + 3, top + 3}), name);
            EXPECT_TRUE(a->role() == QAccessible::ListItem && a->parent() == hand &&
                        a->window() == window && hand->indexOfChild(a) == slot &&
                        (table.form->marked_slot() < 0 || told(a)));
            const bool focused = table.form->marked_slot() == slot && w.surface->hasFocus();
            EXPECT_EQ(states(a), std::string("focusable ") +
                                     (to_play && follows ? "" : "disabled ") +
                                     (focused ? "focused " : ""));
            // The card's box on screen: its column of the hand, the last card whole.
            const QPoint at = w.surface->mapToGlobal(QPoint(left + card_step * slot, top));
            EXPECT_EQ(a->rect(), QRect(at, QSize(slot + 1 < n ? card_step : g.card_w, height)));
            // A press on the hand's bottom edge plays the card there, and one
            // right of the hand its last card: the list names those cards.
            const QPoint bottom = w.surface->mapToGlobal(
                             QPoint(left + card_step * slot + 1, top + height)),
                         right = w.surface->mapToGlobal(QPoint(left + width, top + 1));
            EXPECT_TRUE(hand->childAt(bottom.x(), bottom.y()) == a &&
                        hand->childAt(right.x(), right.y()) == hand->child(n - 1));
            // A card keeps its object while it stays in hand; a new deal may
            // make it anew, once its old one was told gone.
            const auto was = kept.find(card);
            EXPECT_TRUE(was == kept.end() || was->second == a ||
                        was_heard(QAccessible::ObjectDestroyed, names[was->second]));
        }
        // The other things, each named by the table and its tooltip wherever
        // within it (a seat without cards has no box).
        std::multiset<std::string> others;
        for (int i = 1; i < tree->childCount(); ++i) {
            QAccessibleInterface *const a = tree->child(i);
            others.insert(a->text(QAccessible::Name).toStdString());
            const QPoint inside = a->rect().center();
            EXPECT_TRUE(a->role() == QAccessible::StaticText && a->parent() == tree &&
                        a->window() == window && tree->indexOfChild(a) == i &&
                        states(a) == "read-only " && told(a) &&
                        (a->rect().isEmpty() || (tree->childAt(inside.x(), inside.y()) == a &&
                                                 hover(w.surface->mapFromGlobal(inside)) ==
                                                     a->text(QAccessible::Name).toStdString())))
                << a->text(QAccessible::Name).toStdString();
        }
        EXPECT_EQ(others, others_of(g));
        // Past either end there is no child.
        for (QAccessibleInterface *list : {tree, hand})
            EXPECT_TRUE(list->child(-1) == nullptr && list->child(list->childCount()) == nullptr);
        // A card that left the hand was told gone, so that no reader keeps an
        // object that became another.
        for (const auto &[card, object] : kept)
            EXPECT_TRUE(std::ranges::count(g.seat[0].card, card) > 0 ||
                        was_heard(QAccessible::ObjectDestroyed, names[object]))
                << card_of(card);
        // The marked card has the focus, told whenever it moved or was renamed.
        QAccessibleInterface *const focused = tree->focusChild();
        EXPECT_EQ(focused, hand->child(table.form->marked_slot()));
        EXPECT_TRUE(
            focused == nullptr ||
            (focused == was_focused && names[focused] == focused->text(QAccessible::Name)) ||
            was_heard(QAccessible::Focus, focused->text(QAccessible::Name)));
    }
    ASSERT_EQ(table.g().game_over, flag_true);
    EXPECT_GT(moves, 0);
    hover({5, 5}); // the bare table hides the tooltip again
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    ASSERT_GT(notices.size(), 10u);
    // The table keeps only its latest notices, not a game's worth.
    ASSERT_GT(ids.size(), 32u);
    EXPECT_TRUE(QAccessible::accessibleInterface(ids.front()) == nullptr &&
                QAccessible::accessibleInterface(ids.back()) != nullptr);
    QString said;
    for (const auto &[heard_now, shown] : notices) {
        EXPECT_EQ(shown, heard_now);
        said += heard_now.toLower() + '\n';
    }
    EXPECT_TRUE(said.contains("your turn") && said.contains("the round") &&
                said.contains("game over"))
        << "turns, rounds and the end are shown";
    EXPECT_TRUE(w.status_lbl->text().startsWith("Game over: you "));
    EXPECT_TRUE(w.status_lbl->text().endsWith(". Game, Deal or Ctrl+N starts the next game"));
}

// The Table menu's check items take a screen reader's press or toggle as a
// click, and no other action.
TEST_F(Keyboard_Table, ACheckItemTakesItsTwoActionsOnly) {
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(table.window->tbl_mnu);
    QAccessibleActionInterface *item = menu->child(0)->actionInterface();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->actionNames(), QStringList({QAccessibleActionInterface::pressAction(),
                                                QAccessibleActionInterface::toggleAction()}));
    item->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_FALSE(table.window->tbl_submnu[0]->isChecked());
    item->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(table.window->tbl_submnu[0]->isChecked());
}

// However a menu closes, the keys come back to the hand; Alt alone lends
// them to the menu bar, which shows it, until Escape.
TEST_F(Keyboard_Table, TheKeysComeBackToTheHandWhenAMenuCloses) {
    key("Ctrl+N");
    Game_Window &w = *table.window;
    const auto press = [](Qt::Key k, QWidget *to) { QTest::keyClick(to, k), QTest::qWait(0); };
    for (const bool by_click : {false, true}) {
        SCOPED_TRACE(by_click ? "a click elsewhere" : "Escape");
        QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
        ASSERT_TRUE(w.tbl_mnu->isVisible());
        for (QAction *item : w.tbl_submnu) // the item under the menu's highlight reads focused
            EXPECT_EQ(QAccessible::queryAccessibleInterface(item)->state().focused,
                      w.tbl_mnu->activeAction() == item);
        if (by_click) // the open menu holds the pointer: a press anywhere goes to it
            QTest::mouseClick(w.tbl_mnu, Qt::LeftButton, {},
                              w.tbl_mnu->mapFromGlobal(w.surface->mapToGlobal(QPoint(3, 3))));
        else
            QTest::keyClick(w.tbl_mnu, Qt::Key_Escape);
        QTest::qWait(0);
        EXPECT_FALSE(w.tbl_mnu->isVisible());
        // As a desktop does when a popup goes; the offscreen platform does not.
        QApplication::setActiveWindow(&w);
        press(Qt::Key_End, QApplication::focusWidget());
        EXPECT_EQ(table.form->marked_slot(), held(table.g(), 0) - 1);
        press(Qt::Key_Home, QApplication::focusWidget());
        EXPECT_EQ(table.form->marked_slot(), 0);
    }
    // The Game title is drawn in the highlight's colour while the bar holds the keys.
    const auto title_highlighted = [&w] {
        const QRect title = w.menuBar()->actionGeometry(w.Gm_mnu->menuAction());
        return w.menuBar()->grab().toImage().pixelColor(title.center().x(), title.top() + 2) ==
               w.menuBar()->palette().color(QPalette::Highlight);
    };
    EXPECT_FALSE(title_highlighted());
    QTest::keyClick(&w, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(w.menuBar()->hasFocus() && title_highlighted());
    press(Qt::Key_Escape, w.menuBar());
    EXPECT_TRUE(w.surface->hasFocus() && !title_highlighted());
}

} // namespace plenk::test
