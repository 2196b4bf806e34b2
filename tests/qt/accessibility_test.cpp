#include "game/cards.h"
#include "game/human_selection.h"
#include "platform/qt/surface_constants.h"
#include "tests/qt/qt_support.h"
#include "tests/support/english.h"
#include "ui/table_layout.h"
#include "ui/table_words.h"

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
    return std::find(heard.begin(), heard.end(), std::pair(type, name)) != heard.end();
}

struct Keyboard_Table : ::testing::Test {
    Game_Table table;
    QAccessibleInterface *tree = nullptr;
    void SetUp() override {
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            QAccessibleInterface *about = event->accessibleInterface();
            heard.emplace_back(event->type(),
                               about != nullptr ? about->text(QAccessible::Name) : QString());
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        table.window->start();
        QApplication::setActiveWindow(table.window.get());
        tree = QAccessible::queryAccessibleInterface(table.window->surface);
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        heard.clear();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(table.window->surface, k, m);
    }
    // The thing at the index of the table's words: a card within the hand's
    // list, which is the table's first child, or a later child of the table.
    QAccessibleInterface *thing(int i, const Table_Words &words) {
        return i < words.hand_cards
                   ? tree->child(0)->child(i)
                   : tree->child(i - words.hand_cards + (words.hand.source.empty() ? 0 : 1));
    }
    // The slot whose card carries the mark's outline on the surface, -1 for none.
    int drawn_mark(const QImage &shot) {
        const auto [left, top, width, height] = stack_rect(table.g(), 0);
        for (int16_t slot = 0; slot < Card_Empty_Slot(table.g(), 0); ++slot)
            if (shot.pixelColor(left + card_step * slot + 1, top + 1) ==
                    QColor::fromRgb(mark_rgb) &&
                shot.pixelColor(left + card_step * slot + 1, top + table.g().card_h - 2) ==
                    QColor::fromRgb(mark_rgb))
                return slot;
        return -1;
    }
};

TEST_F(Keyboard_Table,
       TheMarkIsDrawnWhereTheKeysPutItAndIsGoneWhileACardMovesWhenNewGameIsRefused) {
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(table.g().game_over, flag_false) << "Ctrl+N deals";
    const int first = table.form->marked_slot();
    EXPECT_TRUE(first >= 0 && drawn_mark(table.grab()) == first);
    key(Qt::Key_End);
    EXPECT_EQ(drawn_mark(table.grab()), Card_Empty_Slot(table.g(), 0) - 1);
    key(Qt::Key_Home);
    for (int i = 0; i < first; ++i)
        key(Qt::Key_Right);
    QImage during;
    repeat_until(
        [&] {
            if (table.g().animating != flag_true)
                return false;
            during = table.grab();
            const auto deck = table.g().deck;
            key(Qt::Key_N, Qt::ControlModifier);
            EXPECT_EQ(table.g().deck, deck);
            return true;
        },
        table.window.get());
    Box_Answerer boxes;
    const int16_t played = table.g().seat[0].card[first];
    key(Qt::Key_Space);
    EXPECT_EQ(std::count(table.g().seat[0].card.begin(), table.g().seat[0].card.end(), played), 0);
    ASSERT_FALSE(during.isNull()) << "no card moved";
    EXPECT_EQ(drawn_mark(during), -1);
}

// After each key the tree says what the table shows, and a screen reader was
// told every change.
TEST_F(Keyboard_Table, TheAccessibleTreeFollowsTheGame) {
    Box_Answerer boxes(QMessageBox::No);
    EXPECT_EQ(tree->indexOfChild(tree), -1) << "not a child of its own";
    for (const auto &[k, m] : {std::pair{Qt::Key_N, Qt::ControlModifier},
                               {Qt::Key_End, Qt::NoModifier},
                               {Qt::Key_Space, Qt::NoModifier},
                               {Qt::Key_Right, Qt::NoModifier},
                               {Qt::Key_Return, Qt::NoModifier},
                               {Qt::Key_N, Qt::ControlModifier}}) {
        SCOPED_TRACE(QKeySequence(k | m).toString().toStdString());
        std::map<QAccessibleInterface *, QString> before;   // each thing's object and its name
        std::map<std::string, QAccessibleInterface *> held; // each card in hand and its object
        const Table_Words was = table_words(table.g(), table.form->awaiting_human());
        for (int i = 0; i < static_cast<int>(was.things.size()); ++i)
            before[thing(i, was)] = thing(i, was)->text(QAccessible::Name);
        for (int i = 0; i < was.hand_cards; ++i)
            held[english(was.things[static_cast<std::size_t>(i)].name)] = thing(i, was);
        const QString description = tree->text(QAccessible::Description);
        QAccessibleInterface *const was_focused = tree->focusChild();
        heard.clear();
        key(k, m);
        const Table_Words words = table_words(table.g(), table.form->awaiting_human());
        ASSERT_EQ(tree->childCount(), static_cast<int>(words.things.size()) - words.hand_cards + 1);
        EXPECT_EQ(tree->child(0)->text(QAccessible::Name).toStdString(), english(words.hand));
        EXPECT_EQ(tree->child(0)->childCount(), words.hand_cards);
        EXPECT_EQ(tree->text(QAccessible::Description).toStdString(), english(words.description));
        EXPECT_TRUE(description == tree->text(QAccessible::Description) ||
                    was_heard(QAccessible::DescriptionChanged, "Table"));
        for (int i = 0; i < static_cast<int>(words.things.size()); ++i) {
            const Table_Thing &t = words.things[static_cast<std::size_t>(i)];
            const QString name = thing(i, words)->text(QAccessible::Name);
            EXPECT_EQ(name.toStdString(), english(t.heard));
            const QPoint corner = thing(i, words)->rect().topLeft() + QPoint(1, 1);
            EXPECT_TRUE(i >= words.hand_cards ||
                        tree->child(0)->childAt(corner.x(), corner.y()) == thing(i, words));
            // On the hand's bottom edge, and right of its last card, the list
            // names the card a press there plays.
            for (const QPoint edge :
                 {QPoint(t.x + 1, t.y + t.height), QPoint(t.x + t.width, t.y + 1)}) {
                if (i >= words.hand_cards)
                    break;
                const int16_t pressed = slot_under_press(table.g(), edge.x(), edge.y());
                const QPoint global = table.window->surface->mapToGlobal(edge);
                QAccessibleInterface *named = tree->child(0)->childAt(global.x(), global.y());
                EXPECT_EQ(named, pressed >= 0 ? thing(pressed, words) : nullptr)
                    << english(t.name) << " at " << edge.x() << "," << edge.y();
            }
            EXPECT_EQ(thing(i, words)->state().disabled,
                      t.kind == Thing_Kind::Hand_Card && !t.playable)
                << english(t.name);
            EXPECT_TRUE(before[thing(i, words)] == name ||
                        was_heard(QAccessible::NameChanged, name) ||
                        was_heard(QAccessible::ObjectCreated, name))
                << english(t.name);
        }
        // A card keeps its object while it stays in hand; one that leaves is
        // told gone, so that no reader keeps an object that became another.
        for (int i = 0; i < was.hand_cards; ++i) {
            const Table_Thing &t = was.things[static_cast<std::size_t>(i)];
            const auto now = std::find_if(
                words.things.begin(), words.things.begin() + words.hand_cards,
                [&](const Table_Thing &c) { return english(c.name) == english(t.name); });
            const bool kept =
                now != words.things.begin() + words.hand_cards &&
                thing(static_cast<int>(now - words.things.begin()), words) == held[english(t.name)];
            EXPECT_TRUE(
                kept ||
                was_heard(QAccessible::ObjectDestroyed, QString::fromStdString(english(t.name))) ||
                was_heard(QAccessible::ObjectDestroyed, QString::fromStdString(english(t.heard))))
                << english(t.name);
        }
        const int marked = table.form->marked_slot();
        QAccessibleInterface *focused = tree->focusChild();
        EXPECT_EQ(focused, marked < 0 ? nullptr : tree->child(0)->child(marked));
        const bool moved =
            focused != nullptr &&
            (focused != was_focused || before[focused] != focused->text(QAccessible::Name));
        EXPECT_TRUE(!moved || (focused->state().focused &&
                               was_heard(QAccessible::Focus, focused->text(QAccessible::Name))));
    }
}

// The take is announced as its label says it, as a notification shown.
TEST_F(Keyboard_Table, TheTakeIsAnnounced) {
    table.os->set_label_caption("COM 3 takes all card");
    table.os->set_label_visible(true);
    EXPECT_TRUE(was_heard(QAccessible::ObjectShow, "COM 3 takes all card"));
}

// However a menu closes, the keys come back to the hand; Alt alone lends
// them to the menu bar, which shows it, until Escape.
TEST_F(Keyboard_Table, TheKeysComeBackToTheHandWhenAMenuCloses) {
    key(Qt::Key_N, Qt::ControlModifier);
    Game_Window &w = *table.window;
    const auto press = [](Qt::Key k, QWidget *to) { QTest::keyClick(to, k), QTest::qWait(0); };
    const std::pair<const char *, std::function<void()>> closings[] = {
        {"Escape", [&] { press(Qt::Key_Escape, w.tbl_mnu); }},
        {"a click elsewhere",
         [&] {
             // The open menu holds the pointer: a press anywhere goes to it.
             QTest::mouseClick(w.tbl_mnu, Qt::LeftButton, {},
                               w.tbl_mnu->mapFromGlobal(w.surface->mapToGlobal(QPoint(3, 3))));
             QTest::qWait(0);
         }},
    };
    for (const auto &[how, close] : closings) {
        QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
        ASSERT_TRUE(w.tbl_mnu->isVisible()) << how;
        for (QAction *item : w.tbl_submnu) // the item under the menu's highlight reads focused
            EXPECT_EQ(QAccessible::queryAccessibleInterface(item)->state().focused,
                      w.tbl_mnu->activeAction() == item);
        close();
        EXPECT_FALSE(w.tbl_mnu->isVisible()) << how;
        // As a desktop does when a popup goes; the offscreen platform does not.
        QApplication::setActiveWindow(&w);
        press(Qt::Key_End, QApplication::focusWidget());
        EXPECT_EQ(table.form->marked_slot(), Card_Empty_Slot(table.g(), 0) - 1) << how;
        press(Qt::Key_Home, QApplication::focusWidget());
        EXPECT_EQ(table.form->marked_slot(), 0) << how;
    }
    // The Game title is drawn in the highlight's colour while the bar holds the keys.
    const auto title_highlighted = [&w] {
        const QImage bar = w.menuBar()->grab().toImage();
        const QRect title = w.menuBar()->actionGeometry(w.Gm_mnu->menuAction());
        const QColor highlight = w.menuBar()->palette().color(QPalette::Highlight);
        return bar.pixelColor(title.center().x(), title.top() + 2) == highlight;
    };
    EXPECT_FALSE(title_highlighted());
    QTest::keyClick(&w, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(w.menuBar()->hasFocus() && title_highlighted());
    press(Qt::Key_Escape, w.menuBar());
    EXPECT_TRUE(w.surface->hasFocus() && !title_highlighted());
}

// Before the first deal the bare table says how to start; a card that may
// not be played says why, as a press on it would.
TEST_F(Keyboard_Table, HoverShowsTheSameWordsAsATooltip) {
    const auto hover = [this](QPoint at) {
        QCursor::setPos(table.window->surface->mapToGlobal(at));
        QHelpEvent help(QEvent::ToolTip, at, table.window->surface->mapToGlobal(at));
        QApplication::sendEvent(table.window->surface, &help);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    };
    EXPECT_EQ(hover({3, 3}), "No game yet. To start one, choose Game, Deal or press Ctrl+N.");
    for (int deals = 0; deals < 50 && !table.form->awaiting_human(); ++deals)
        table.window->gm_submnu[0]->trigger();
    const Game_State &g = table.g();
    const auto [left, top, width, height] = stack_rect(g, 0);
    for (int16_t slot = 0; slot < Card_Empty_Slot(g, 0); ++slot) {
        const std::string card = english(card_name(g.seat[0].card[slot]));
        EXPECT_EQ(hover({left + card_step * slot + 3, top + 3}),
                  g.lead_suit < 0 || Get_Suit(g.seat[0].card[slot]) == g.lead_suit
                      ? card
                      : english(refused_words(g.seat[0].card[slot], g.lead_suit)));
    }
    EXPECT_EQ(hover({375, 275}), "Open card: " + english(card_name(g.open_card)));
    EXPECT_FALSE(hover({705, 275}).empty()) << "a seat's hand";
    hover({5, 5}); // the bare table hides the tooltip again
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

} // namespace plenk::test

namespace plenk::test {

// Each notice heard, with the status line's words at that moment.
static std::vector<std::pair<QString, QString>> notices;
static const QLabel *status_line = nullptr;

// The status line shows every sentence the screen reader hears, as it is
// heard, through a whole game played by keys: from how to start, over the
// deal, turns, plenks, rounds and takes, to the place and how to go on. No
// menu item under the pointer wipes it, and it never takes the keys.
TEST_F(Keyboard_Table, TheStatusLineShowsWhatIsHeardAsItIsHeard) {
    Game_Window &w = *table.window;
    status_line = w.status_lbl;
    EXPECT_EQ(status_line->text(), "No game yet. To start one, choose Game, Deal or press Ctrl+N.");
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        QAccessibleInterface *about = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && about != nullptr &&
            about->role() == QAccessible::Notification)
            notices.emplace_back(about->text(QAccessible::Name), status_line->text());
    });
    Box_Answerer boxes(QMessageBox::No);
    key(Qt::Key_N, Qt::ControlModifier);
    for (int keys = 0; keys < 500 && table.g().game_over != flag_true; ++keys) {
        // What a menu item under the pointer does to a status bar.
        w.gm_submnu[1]->showStatusText(w.Gm_mnu);
        key(Qt::Key_Return);
        EXPECT_FALSE(w.statusBar()->hasFocus() || status_line->hasFocus());
    }
    ASSERT_EQ(table.g().game_over, flag_true);
    ASSERT_GT(notices.size(), 10u);
    std::set<std::string> kinds;
    for (const auto &[heard_now, shown] : notices) {
        EXPECT_EQ(shown, heard_now);
        for (const char *kind : {"Cards dealt", "Your turn", "plenk", "the round", "takes all",
                                 "finished", "Game over"})
            if (heard_now.contains(QLatin1String(kind), Qt::CaseInsensitive))
                kinds.insert(kind);
    }
    EXPECT_TRUE(kinds.count("Your turn") && kinds.count("the round") && kinds.count("Game over"))
        << "turns, rounds and the end are shown";
    EXPECT_TRUE(status_line->text().startsWith("Game over: you "));
    EXPECT_TRUE(status_line->text().endsWith(". Game, Deal or Ctrl+N starts the next game"));
    notices.clear();
}

} // namespace plenk::test
