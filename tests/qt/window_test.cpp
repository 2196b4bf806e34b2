#include "tests/qt/qt_support.h"
#include "ui/qt/game_icon.h"
#include "ui/qt/help_window.h"

#include <QAccessible>
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

// The player's language reaches every surface: a row per surface, read in
// German and in French, each shown whole.
TEST(Translations, ReachEverySurface) {
    const QString name = "Ann" + QString(22, ' ');
    const struct {
        const char* surface;
        std::function<QString(Game_Table&, Box_Answerer&)> read;
        QString de, fr;
    } rows[] = {
        {"menu item", [](Game_Table& t, Box_Answerer&) { return t.window->gm_submnu[1]->text(); }, "&Bilanz anzeigen",
         "Voir le &palmarès"},
        {"box with Qt's own buttons",
         [](Game_Table& t, Box_Answerer& boxes) {
             t.window->gm_submnu[2]->trigger();
             return boxes.title + '|' + boxes.text + '|' + boxes.buttons;
         },
         "Zurücksetzen bestätigen|Name und Bilanz werden zurückgesetzt. Fortfahren?|&Ja &Nein",
         "Confirmer la remise à zéro|Le nom et le palmarès seront remis à zéro. Continuer\u00a0?|&Oui &Non"},
        {"label",
         [](Game_Table& t, Box_Answerer&) {
             t.os->set_label_caption(Text("Play", "Player takes all card"));
             EXPECT_LE(t.window->take_lbl->sizeHint().width(), t.window->take_lbl->width());
             return t.window->take_lbl->text();
         },
         "Spieler nimmt alle Karten", "Le joueur ramasse tout"},
        {"statistics",
         [](Game_Table& t, Box_Answerer& boxes) {
             t.window->gm_submnu[1]->trigger();
             return boxes.title + '|' + boxes.text;
         },
         "Bilanz|SPIELERBILANZ\n" + name + "\n\nPlatz 1: 0-mal\nPlatz 2: 0-mal\nPlatz 3: 0-mal\nVerloren: 0-mal",
         "Palmarès|PALMARÈS DU JOUEUR\n" + name + "\n\nRang 1\u00a0: 0 fois\nRang 2\u00a0: 0 fois\nRang 3\u00a0: 0 fois\nPerdu\u00a0: 0 fois"},
        {"accessible name with a plural",
         [](Game_Table& t, Box_Answerer&) {
             t.window->gm_submnu[0]->trigger();
             QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(t.window->surface);
             for (int i = 0; i < tree->childCount(); ++i)
                 if (tree->child(i)->text(QAccessible::Name).startsWith("COM 1,")) return tree->child(i)->text(QAccessible::Name);
             return QString();
         },
         "COM 1, rechts, 5 Karten", "COM 1, à droite, 5 cartes"},
        {"help window",
         [](Game_Table& t, Box_Answerer&) {
             const QLabel* rules = t.window->Form2->Label1;
             EXPECT_LE(rules->heightForWidth(rules->width()), rules->height()) << "rules cut off";
             return t.window->Form2->windowTitle() + '|' + rules->text().section('\n', 0, 0);
         },
         "Spielregeln|Ziel des Spiels ist es, als Erster alle Karten loszuwerden.",
         "Règles du jeu|Le but du jeu est d’être le premier à se débarrasser de toutes ses cartes."},
    };
    ensure_application();
    for (const char* language : {"de", "fr"}) {
        install_translations(QLocale(language));
        Game_Table table;
        table.window->start();
        Box_Answerer boxes(QMessageBox::No);
        boxes.on_box = check_box_fits;
        for (const auto& row : rows)
            EXPECT_EQ(row.read(table, boxes).toStdString(), (language == std::string("de") ? row.de : row.fr).toStdString())
                << language << ": " << row.surface;
    }
    install_translations(QLocale::c());
}

} // namespace
} // namespace plenk::test
