#include "tests/qt/qt_support.h"
#include "tests/qt/reference_picture.h"
#include "ui/qt/help_window.h"
#include "ui/qt/refusal_cue.h"
#include "ui/qt/window_constants.h"
#include "ui/table_layout.h"

#include "game/human_selection.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>
#include <ranges>
#include <set>

namespace plenk::test {
namespace {

TEST(First_Start, AsksTheNameUnderTheGameIconThenShowsTheWindow) {
    Game_Table table(false);
    Box_Answerer boxes(QMessageBox::Yes, "Ann");
    boxes.on_box = [&] {
        EXPECT_FALSE(table.window->isVisible()) << "shown before the name is known";
        EXPECT_EQ(QApplication::activeModalWidget()->parentWidget(), nullptr) << "on its own";
        expect_like_reference(QApplication::activeModalWidget()->windowIcon().pixmap(64).toImage(),
                              "prompt_icon.png"); // two fanned cards on green felt
    };
    table.window->start();
    EXPECT_TRUE(boxes.seen == 1 && boxes.text == "Input Player Name:" && table.window->isVisible());
}

// While a message box is up: whether its whole text and its title fit (a
// title bar also holds an icon and buttons: some 100 pixels).
void check_box_fits() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    EXPECT_EQ(box->textFormat(), Qt::PlainText) << "a name is shown as typed, never as markup";
    auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    EXPECT_TRUE(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width());
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_LE(QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 100, box->width());
}

TEST(Game_Window, IsFixedAndCentredWithMenusThatReachTheirCommandsAndBoxesThatShowTheirWholeText) {
    Game_Table table;
    table.window->start();
    Game_Window &w = *table.window;
    // The table fills the window between the menus and the status line; window and help
    // window are fixed.
    EXPECT_EQ(w.surface->geometry(), QRect(0, w.menuBar()->geometry().bottom() + 1, 750, 550));
    EXPECT_TRUE(
        w.size() == QSize(750, w.menuBar()->height() + 550 + w.statusBar()->height()) &&
        w.minimumSize() == w.maximumSize() && w.Form2->minimumSize() == w.Form2->maximumSize() &&
        w.windowTitle().startsWith("Plenk") &&
        (w.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)) ==
            Qt::WindowCloseButtonHint &&
        (w.geometry().center() - w.screen()->availableGeometry().center()).manhattanLength() <= 1)
        << "fixed, closed but not minimised or maximised, centred";
    // The shuffle's clock: seconds since midnight, so that each start deals anew;
    // read between two looks at the time of day (unless these pass midnight).
    const auto of_day = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
    const double before = of_day(), clock = table.os->Qt_Platform::clock_seconds(),
                 after = of_day();
    EXPECT_TRUE(after < before || (before - 0.01 <= clock && clock <= after + 0.01))
        << before << " " << clock << " " << after;
    // A pause hands its whole time to a wait that answers events, and waits
    // again, for what is left, when an event ends that early: stopped at its
    // third wait, not waited out.
    const uint32_t from = table.os->now;
    table.os->on_wait = [&] {
        if (table.os->now - from > 60000)
            throw 0;
    };
    EXPECT_THROW(table.os->Qt_Platform::Sleep(60000), int) << "the pause ended early";
    EXPECT_TRUE(table.os->now - from > 110000 && table.os->now - from <= 120000)
        << "the first wait takes the whole pause, the second what is left of it: "
        << table.os->now - from;
    table.os->on_wait = nullptr;
    // Only the two backgrounds and Full Screen carry check marks, besides the decks.
    const std::set<QAction *> marked{w.tbl_submnu[0], w.tbl_submnu[1], w.full_screen_item};
    for (QAction *menu : w.menuBar()->actions())
        for (QAction *item : menu->menu()->actions())
            EXPECT_EQ(item->isCheckable(), marked.count(item) == 1) << item->text().toStdString();
    Box_Answerer boxes(QMessageBox::No);
    boxes.on_box = check_box_fits;
    // Show Rank; Deal and Reset Record are reached by the cues' and the reset's tests.
    w.Gm_mnu->actions()[1]->trigger();
    EXPECT_TRUE(boxes.title == "Winning Stroke" && boxes.text.count('\n') > 1 &&
                !boxes.text.contains('\r'))
        << "its lines broken as a box breaks them";
    EXPECT_EQ(w.Help_submnu->shortcut(), QKeySequence(Qt::Key_F1));
    // A text too long for one line is wrapped, whole.
    table.os->message_box(
        QString("The record could not be saved, and is kept in memory. ").repeated(4).toStdString(),
        "Plenk", Box_Icon::Warning, Box_Buttons::Ok);
    EXPECT_EQ(std::pair(boxes.seen, boxes.buttons), std::pair(2, QString("OK")));
}

// Each Help item opens its page while a card moves, and the game waits until
// it is closed. The rules are the nine points in the words the game uses, as
// their reviewed picture shows; the guide names every key the game reads and
// is shown whole; About names the version and both licences.
TEST(Help_Window, EachPageHoldsTheGameUntilClosedAndShowsItsWholeText) {
    Game_Table table;
    table.window->start();
    Game_Window &w = *table.window;
    // How to Play, Getting Started, a line, About Plenk.
    const QList<QAction *> items = w.Help_mnu->actions();
    ASSERT_TRUE(items.size() == 4 && items[2]->isSeparator());
    // Opens the page in a card's first slide frame: it is modal and shown
    // whole, and the card stands still until the page is closed. Its title and text.
    const auto open = [&](QAction *item) {
        w.gm_submnu[0]->trigger();
        QString seen;
        table.os->on_wait = [&] {
            if (item == nullptr || table.g().animating != flag_true)
                return;
            repeat_until(
                [&, slide_at = std::pair(table.g().anim_x, table.g().anim_y)] {
                    auto *page = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                    if (page == nullptr)
                        return false;
                    const QLabel *text = page->findChild<QLabel *>(
                        qobject_cast<QMessageBox *>(page) ? "qt_msgbox_label" : QString());
                    seen = page->windowTitle() + '|' + text->text();
                    EXPECT_TRUE(page->isModal() &&
                                text->heightForWidth(text->width()) <= text->height() &&
                                text->geometry().bottom() < page->height() &&
                                slide_at == std::pair(table.g().anim_x, table.g().anim_y) &&
                                table.g().animating == flag_true)
                        << seen.toStdString();
                    page->close();
                    return true;
                },
                &w);
            std::exchange(item, nullptr)->trigger();
        };
        QTest::keyClick(w.surface, Qt::Key_Return); // the marked card slides to the table
        table.os->on_wait = nullptr;
        return seen;
    };
    // No box answerer here: it would close the About box before it is read.
    // The rules' words are held by their reviewed picture.
    EXPECT_TRUE(open(items[0]).startsWith("How to Play|"));
    const QString guide = open(items[1]), about = open(items[3]);
    for (const char *told :
         {"Getting Started|", "five cards", "Aces are high", "by themselves", "third seat",
          "After a take", "click", "Left and Right", "Home and End", "Enter or Space", "T reads",
          "C each", "S the open card", "L the last round", "Ctrl+N", "Ctrl+Q", "F1"})
        EXPECT_TRUE(guide.contains(told)) << told;
    EXPECT_TRUE(about.startsWith("About Plenk|Plenk " PLENK_VERSION "\n") &&
                about.contains("General Public License, version 3 or later") &&
                about.contains("version 2 or later") &&
                about.contains("kdegames-card-data-kf5/copyright"));
    expect_like_reference(w.Form2->grab().toImage(), "help_window.png");
}

// The game blocks in a pause right after showing the label or a drawing: it
// must be painted, over the table, before any event is handled.
TEST(Take_Label, IsPaintedBeforeThePauseOverTheTable) {
    struct Paint_Watch : QObject {
        QList<QObject *> painted;
        bool eventFilter(QObject *widget, QEvent *event) override {
            if (event->type() == QEvent::Paint)
                painted << widget;
            return false;
        }
    } watch;
    Game_Table table;
    table.window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.window.get()));
    Game_Window &w = *table.window;
    w.take_lbl->installEventFilter(&watch);
    w.surface->installEventFilter(&watch);
    table.os->set_label_caption("COM 2 takes all card");
    table.os->set_label_visible(true);
    table.os->refresh_label();
    // A card drawn under it: the table shows it around the label, which
    // stays over it, painted once.
    table.os->cdtDraw(1, 340, 227, 0, 0, 0);
    table.os->refresh_surface();
    EXPECT_EQ(watch.painted, QList<QObject *>({w.take_lbl, w.surface}))
        << "the label, then the table";
    expect_like_reference(table.grab().copy(table.window->take_lbl->geometry()), "take_label.png");
}

// While the game moves on by itself, in every pause and slide frame, the
// pointer over the table is busy and the Game menu offers only Exit; on the
// player's turn it offers every item again, the pointer over a card says
// whether it may be played, and a refused card answers above it for a moment.
// A click plays the card under it, the last card also by its visible right
// part.
TEST(Cues, ShowWhatTheGameTakesNow) {
    Game_Table table;
    table.window->start();
    Game_Window &w = *table.window;
    const Game_State &g = table.g();
    const auto now = [&w] {
        std::string items;
        for (QAction *item : w.gm_submnu)
            items += item->isSeparator() ? "" : item->isEnabled() ? "+" : "-";
        return items + std::to_string(w.surface->cursor().shape());
    };
    std::set<std::string> moving;
    table.os->on_wait = [&] { moving.insert(now()); };
    const auto card_at = [&g](int16_t slot) {
        return QPoint(stack_rect(g, 0).x + card_step * slot + 5, stack_rect(g, 0).y + 5);
    };
    int16_t refused = -1;
    for (int deals = 0; deals < 50 && refused < 0; ++deals) {
        QTest::mouseMove(w.surface, {375, 275});
        w.gm_submnu[0]->trigger();
        EXPECT_EQ(now(), "++++" + std::to_string(Qt::ArrowCursor));
        for (int16_t slot = 0; slot < Card_Empty_Slot(g, 0); ++slot) {
            QTest::mouseMove(w.surface, card_at(slot));
            const bool may = human_may_play_slot(g, slot);
            EXPECT_EQ(w.surface->cursor().shape(),
                      may ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
            refused = may ? refused : slot;
        }
    }
    ASSERT_GE(refused, 0) << "no deal gave the human a card to refuse";
    QTest::mouseClick(w.surface, Qt::LeftButton, {}, card_at(refused));
    const QRect cue = w.refusal_cue->geometry();
    EXPECT_TRUE(w.refusal_cue->isVisible() && cue.bottom() + 1 == stack_rect(g, 0).y &&
                cue.contains(card_at(refused).x(), cue.top()))
        << "above the card";
    const QImage shown = w.refusal_cue->grab().toImage();
    EXPECT_TRUE(shown.pixelColor(shown.width() / 2, 1) == QColor(cue_back_rgb) &&
                std::ranges::any_of(std::views::iota(0, shown.width()),
                                    [&](int x) {
                                        return shown.pixelColor(x, (shown.height() - 1) / 2) ==
                                               QColor(cue_text_rgb);
                                    }))
        << "its words, light on dark";
    // It goes by itself after its time, told by its timer rather than waited for.
    QTimer *const going = w.refusal_cue->findChild<QTimer *>();
    ASSERT_TRUE(going != nullptr && going->isActive() && going->isSingleShot() &&
                going->interval() == refusal_cue_ms);
    going->start(0);
    EXPECT_TRUE(QTest::qWaitFor([&w] { return !w.refusal_cue->isVisible(); }, 1000));
    const int16_t last = Card_Empty_Slot(g, 0) - 1;
    int16_t playable = human_may_play_slot(g, last) ? last : 0;
    while (!human_may_play_slot(g, playable))
        ++playable;
    const int16_t card = g.seat[0].card[playable];
    QTest::mouseClick(w.surface, Qt::LeftButton, {},
                      card_at(playable) + QPoint(playable == last ? 60 : 0, 0));
    EXPECT_EQ(moving, std::set<std::string>{"---+" + std::to_string(Qt::WaitCursor)});
    EXPECT_EQ(std::ranges::count(g.seat[0].card, card), 0);
    // Nothing stays drawn where the hand, now of another length, ended: 3 pixels
    // right of its last card, 4 left of its first.
    for (int x : {card_at(Card_Empty_Slot(g, 0) - 1).x() - 5 + 71 + 3, card_at(0).x() - 5 - 4})
        EXPECT_EQ(table.grab().pixelColor(x, 500), QColor(0, 128, 0)) << x;
}

// The player's language reaches every surface: a row per surface, read in
// each language the game speaks, each unlike the English and shown whole, and
// in one it does not speak (Swedish), as in English. (What the screen reader
// hears in German is held by the scenarios.)
TEST(Translations, ReachEverySurface) {
    ensure_application();
    QStringList english;
    for (const char *language : {"C", "de", "fr", "es", "it", "nl", "pl", "pt_BR", "ru", "uk", "cs",
                                 "da", "tr", "ja", "zh_CN", "ko", "sv"}) {
        SCOPED_TRACE(language);
        install_translations(QLocale(language));
        Game_Table table;
        Game_Window &w = *table.window;
        w.start();
        Box_Answerer boxes(QMessageBox::No);
        boxes.on_box = check_box_fits;
        // Within the menu bar and each menu, no two items share an access key.
        for (const QList<QAction *> &group : {w.menuBar()->actions(), w.Gm_mnu->actions(),
                                              w.tbl_mnu->actions(), w.Help_mnu->actions()}) {
            QString keys;
            for (const QAction *item : group)
                keys += item->text().replace("&&", "").section('&', 1).left(1).toLower();
            EXPECT_EQ(QSet<QChar>(keys.begin(), keys.end()).size(), keys.size())
                << keys.toStdString();
        }
        const auto box = [&boxes](QAction *item) {
            item->trigger();
            return boxes.title + '|' + boxes.text + '|' + boxes.buttons;
        };
        const auto named_com_1 = [&] { // a name with a plural, once dealt: after the hand
            w.gm_submnu[0]->trigger();
            return QAccessible::queryAccessibleInterface(w.surface)->child(1)->text(
                QAccessible::Name);
        };
        table.os->set_label_caption(Text("Play", "Player takes all card"));
        // A menu item; Reset Record's box with Qt's own buttons, the statistics
        // and About; the label; an accessible name; the help and guide windows.
        QStringList read{w.gm_submnu[1]->text(), box(w.gm_submnu[2]), boxes.buttons,
                         box(w.gm_submnu[1]),    box(w.about_item),   w.take_lbl->text(),
                         named_com_1()};
        read << w.Form2->windowTitle() + '|' + w.Form2->Label1->text().section('\n', 0, 0);
        read << w.guide_window->windowTitle() + '|' + w.guide_window->Label1->text();
        EXPECT_LE(w.guide_window->height(), 700) << "taller than a small screen";
        if (english.isEmpty())
            english = read;
        const bool as_english = language == std::string("C") || language == std::string("sv");
        for (qsizetype i = 0; i < read.size(); ++i)
            EXPECT_TRUE(!read[i].isEmpty() && (read[i] == english[i]) == as_english)
                << i << ": " << read[i].toStdString();
    }
    install_translations(QLocale::c());
}

// Reset Record asks first, and only a deliberate Yes wipes the record: Enter
// and Escape both keep its bytes.
TEST(Game_Window, ResetRecordKeepsTheRecordUnlessYesIsChosen) {
    Game_Table table;
    table.window->start();
    const std::string path = table.path("data.dat").toStdString();
    const std::vector<uint8_t> before = read_file_start(path, 100).bytes;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTimer::singleShot(50, [key] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyClick(box, key);
        });
        table.window->gm_submnu[2]->trigger();
        EXPECT_EQ(read_file_start(path, 100).bytes, before) << key;
        EXPECT_EQ(player_name_text(table.rec.player_rec).substr(0, 3), "Ann") << key;
    }
    // Yes does reset: the name prompt follows and takes a new name, "Zoe" with a
    // separate combining diaeresis kept as the one letter Windows-1252 holds.
    Box_Answerer boxes(QMessageBox::Yes, "Zoe\u0308");
    table.window->gm_submnu[2]->trigger();
    EXPECT_EQ(read_file_start(path, 4).bytes, std::vector<uint8_t>({'Z', 'o', 0xEB, ' '}));
}

// Two starts on a clock that stands still deal two different games: each
// start's generator begins from the system's random source, so the shuffle's
// reseeding from the clock leads the two apart.
TEST(Starts, DealDifferentGamesWhenTheClockStandsStill) {
    Qt_Platform one(QDir::tempPath().toStdString()), two(QDir::tempPath().toStdString());
    one.reseed(43200.0f), two.reseed(43200.0f); // noon
    EXPECT_NE(std::vector({one.random_value(), one.random_value(), one.random_value()}),
              std::vector({two.random_value(), two.random_value(), two.random_value()}));
}

} // namespace
} // namespace plenk::test
