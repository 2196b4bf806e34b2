#include "tests/qt/qt_support.h"
#include "ui/qt/game_icon.h"
#include "ui/qt/help_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace plenk::test {
namespace {

// The name as typed, and how the record starts: "Zoe" with a separate
// combining diaeresis is kept as the one letter Windows-1252 holds.
TEST(First_Start, AsksTheNameUnderTheGameIconWritesTheRecordThenShowsTheWindow) {
    for (const auto& [typed, stored] : {std::pair<QString, std::string>{"Ann", "Ann "}, {"Zoe\u0308", "Zo\xEB "}}) {
        Game_Table table(false);
        Box_Answerer boxes(QMessageBox::Yes, typed);
        bool hidden_at_prompt = false;
        QImage icon;
        boxes.on_box = [&] {
            hidden_at_prompt = !table.window->isVisible();
            icon = QApplication::activeModalWidget()->windowIcon().pixmap(icon_size).toImage();
        };
        table.window->start();
        EXPECT_TRUE(boxes.seen == 1 && boxes.text == "Input Player Name:" && hidden_at_prompt && table.window->isVisible());
        EXPECT_EQ(icon, game_icon().pixmap(icon_size).toImage());
        const std::vector<uint8_t> record = read_file_start(table.path("data.dat").toStdString(), 100).bytes;
        EXPECT_EQ(std::string(record.begin(), record.begin() + 4) + std::to_string(record.size()), stored + "35");
    }
}

// While a message box is up: whether its whole text and its title fit (a
// title bar also holds an icon and buttons: some 100 pixels).
void check_box_fits() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    EXPECT_TRUE(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height() : label->sizeHint().width() <= label->width());
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_LE(QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 100, box->width());
}

TEST(Game_Window, IsFixedAndCentredWithMenusThatReachTheirCommandsAndBoxesThatShowTheirWholeText) {
    Game_Table table;
    table.window->start();
    Game_Window& w = *table.window;
    EXPECT_EQ(w.surface->geometry(), QRect(0, w.menuBar()->geometry().bottom() + 1, 750, 550));
    EXPECT_TRUE(w.size() == QSize(750, w.menuBar()->height() + 550) && w.minimumSize() == w.maximumSize());
    EXPECT_EQ(w.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint), Qt::WindowCloseButtonHint);
    EXPECT_LE((w.geometry().center() - w.screen()->availableGeometry().center()).manhattanLength(), 1);
    EXPECT_TRUE(w.windowTitle().startsWith("Plenk Ver. 1.10 ("));
    QStringList texts; // each menu, then its items; "&" marks the access key
    for (QAction* menu : w.menuBar()->actions())
        for (QAction* item : QList{menu} + menu->menu()->actions()) texts << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(texts.join('|'), "&Game|&Deal|&Show Rank|&Reset Record|-|&Exit|&Table|Default|Blue Sky && Sea|&Help|How to Play");
    Box_Answerer boxes(QMessageBox::No);
    boxes.on_box = check_box_fits;
    for (const auto& [item, title] : {std::pair{1, "Winning Stroke"}, {2, "Confirm Reset"}}) {
        w.Gm_mnu->actions()[item]->trigger();
        EXPECT_EQ(boxes.title, title);
    }
    w.Gm_mnu->actions()[0]->trigger();
    EXPECT_EQ(table.g().game_over, flag_false);
    // A text too long for one line is wrapped, whole.
    table.os->message_box("The player record could not be saved to \"/a/rather/long/folder/name/data.dat\" (Is a directory). "
                          "It is kept in memory, and the next save will try again.", "Plenk", Box_Icon::Warning, Box_Buttons::Ok);
    EXPECT_EQ(boxes.seen, 3);
}

TEST(Help_Window, HoldsTheGameUntilClosedAndShowsEveryRule) {
    Game_Table table;
    table.window->start();
    Help_Window& help = *table.window->Form2;
    bool modal = false;
    repeat_until([&] { return help.isVisible() && (modal = help.isModal(), help.close()); }, table.window.get());
    table.window->Help_mnu->actions()[0]->trigger();
    EXPECT_TRUE(modal && !help.isVisible() && help.minimumSize() == help.maximumSize());
    EXPECT_LE(help.Label1->heightForWidth(help.Label1->width()), help.Label1->height()) << "rules cut off";
}

// The game blocks in a pause right after showing the label: the label must
// be painted, over the table, before any event is handled.
TEST(Take_Label, IsPaintedBeforeThePauseOverTheTable) {
    struct Paint_Watch : QObject {
        QStringList painted;
        bool eventFilter(QObject* label, QEvent* event) override {
            if (event->type() == QEvent::Paint) painted << static_cast<QLabel*>(label)->text();
            return false;
        }
    } watch;
    Game_Table table;
    table.window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.window.get()));
    table.window->take_lbl->installEventFilter(&watch);
    table.os->set_label_caption("COM 2 takes all card");
    table.os->set_label_visible(true);
    table.os->refresh_label();
    EXPECT_EQ(watch.painted, QStringList{"COM 2 takes all card"});
    EXPECT_EQ(table.grab().pixelColor(table.window->take_lbl->geometry().topLeft() + QPoint(3, 3)), QColor(Qt::black));
}

} // namespace
} // namespace plenk::test
