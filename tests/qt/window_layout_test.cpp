#include "game/table_constants.h"
#include "ui/qt/window_constants.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/help_window.h"

#include <QAction>
#include <QFontInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <gtest/gtest.h>

#include <vector>

namespace plenk::test {
namespace {

QKeySequence alt(Qt::Key key) { return QKeySequence(Qt::ALT | key); }

TEST(Game_Window, TableFillsTheFixedWindowBelowTheMenuBar) {
    Game_Table table;
    table.start();
    Game_Window& window = *table.window;
    EXPECT_EQ(window.surface->size(), QSize(table_width, table_height));
    EXPECT_EQ(window.surface->geometry().top(), window.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(window.size(), QSize(table_width, window.menuBar()->height() + table_height));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE((window.geometry().center() - screen.center()).manhattanLength(), 1);
    EXPECT_TRUE(window.windowTitle().startsWith("Plenk Ver. 1.10 ("));
    EXPECT_TRUE(window.windowTitle().endsWith(")"));
    EXPECT_FALSE(window.windowIcon().pixmap(64, 64).isNull());
    EXPECT_EQ(table.grab_table().pixelColor(5, 5), QColor(0, 128, 0));
}

TEST(Game_Window, MenusCarryTheirCaptionsIndicesAndAccessKeys) {
    Game_Table table;
    Game_Window& window = *table.window;
    std::vector<QString> titles;
    for (QAction* top : window.menuBar()->actions()) titles.push_back(top->text());
    EXPECT_EQ(titles, (std::vector<QString>{"&Game", "&Table", "&Help"}));
    EXPECT_EQ(QKeySequence::mnemonic(window.Gm_mnu->title()), alt(Qt::Key_G));
    EXPECT_EQ(QKeySequence::mnemonic(window.tbl_mnu->title()), alt(Qt::Key_T));
    EXPECT_EQ(QKeySequence::mnemonic(window.Help_mnu->title()), alt(Qt::Key_H));

    const std::vector<QString> game{"&Deal", "&Show Rank", "&Reset Record", "", "&Exit"};
    const std::vector<Qt::Key> keys{Qt::Key_D, Qt::Key_S, Qt::Key_R, Qt::Key_unknown, Qt::Key_E};
    ASSERT_EQ(window.Gm_mnu->actions().size(), 5);
    for (int i = 0; i < 5; ++i) {
        QAction* item = window.gm_submnu[i];
        EXPECT_EQ(window.Gm_mnu->actions()[i], item);
        EXPECT_EQ(item->data().toInt(), i);
        EXPECT_EQ(item->isSeparator(), i == 3);
        if (i == 3) continue;
        EXPECT_EQ(item->text(), game[i]);
        EXPECT_EQ(QKeySequence::mnemonic(item->text()), alt(keys[i]));
    }

    // "Blue Sky & Sea" shows its "&" and has no access key.
    EXPECT_EQ(window.tbl_submnu[0]->text(), "Default");
    EXPECT_EQ(window.tbl_submnu[1]->text(), "Blue Sky && Sea");
    EXPECT_TRUE(QKeySequence::mnemonic(window.tbl_submnu[1]->text()).isEmpty());
    EXPECT_EQ(window.tbl_submnu[1]->data().toInt(), 1);
    EXPECT_TRUE(window.tbl_submnu[0]->isChecked()) << "Default is checked when the window is made";
    EXPECT_FALSE(window.tbl_submnu[1]->isChecked());
    EXPECT_EQ(window.Help_submnu->text(), "How to Play");
}

TEST(Game_Window, EachGameItemReachesItsCommand) {
    Game_Table table;
    table.start();
    Box_Answerer boxes(QMessageBox::No);
    table.window->gm_submnu[1]->trigger();
    EXPECT_EQ(boxes.last_title(), "Winning Stroke");
    table.window->gm_submnu[2]->trigger();
    EXPECT_EQ(boxes.last_title(), "Confirm Reset");
    EXPECT_EQ(boxes.boxes_seen(), 2);

    table.window->gm_submnu[0]->trigger();
    EXPECT_EQ(table.form->state().game_over, flag_false);
}

TEST(Game_Window, TakeLabelLiesAcrossTheCentreInYellowOnBlack) {
    Game_Table table;
    QLabel& label = *table.window->take_lbl;
    EXPECT_EQ(label.parentWidget(), table.window->surface);
    EXPECT_EQ(label.geometry(), QRect(label_left, label_top, label_width, label_height));
    EXPECT_TRUE(label.isHidden());
    EXPECT_EQ(label.text(), "COM 2 Takes All Cards");
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_TRUE(label.autoFillBackground());
    EXPECT_EQ(label.frameShape(), QFrame::Box);
    EXPECT_EQ(label.lineWidth(), 1);
    EXPECT_EQ(label.alignment(), Qt::AlignCenter);
    const QFontInfo font(label.font());
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 19);
    EXPECT_TRUE(font.family() == "Times New Roman" || font.family() == "Liberation Serif") << font.family().toStdString();
    // The longest announcement fits inside the box.
    EXPECT_LE(label.fontMetrics().horizontalAdvance("Player takes all card"), label_width - 4);
}

TEST(Help_Window, ShowsTheNineRulesInWhiteOnDarkGreen) {
    Game_Table table;
    Help_Window& help = *table.window->Form2;
    EXPECT_EQ(help.windowTitle(), "How to Play");
    EXPECT_EQ(help.size(), QSize(help_width, help_height));
    EXPECT_EQ(help.minimumSize(), help.maximumSize());
    EXPECT_FALSE(help.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(help.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(help.grab().toImage().pixelColor(2, 2), QColor(0, 64, 0));

    QLabel& text = *help.Label1;
    EXPECT_EQ(text.geometry(), QRect(help_text_left, help_text_top, help_text_width, help_text_height));
    EXPECT_EQ(text.palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_FALSE(text.autoFillBackground());
    EXPECT_TRUE(text.wordWrap());
    const QFontInfo font(text.font());
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.family() == "MS Sans Serif" || font.family() == "Liberation Sans") << font.family().toStdString();
    EXPECT_LE(text.heightForWidth(help_text_width), help_text_height) << "the rules are cut off";

    const std::vector<QString> points{"get rid of all", "turned face up", "only play a card of the reference suit",
                                      "draw from the deck", "\"Plenking\"", "take the cards played on the table",
                                      "highest card of a round", "\"weakness suit\"", "highest card of each suit"};
    qsizetype from = 0;
    for (const QString& point : points) {
        const qsizetype at = text.text().indexOf(point, from);
        EXPECT_GE(at, from) << point.toStdString() << " missing or out of order";
        if (at >= 0) from = at;
    }
}

TEST(Help_Window, HowToPlayHoldsTheGameUntilClosed) {
    Game_Table table;
    table.start();
    bool modal_when_shown = false;
    repeat_until(
        [&] {
            if (!table.window->Form2->isVisible()) return false;
            modal_when_shown = table.window->Form2->isModal();
            table.window->Form2->close();
            return true;
        },
        table.window.get());
    table.window->Help_submnu->trigger();
    EXPECT_TRUE(modal_when_shown);
    EXPECT_FALSE(table.window->Form2->isVisible());
}

} // namespace
} // namespace plenk::test
