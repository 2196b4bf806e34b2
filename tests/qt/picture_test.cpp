#include "platform/qt/background_picture.h"
#include "tests/qt/qt_support.h"
#include "tests/qt/reference_picture.h"

#include <QAccessible>
#include <QBuffer>
#include <QImageWriter>
#include <QMenu>
#include <QPainter>
#include <random>

#include <sys/stat.h>

namespace plenk::test {

// A red JPEG with a blue band at x 500..699, so that a scaled or shifted
// picture shows the wrong colour somewhere.
static QByteArray picture(QSize size, bool progressive = false) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(500, 0, 200, size.height(), Qt::blue);
    QBuffer buffer;
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && writer.write(image));
    return buffer.data();
}

// A blue table picture with a yellow square, under the drawn cards.
static QImage backdrop() {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(QColor(40, 80, 200));
    QPainter(&picture).fillRect(100, 50, 100, 100, Qt::yellow);
    return picture;
}

// Writes `bytes` as the file `name` (none if empty, a pipe for "pipe") and
// returns its path.
static QString put_file(const QTemporaryDir &folder, const QByteArray &bytes,
                        const char *name = "table01.jpg") {
    QFile file(folder.filePath(name));
    if (bytes == "pipe")
        ::mkfifo(QFile::encodeName(file.fileName()).constData(), 0644);
    EXPECT_TRUE(bytes.isEmpty() || bytes == "pipe" ||
                (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
    return file.fileName();
}

// Which files the table shows, at what size (only the part the table shows is
// decoded), each refusal logged once under the picture's own category. The
// frame walk's own test holds each of its limits and what is no ordinary file
// or no JPEG; a row here shows such a refusal reaching the table, and a pipe
// that the open does not wait for.
TEST(Table_Picture, EachFileIsShownOrRefusedLeavingThePlainTable) {
    const QByteArray jpeg = picture({1200, 900});
    const std::tuple<const char *, QByteArray, QSize> files[] = {
        {"no file", {}, {}},
        {"a pipe", "pipe", {}},
        {"a progressive JPEG within the budget", picture({64, 48}, true), {64, 48}},
        {"a progressive JPEG just over the budget", picture({4000, 2001}, true), {}},
        {"a JPEG read row by row, of any size", picture({4000, 2001}), {750, 550}},
        {"a truncated JPEG", jpeg.left(jpeg.size() / 2), {}},
    };
    ensure_application();
    for (const auto &[what, bytes, size] : files) {
        QTemporaryDir folder;
        static std::vector<std::string> logged;
        logged.clear();
        const QtMessageHandler was = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &context, const QString &) {
                logged.emplace_back(context.category != nullptr ? context.category : "");
            });
        const std::optional<QImage> shown =
            load_background_picture(put_file(folder, bytes), QSize(750, 550));
        qInstallMessageHandler(was);
        EXPECT_EQ(shown ? shown->size() : QSize(), size) << what;
        EXPECT_EQ(logged, std::vector<std::string>(size.isEmpty(), "plenk.picture")) << what;
    }
    // A picture held whole of more pixels than an int counts is refused by its
    // size alone, not left to the decoder.
    EXPECT_FALSE(jpeg_fit_to_decode(Jpeg_Frame{false, 60000, 60000}));
}

// The picture lies unscaled at the top left, the table colour right of and
// below it, the cards over it; Default takes it away. A screen reader hears
// which item is checked, and chooses as a click would.
TEST(Table_Picture, LiesUnscaledUnderTheCardsUntilDefaultIsChosen) {
    Game_Table table;
    put_file(table.own, picture({650, 300}));
    table.window->start();
    table.window->gm_submnu[0]->trigger();
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(table.window->tbl_mnu);
    for (bool shown : {true, false}) {
        const QImage shot = table.grab();
        EXPECT_EQ(shot.pixelColor(600, 100).blue() - shot.pixelColor(600, 100).red() > 200, shown);
        EXPECT_EQ(QList<QColor>({shot.pixelColor(700, 100), shot.pixelColor(600, 400),
                                 shot.pixelColor(375, 230)}),
                  QList<QColor>({QColor(0, 128, 0), QColor(0, 128, 0), Qt::white}))
            << "the table right of and below the picture, the open card's margin";
        const auto item = [menu](int i) { return menu->child(i)->state(); };
        EXPECT_EQ(
            std::tuple(item(0).checkable, item(1).checkable, item(0).checked, item(1).checked),
            std::tuple(true, true, !shown, shown));
        menu->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
}

// The picture the game comes with fills the table and stays muted: no pixel
// as light as a card's face or as dark as its print, so every card stands out.
// A sky above a sea: blue on top, and darker below.
TEST(Table_Picture, TheGamesOwnPictureFillsTheTableAndLeavesTheCardsReadable) {
    const std::optional<QImage> shown =
        load_background_picture(QStringLiteral(PLENK_TABLE_PICTURE), QSize(750, 550));
    ASSERT_EQ(shown.value_or(QImage()).size(), QSize(750, 550));
    std::vector<int> greys;
    for (int y = 0; y < shown->height(); ++y)
        for (int x = 0; x < shown->width(); ++x)
            greys.push_back(qGray(shown->pixel(x, y)));
    const auto [darkest, lightest] = std::ranges::minmax(greys);
    EXPECT_TRUE(lightest < 235 && darkest > 50) << lightest << " " << darkest;
    const QColor sky = shown->pixelColor(375, 150), sea = shown->pixelColor(375, 500);
    EXPECT_TRUE(sky.blue() > sky.red() + 30 && sea.blue() > sea.red() + 30 &&
                qGray(sea.rgb()) < qGray(sky.rgb()));
}

// Library indices run rank by rank in clubs, diamonds, hearts, spades; each
// names an element of the installed deck.
TEST(Card_Deck, LibraryCardsNameTheDecksElements) {
    const auto element_of = [](int32_t card, int32_t mode) {
        Card_Picture picture;
        return card_picture(card, mode, picture) ? deck_element(picture) : QStringLiteral("(none)");
    };
    const std::tuple<int32_t, int32_t, const char *> cards[] = {
        {0, 0, "1_club"},       {36, 0, "10_club"},    {41, 0, "jack_diamond"},
        {46, 0, "queen_heart"}, {51, 0, "king_spade"}, {62, 1, "back"},
        {52, 0, "(none)"},      {-1, 0, "(none)"},     {0, 2, "(none)"}};
    for (const auto &[card, mode, element] : cards)
        EXPECT_EQ(element_of(card, mode), element) << card << "/" << mode;
    QSvgRenderer deck{QString::fromLatin1(standard_deck_path)};
    ASSERT_TRUE(deck.isValid()) << "the desktop's card deck is installed";
    for (int32_t card = 0; card < 52; ++card)
        EXPECT_TRUE(deck.elementExists(element_of(card, 0))) << card;
}

// A table drawn again and again, as every slide's frame draws it: cards
// moved, added, taken away, turned or laid in another order, over a picture,
// at the table's own size and at 150%. After each refresh the surface shows
// exactly what a fresh surface shows that was given only the last drawing.
TEST(Table_Drawing, EachRefreshShowsWhatAFreshTableWouldShow) {
    ensure_application();
    Card_Deck deck(QStringLiteral("/nonexistent/deck.svgz")); // the game's own faces
    std::mt19937 random(20261209);
    const auto any_card = [&random] {
        return std::pair{QPoint{static_cast<int>(random() % 680), static_cast<int>(random() % 455)},
                         Card_Picture{random() % 5 == 0, static_cast<int>(random() % 13) + 1,
                                      static_cast<int>(random() % 4)}};
    };
    for (double factor : {1.0, 1.5}) {
        Scaled_Surface kept(deck, {factor, 0, 0});
        std::vector<std::pair<QPoint, Card_Picture>> table(12);
        std::generate(table.begin(), table.end(), any_card);
        kept.surface.set_background(backdrop());
        for (int frame = 0; frame < 120; ++frame) {
            const auto at = static_cast<long>(random() % table.size());
            const unsigned change = random() % 5;
            if (change == 0) // a slide's step
                table[at].first.rx() += 15;
            else if (change == 1)
                table.insert(table.begin() + static_cast<long>(random() % (table.size() + 1)),
                             any_card());
            else if (change == 2 && table.size() > 1)
                table.erase(table.begin() + at);
            else if (change == 3)
                table[at].second.back ^= true;
            else if (change == 4)
                std::swap(table[at], table[random() % table.size()]);
            Scaled_Surface fresh(deck, {factor, 0, 0});
            fresh.surface.set_background(backdrop());
            kept.surface.clear();
            for (const auto &[at, picture] : table)
                kept.surface.draw_card(at.x(), at.y(), picture),
                    fresh.surface.draw_card(at.x(), at.y(), picture);
            kept.surface.refresh();
            ASSERT_EQ(kept.surface.grab().toImage(), fresh.surface.grab().toImage())
                << "frame " << frame << " at " << factor;
        }
    }
}

// The table's drawing against a reviewed picture: the background picture
// unscaled at the top left over the green; the deck's own back; faces the
// deck lacks painted by our own code with rank and suit in two corners, in
// the suit's colour; the last card drawn on top; the keyboard's mark inside
// the edge of its card. Without a deck file the back is painted too, and a
// card at two device pixels per table pixel is drawn at that scale, not
// enlarged.
TEST(Table_Drawing, MatchesTheReviewedPictures) {
    ensure_application();
    QTemporaryDir folder;
    Card_Deck deck(put_file(
        folder,
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="71" height="96"><rect id="back" width="71" height="96" fill="#ff00ff"/></svg>)",
        "back_only.svg"));
    Scaled_Surface scaled(deck);
    Table_Surface &surface = scaled.surface;
    surface.set_background(backdrop());
    const Card_Picture cards[] = {
        {false, 1, 0}, {false, 10, 1}, {false, 12, 2}, {false, 13, 3}, {true, 0, 0}};
    for (int i = 0; i < 5; ++i) // a row, and a fan of them the other way round
        surface.draw_card(20 + 90 * i, 300, cards[i]),
            surface.draw_card(250 + 15 * i, 150, cards[4 - i]);
    surface.set_mark(true, QRect(555, 150, 20, 96)); // moved from the first place it was shown
    surface.set_mark(true, QRect(110, 300, 71, 96));
    expect_like_reference(surface.grab().toImage(), "table_drawing.png");
    Card_Deck missing(QStringLiteral("/nonexistent/deck.svgz"));
    QImage sharp(284, 192, QImage::Format_ARGB32_Premultiplied);
    sharp.fill(Qt::transparent);
    QPainter(&sharp).drawImage(0, 0, missing.pixmap({false, 12, 2}, QSize(142, 192)).toImage());
    QPainter(&sharp).drawImage(142, 0, missing.pixmap({true, 0, 0}, QSize(142, 192)).toImage());
    expect_like_reference(sharp, "placeholder_cards_at_2x.png");
}

} // namespace plenk::test
