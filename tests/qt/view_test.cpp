// The table's size, screen mode and deck, each test on a screen of its own,
// in a fresh process, as Qt takes the screen and its scale once, as it starts.
#include "platform/qt/card_decks.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/table_accessible.h"
#include "ui/table_layout.h"
#include "ui/table_zoom.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>

namespace plenk::test {
namespace {

// Runs `body` in a fresh process, Qt started on one screen of `width` by
// `height` device pixels at `scale` device pixels per desktop pixel, the
// table's look kept in `settings`.
void on_screen(int width, int height, const char *scale,
               const std::function<void(const QTemporaryDir &settings)> &body) {
    in_fresh_process([&] {
        QTemporaryDir settings;
        const QString config = settings.filePath("screen.json");
        QFile file(config);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,)"
                                  R"("logicalDpi":96,"logicalBase":96,"dpr":1}]})")
                       .arg(width)
                       .arg(height)
                       .toUtf8());
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
        qputenv("QT_SCALE_FACTOR", scale);
        ensure_application();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        body(settings);
    });
}

} // namespace
} // namespace plenk::test

// Readable rectangles in the tests' messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect &r, std::ostream *out) {
    *out << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
}
inline void PrintTo(const QSize &s, std::ostream *out) {
    *out << s.width() << "x" << s.height();
}
QT_END_NAMESPACE

namespace plenk::test {
namespace {

// The first window pixel at or right of table coordinate `t` at `zoom` percent.
int edge(int t, int zoom) {
    return (t * zoom + 99) / 100;
}

QRect expected_box(QRect table, int zoom) {
    return QRect(QPoint(edge(table.x(), zoom), edge(table.y(), zoom)),
                 QPoint(edge(table.x() + table.width(), zoom) - 1,
                        edge(table.y() + table.height(), zoom) - 1));
}

// The smallest rectangle around the pixels of `shot` inside `around` that
// are not the table's cloth.
QRect painted_in(const QImage &shot, QRect around) {
    around &= shot.rect();
    QRect found;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (shot.pixel(x, y) != QColor(0, 128, 0).rgb())
                found |= QRect(x, y, 1, 1);
    return found;
}

// A dealt game stepped through every zoom the screen holds: the whole table
// grows and shrinks with it, and what is painted is where the screen reader
// is told it is, as the test works it out in table pixels. The window always
// fits the screen: Zoom In stops at the last step whose window fits.
TEST(Zoom, EveryStepScalesTheWholeTableAndTheWindowFits) {
    on_screen(2560, 1600, "1", [](const QTemporaryDir &) {
        Game_Table t;
        Game_Window &w = *t.window;
        w.start();
        w.gm_submnu[0]->trigger();
        ASSERT_EQ(w.zoom(), 100);
        while (w.zoom_out_item->isEnabled())
            w.zoom_out_item->trigger();
        std::vector<int> seen{w.zoom()};
        // At most one look at each step, however the items answer.
        for (bool first = true; (first || w.zoom_in_item->isEnabled()) && seen.size() <= 8;
             first = false) {
            if (!first) {
                w.zoom_in_item->trigger();
                seen.push_back(w.zoom());
            }
            const int z = w.zoom();
            SCOPED_TRACE("zoom " + std::to_string(z));
            QApplication::processEvents();
            EXPECT_EQ(w.surface->size(), QSize(edge(750, z), edge(550, z)));
            EXPECT_TRUE(w.screen()->availableGeometry().contains(w.frameGeometry()));
            EXPECT_EQ(w.take_lbl->geometry(), expected_box(QRect(216, 256, 313, 25), z));
            EXPECT_EQ(w.take_lbl->font().pixelSize(), (19 * z + 50) / 100);
            const QImage shot = t.grab();
            const Table_Words &words = w.table_accessible->words();
            for (std::size_t i = static_cast<std::size_t>(words.hand_cards);
                 i < words.things.size(); ++i) {
                const Table_Thing &th = words.things[i];
                const QRect box = expected_box(QRect(th.x, th.y, th.width, th.height), z);
                // The table's children: the hand, then the other things in order.
                const QRect told =
                    w.table_accessible->child(static_cast<int>(i) - words.hand_cards + 1)->rect();
                EXPECT_EQ(QRect(w.surface->mapFromGlobal(told.topLeft()), told.size()), box);
                EXPECT_EQ(painted_in(shot, box.adjusted(-4, -4, 4, 4)), box) << i;
            }
            const Table_Rect hand = stack_rect(t.g(), 0);
            const QRect hand_box = expected_box(QRect(hand.x, hand.y, hand.width, hand.height), z);
            EXPECT_EQ(painted_in(shot, hand_box.adjusted(-4, -4, 4, 4)), hand_box);
            // Past the last card's right edge, where a press still plays it, the
            // hit test names that card itself.
            const QPoint extra =
                w.surface->mapToGlobal(QPoint(hand_box.right() + 1, hand_box.center().y()));
            const Table_Point p = w.scale().to_table(hand_box.right() + 1, hand_box.center().y());
            if (p.x == static_cast<float>(hand.x + hand.width)) {
                EXPECT_EQ(w.table_accessible->childAt(extra.x(), extra.y()),
                          w.table_accessible->child(0)->child(words.hand_cards - 1));
            } else {
                EXPECT_EQ(w.table_accessible->childAt(extra.x(), extra.y()), nullptr);
            }
        }
        // 2560 by 1600 holds 250% (1875 by 1375 and the menus) but not 300% (1650 rows).
        EXPECT_EQ(seen, (std::vector<int>{50, 75, 100, 125, 150, 200, 250}));
        w.actual_size_item->trigger();
        EXPECT_EQ(w.surface->size(), QSize(750, 550));
        EXPECT_EQ(t.g().game_over, flag_false);
    });
}

// At a scale of 1.5 on a 1024 by 768 screen, 682 by 512 desktop pixels,
// the window opens at the largest step that fits, and remembers nothing.
TEST(Zoom, ASmallScreenAtAScaleOfOneAndAHalfShowsTheWholeWindow) {
    on_screen(1024, 768, "1.5", [](const QTemporaryDir &settings) {
        Game_Table t;
        t.window->start();
        EXPECT_EQ(t.window->zoom(), 75);
        EXPECT_TRUE(t.window->screen()->availableGeometry().contains(t.window->frameGeometry()));
        EXPECT_FALSE(t.window->zoom_in_item->isEnabled());
        EXPECT_FALSE(QFile::exists(settings.filePath("plenk/plenk.conf")));
    });
}

// Full screen lays the table as large as the screen allows, centred on the
// cloth, with the menus and status line; Escape leaves it for the step it
// left; both are kept for the next start, in the settings file only.
TEST(Full_Screen, FillsTheScreenAndIsKeptForTheNextStart) {
    on_screen(1920, 1200, "1", [](const QTemporaryDir &) {
        {
            Game_Table t;
            Game_Window &w = *t.window;
            w.start();
            w.gm_submnu[0]->trigger();
            const std::vector<uint8_t> record =
                read_file_start(t.path("data.dat").toStdString(), 100).bytes;
            w.zoom_in_item->trigger();
            EXPECT_TRUE(w.zoom_in_item->isEnabled() && w.zoom_out_item->isEnabled());
            w.full_screen_item->trigger();
            for (int i = 0; i < 10; ++i)
                QApplication::processEvents();
            const QSize area = w.surface->size();
            EXPECT_EQ(area.width(), 1920);
            const double factor = std::min(area.width() / 750.0, area.height() / 550.0);
            EXPECT_DOUBLE_EQ(w.scale().factor, factor);
            const QRect table = window_rect(w.scale(), {0, 0, 750, 550});
            EXPECT_LE(std::abs(table.center().x() - area.width() / 2), 1);
            // The zoom steps wait until the table is back in its window.
            EXPECT_FALSE(w.zoom_in_item->isEnabled() || w.zoom_out_item->isEnabled() ||
                         w.actual_size_item->isEnabled());
            const QImage shot = t.grab();
            EXPECT_EQ(shot.pixel(table.left() / 2, area.height() / 2), QColor(0, 128, 0).rgb());
            QTest::keyClick(w.surface, Qt::Key_Escape);
            EXPECT_FALSE(w.full_screen_item->isChecked());
            EXPECT_EQ(w.surface->size(), QSize(938, 688));
            EXPECT_EQ(read_file_start(t.path("data.dat").toStdString(), 100).bytes, record);
            w.full_screen_item->trigger();
        }
        Game_Table again;
        again.window->start();
        EXPECT_TRUE(again.window->full_screen_item->isChecked());
        again.window->full_screen_item->trigger();
        EXPECT_EQ(again.window->zoom(), 125);
        EXPECT_EQ(QDir(again.folder).entryList(QDir::Files), QStringList{"data.dat"});
    });
}

// What the settings file says, and what the next start makes of it.
TEST(View_Settings, AMissingBrokenOrOutdatedFileGivesTheDefaults) {
    on_screen(2560, 1600, "1", [](const QTemporaryDir &settings) {
        const std::vector<Installed_Deck> decks = installed_decks(QLocale::c());
        const auto other = std::find_if(decks.begin(), decks.end(), [](const Installed_Deck &d) {
            return d.id != QLatin1String(standard_deck_id);
        });
        ASSERT_NE(other, decks.end()) << "the desktop's card decks are installed";
        struct Case {
            const char *what;
            QByteArray file;
            int zoom;
            QString deck;
        };
        const QString standard = QString::fromLatin1(standard_deck_path);
        const Case cases[] = {
            {"no file", {}, 100, standard},
            {"as saved", "[table]\nzoom=150\ndeck=" + other->id.toUtf8() + "\n", 150, other->svg},
            {"not a zoom step", "[table]\nzoom=110\n", 100, standard},
            {"no number", "[table]\nzoom=big\n", 100, standard},
            {"a deck no longer installed", "[table]\ndeck=svg-gone\nzoom=200\n", 200, standard},
            {"a deck outside the deck folders", "[table]\ndeck=../../etc\n", 100, standard},
            {"bytes of no settings", QByteArray("\0\xff\xfe[[=\n\x01zoom", 12), 100, standard},
        };
        for (const Case &c : cases) {
            SCOPED_TRACE(c.what);
            QFile file(settings.filePath("plenk/plenk.conf"));
            file.remove();
            EXPECT_TRUE(c.file.isEmpty() ||
                        (QDir(settings.path()).mkpath("plenk") && file.open(QIODevice::WriteOnly) &&
                         file.write(c.file) == c.file.size()));
            file.close();
            Game_Table t;
            t.window->start();
            EXPECT_EQ(t.window->zoom(), c.zoom);
            EXPECT_EQ(t.os->deck().path(), c.deck);
            EXPECT_FALSE(t.window->full_screen_item->isChecked());
        }
    });
}

// Choosing a deck in the middle of a game redraws the table with it at once
// and leaves the game as it was; the choice is checked and kept.
TEST(Card_Decks, AChoiceMidGameRedrawsTheTableAndKeepsTheGame) {
    on_screen(1920, 1200, "1", [](const QTemporaryDir &) {
        Game_Table t;
        Game_Window &w = *t.window;
        w.start();
        w.gm_submnu[0]->trigger();
        emit w.cards_mnu->aboutToShow();
        const QList<QAction *> items = w.cards_mnu->actions();
        const std::vector<Installed_Deck> decks = installed_decks(QLocale());
        ASSERT_EQ(items.size(), static_cast<qsizetype>(decks.size()));
        QStringList names, checked;
        for (QAction *item : items) {
            names += item->text();
            if (item->isChecked())
                checked += item->text();
        }
        EXPECT_TRUE(names.contains("Standard") && names.contains("Oxygen"))
            << names.join(", ").toStdString();
        EXPECT_EQ(checked, QStringList{"Standard"});
        EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                                   [](const QString &a, const QString &b) {
                                       return QString::localeAwareCompare(a, b) < 0;
                                   }))
            << names.join(", ").toStdString();
        const Game_State before = t.g();
        const QImage was = t.grab();
        items[names.indexOf("Oxygen")]->trigger();
        EXPECT_NE(t.grab(), was);
        EXPECT_TRUE(items[names.indexOf("Oxygen")]->isChecked() &&
                    !items[names.indexOf("Standard")]->isChecked());
        EXPECT_EQ(t.g().seat[0].card, before.seat[0].card);
        EXPECT_EQ(t.g().deck_pos, before.deck_pos);
        EXPECT_EQ(t.g().game_over, flag_false);
        Game_Table again;
        again.window->start();
        EXPECT_TRUE(again.os->deck().path().endsWith("/svg-oxygen/oxygen.svgz"));
    });
}

// A folder counts as a deck only when its entry names it and its SVG, and the
// SVG lies in the folder itself; the first data folder's deck of an id counts.
TEST(Card_Decks, AFolderIsADeckOnlyWithANameAndItsOwnSvg) {
    ensure_application();
    QTemporaryDir first, second;
    const auto make = [](const QTemporaryDir &data, const char *id, const QByteArray &entry,
                         const char *svg) {
        const QString folder = data.filePath(QStringLiteral("carddecks/") + id);
        QDir().mkpath(folder);
        QFile index(folder + "/index.desktop");
        EXPECT_TRUE(index.open(QIODevice::WriteOnly) && index.write(entry) == entry.size());
        if (svg != nullptr)
            QFile(folder + '/' + svg).open(QIODevice::WriteOnly);
    };
    make(first, "svg-whole", "[KDE Backdeck]\nName=Whole\nName[de]=Ganz\nSVG=whole.svgz\n",
         "whole.svgz");
    make(first, "svg-no-svg-key", "Name=No SVG key\n", "x.svgz");
    make(first, "svg-no-name", "SVG=x.svgz\n", "x.svgz");
    make(first, "svg-elsewhere", "Name=Elsewhere\nSVG=../svg-whole/whole.svgz\n", nullptr);
    make(first, "svg-missing", "Name=Missing\nSVG=gone.svgz\n", nullptr);
    make(first, "not-a-deck", "Name=Not a deck\nSVG=x.svgz\n", "x.svgz");
    make(second, "svg-whole", "Name=Later\nSVG=later.svgz\n", "later.svgz");
    make(second, "svg-later", "Name=Alpha\nSVG=a.svgz\n", "a.svgz");
    const QByteArray home = qgetenv("XDG_DATA_HOME"), dirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", first.path().toUtf8());
    qputenv("XDG_DATA_DIRS", second.path().toUtf8());
    const std::vector<Installed_Deck> german = installed_decks(QLocale("de"));
    const std::vector<Installed_Deck> english = installed_decks(QLocale::c());
    qputenv("XDG_DATA_HOME", home);
    qputenv("XDG_DATA_DIRS", dirs);
    std::vector<std::string> found;
    for (const Installed_Deck &d : german)
        found.push_back((d.id + ' ' + d.name + ' ' + QFileInfo(d.svg).filePath()).toStdString());
    EXPECT_EQ(
        found,
        (std::vector<std::string>{
            ("svg-later Alpha " + second.filePath("carddecks/svg-later/a.svgz")).toStdString(),
            ("svg-whole Ganz " + first.filePath("carddecks/svg-whole/whole.svgz")).toStdString()}));
    ASSERT_EQ(english.size(), 2u);
    EXPECT_EQ(english[1].name, "Whole");
}

} // namespace
} // namespace plenk::test
