#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/help_window.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

TEST(Game_Window, HoldsTheWholeTableBelowTheMenuBarFixedAndCentred) {
    Game_Table table;
    table.start();
    Game_Window& window = *table.window;
    EXPECT_EQ(window.surface->size(), QSize(750, 550));
    EXPECT_EQ(window.surface->geometry().top(), window.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(window.size(), QSize(750, window.menuBar()->height() + 550));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
              Qt::WindowCloseButtonHint);
    EXPECT_LE((window.geometry().center() - window.screen()->availableGeometry().center()).manhattanLength(), 1);
    EXPECT_TRUE(window.windowTitle().startsWith("Plenk Ver. 1.10 ("));
    EXPECT_FALSE(window.windowIcon().pixmap(64, 64).isNull());
}

// While a message box is up: whether its whole text and its title fit.
void check_box_fits() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width())
        << box->text().toStdString();
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_LT(QFontMetrics(bold).horizontalAdvance(box->windowTitle()), box->width());
}

struct Menu_Item {
    QAction* action;
    QString text;
    QKeySequence access_key;
    QString box_title; // of the box the item opens, answered No
};

TEST(Game_Window, MenuItemsCarryTheirTextsAndAccessKeysAndReachTheirCommands) {
    Game_Table table;
    table.start();
    Game_Window& w = *table.window;
    const auto alt = [](Qt::Key key) { return QKeySequence(Qt::ALT | key); };
    const Menu_Item items[] = {
        {w.Gm_mnu->menuAction(), "&Game", alt(Qt::Key_G), {}},
        {w.gm_submnu[0], "&Deal", alt(Qt::Key_D), {}},
        {w.gm_submnu[1], "&Show Rank", alt(Qt::Key_S), "Winning Stroke"},
        {w.gm_submnu[2], "&Reset Record", alt(Qt::Key_R), "Confirm Reset"},
        {w.gm_submnu[4], "&Exit", alt(Qt::Key_E), {}},
        {w.tbl_mnu->menuAction(), "&Table", alt(Qt::Key_T), {}},
        {w.tbl_submnu[0], "Default", {}, {}},
        {w.tbl_submnu[1], "Blue Sky && Sea", {}, {}},
        {w.Help_mnu->menuAction(), "&Help", alt(Qt::Key_H), {}},
        {w.Help_submnu, "How to Play", {}, {}},
    };
    EXPECT_EQ(w.menuBar()->actions(),
              (QList<QAction*>{w.Gm_mnu->menuAction(), w.tbl_mnu->menuAction(), w.Help_mnu->menuAction()}));
    EXPECT_EQ(w.Gm_mnu->actions(), QList<QAction*>(w.gm_submnu.begin(), w.gm_submnu.end()));
    EXPECT_TRUE(w.gm_submnu[3]->isSeparator());
    EXPECT_EQ(w.tbl_mnu->actions(), QList<QAction*>(w.tbl_submnu.begin(), w.tbl_submnu.end()));
    Box_Answerer boxes(QMessageBox::No);
    boxes.on_box = check_box_fits;
    for (const Menu_Item& item : items) {
        SCOPED_TRACE(item.text.toStdString());
        EXPECT_EQ(item.action->text(), item.text);
        EXPECT_EQ(QKeySequence::mnemonic(item.text), item.access_key);
        if (item.box_title.isEmpty()) continue;
        const int seen = boxes.boxes_seen();
        item.action->trigger();
        EXPECT_EQ(boxes.boxes_seen(), seen + 1);
        EXPECT_EQ(boxes.last_title(), item.box_title);
    }
    w.gm_submnu[0]->trigger();
    EXPECT_EQ(table.form->state().game_over, flag_false);
}

TEST(Game_Window, BoxesShowTheirWholeTextAndTitle) {
    Game_Table table;
    table.start();
    Box_Answerer boxes;
    boxes.on_box = check_box_fits;
    table.os->message_box("You win! Would you like to watch the game continue?", "Win", Box_Icon::Information,
                          Box_Buttons::Yes_No);
    table.os->message_box("The player record could not be saved to \"/a/rather/long/folder/name/data.dat\" "
                          "(Is a directory). It is kept in memory, and the next save will try again.",
                          "Plenk", Box_Icon::Warning, Box_Buttons::Ok);
    EXPECT_EQ(boxes.boxes_seen(), 2);
}

TEST(Help_Window, HoldsTheGameUntilClosedAndShowsEveryRule) {
    Game_Table table;
    table.start();
    Help_Window& help = *table.window->Form2;
    bool modal = false;
    repeat_until(
        [&] {
            if (!help.isVisible()) return false;
            modal = help.isModal();
            help.close();
            return true;
        },
        table.window.get());
    table.window->Help_submnu->trigger();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.minimumSize(), help.maximumSize());
    EXPECT_LE(help.Label1->heightForWidth(help.Label1->width()), help.Label1->height()) << "rules cut off";
}

// Counts the label's paints and the text each showed.
struct Paint_Watch : QObject {
    QStringList painted;
    bool eventFilter(QObject* label, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted << static_cast<QLabel*>(label)->text();
        return false;
    }
};

// The game blocks in a pause right after showing the label: the label must
// be on the screen before any event is handled.
TEST(Take_Label, IsPaintedBeforeThePauseOverTheTable) {
    Game_Table table;
    table.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.window.get()));
    QLabel& label = *table.window->take_lbl;
    Paint_Watch watch;
    label.installEventFilter(&watch);
    table.os->set_label_caption("COM 2 takes all card");
    table.os->set_label_visible(true);
    table.os->refresh_label();
    EXPECT_EQ(watch.painted, QStringList{"COM 2 takes all card"});
    EXPECT_EQ(label.parentWidget(), table.window->surface);
    EXPECT_EQ(table.grab_table().pixelColor(label.geometry().topLeft() + QPoint(3, 3)), QColor(Qt::black));
}

} // namespace
} // namespace plenk::test
