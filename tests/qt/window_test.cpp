#include "platform/file_services.h"
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

// The name as typed, and how the record starts: "Zoe" with a separate
// combining diaeresis is kept as the one letter Windows-1252 holds.
TEST(First_Start, AsksTheNameWritesTheRecordThenShowsTheWindow) {
    for (const auto& [typed, stored] : {std::pair<QString, std::string>{"Ann", "Ann "}, {"Zoe\u0308", "Zo\xEB "}}) {
        SCOPED_TRACE(stored);
        Game_Table table(false);
        Box_Answerer boxes(QMessageBox::Yes, typed);
        bool hidden_at_prompt = false;
        boxes.on_box = [&] { hidden_at_prompt = !table.window->isVisible(); };
        table.start();
        EXPECT_EQ(boxes.boxes_seen(), 1);
        EXPECT_EQ(boxes.last_text(), "Input Player Name:");
        EXPECT_TRUE(hidden_at_prompt);
        EXPECT_TRUE(table.window->isVisible());
        const std::vector<uint8_t> record = read_file_start(table.path("data.dat").toStdString(), 100).bytes;
        ASSERT_EQ(record.size(), 35u);
        EXPECT_EQ(std::string(record.begin(), record.begin() + 4), stored);
    }
}

TEST(Game_Window, HoldsTheWholeTableBelowTheMenuBarFixedAndCentred) {
    Game_Table table;
    table.start();
    Game_Window& w = *table.window;
    EXPECT_EQ(w.surface->geometry(), QRect(0, w.menuBar()->geometry().bottom() + 1, 750, 550));
    EXPECT_EQ(w.size(), QSize(750, w.menuBar()->height() + 550));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint), Qt::WindowCloseButtonHint);
    EXPECT_LE((w.geometry().center() - w.screen()->availableGeometry().center()).manhattanLength(), 1);
    EXPECT_TRUE(w.windowTitle().startsWith("Plenk Ver. 1.10 ("));
    EXPECT_FALSE(w.windowIcon().pixmap(64, 64).isNull());
}

// While a message box is up: whether its whole text and its title fit.
void check_box_fits() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    EXPECT_TRUE(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width());
    QFont bold = box->font();
    bold.setBold(true);
    // Beside the title, a title bar shows an icon and buttons: some 100 pixels.
    EXPECT_LE(QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 100, box->width());
}

// Each item's text (its "&" marks the access key); choosing those that open
// a box (answered No) opens it, whole.
TEST(Game_Window, MenuItemsCarryTheirTextsAndReachTheirCommands) {
    Game_Table table;
    table.start();
    Game_Window& w = *table.window;
    const std::pair<QAction*, QString> items[] = {
        {w.Gm_mnu->menuAction(), "&Game"}, {w.gm_submnu[0], "&Deal"},   {w.gm_submnu[1], "&Show Rank"},
        {w.gm_submnu[2], "&Reset Record"}, {w.gm_submnu[4], "&Exit"},   {w.tbl_mnu->menuAction(), "&Table"},
        {w.tbl_submnu[0], "Default"},      {w.tbl_submnu[1], "Blue Sky && Sea"},
        {w.Help_mnu->menuAction(), "&Help"}, {w.Help_submnu, "How to Play"},
    };
    for (const auto& [action, text] : items) EXPECT_EQ(action->text(), text);
    EXPECT_EQ(w.menuBar()->actions(), QList({w.Gm_mnu->menuAction(), w.tbl_mnu->menuAction(), w.Help_mnu->menuAction()}));
    EXPECT_EQ(w.Gm_mnu->actions(), QList<QAction*>(w.gm_submnu.begin(), w.gm_submnu.end()));
    EXPECT_TRUE(w.gm_submnu[3]->isSeparator());

    Box_Answerer boxes(QMessageBox::No);
    boxes.on_box = check_box_fits;
    for (const auto& [item, title] : {std::pair{1, "Winning Stroke"}, {2, "Confirm Reset"}}) {
        w.gm_submnu[item]->trigger();
        EXPECT_EQ(boxes.last_title(), title);
    }
    w.gm_submnu[0]->trigger();
    EXPECT_EQ(table.form->state().game_over, flag_false);
    // A text too long for one line is wrapped, whole.
    table.os->message_box("The player record could not be saved to \"/a/rather/long/folder/name/data.dat\" "
                          "(Is a directory). It is kept in memory, and the next save will try again.",
                          "Plenk", Box_Icon::Warning, Box_Buttons::Ok);
    EXPECT_EQ(boxes.boxes_seen(), 3);
}

TEST(Help_Window, HoldsTheGameUntilClosedAndShowsEveryRule) {
    Game_Table table;
    table.start();
    Help_Window& help = *table.window->Form2;
    bool modal = false;
    repeat_until([&] { return help.isVisible() && (modal = help.isModal(), help.close()); }, table.window.get());
    table.window->Help_submnu->trigger();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.minimumSize(), help.maximumSize());
    EXPECT_LE(help.Label1->heightForWidth(help.Label1->width()), help.Label1->height()) << "rules cut off";
}

// The text of each paint of the label.
struct Paint_Watch : QObject {
    QStringList painted;
    bool eventFilter(QObject* label, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted << static_cast<QLabel*>(label)->text();
        return false;
    }
};

// The game blocks in a pause right after showing the label: the label must
// be painted, over the table, before any event is handled.
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
    EXPECT_EQ(table.grab_table().pixelColor(label.geometry().topLeft() + QPoint(3, 3)), QColor(Qt::black));
}

} // namespace
} // namespace plenk::test
