#include "game/hand.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

const QColor table_green(0, 128, 0);
const QColor picture_blue(0, 0, 255);

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

// A picture larger than the table, blue in the band x 500..699 only, so that
// a scaled picture would show red at table x 600.
void write_picture(const QString& path, QSize size = {1200, 900}) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(500, 0, 200, size.height(), picture_blue);
    ASSERT_TRUE(picture.save(path, "JPEG", 95));
}

struct Table_Picture : ::testing::Test {
    Game_Table table;
    QAction& plain() { return *table.window->tbl_submnu[0]; }
    QAction& picture() { return *table.window->tbl_submnu[1]; }
    QColor at(int x, int y) { return table.grab_table().pixelColor(x, y); }
};

TEST_F(Table_Picture, MissingPictureLeavesThePlainTableAndNeitherItemChecked) {
    table.start();
    EXPECT_FALSE(plain().isChecked());
    EXPECT_FALSE(picture().isChecked());
    EXPECT_EQ(at(600, 100), table_green);
}

TEST_F(Table_Picture, PictureAtStartLiesUnscaledAtTheTopLeftAndDefaultRemovesIt) {
    write_picture(table.path("table01.jpg"));
    table.start();
    EXPECT_TRUE(picture().isChecked());
    EXPECT_FALSE(plain().isChecked());
    EXPECT_TRUE(near(at(600, 100), picture_blue));
    EXPECT_TRUE(near(at(720, 540), Qt::red));

    plain().trigger();
    EXPECT_TRUE(plain().isChecked());
    EXPECT_FALSE(picture().isChecked());
    EXPECT_EQ(at(600, 100), table_green);

    // Choosing the checked item again changes nothing.
    plain().trigger();
    EXPECT_TRUE(plain().isChecked());
}

TEST_F(Table_Picture, SmallPictureLeavesTheColourRightOfAndBelowIt) {
    write_picture(table.path("table01.jpg"), {650, 300});
    table.start();
    EXPECT_TRUE(near(at(600, 100), picture_blue));
    EXPECT_EQ(at(700, 100), table_green);
    EXPECT_EQ(at(600, 400), table_green);
}

TEST_F(Table_Picture, PictureGoneLeavesNeitherCheckedAndRedrawsTheGame) {
    table.start();
    plain().trigger();
    table.window->gm_submnu[0]->trigger();
    const Game_State dealt = table.form->state();
    picture().trigger();
    EXPECT_FALSE(plain().isChecked());
    EXPECT_FALSE(picture().isChecked());
    EXPECT_EQ(at(600, 100), table_green);
    // The open card is still on the table, drawn over the unchanged background.
    EXPECT_NE(at(375, 275), table_green);
    EXPECT_EQ(table.form->state().seat[0].card, dealt.seat[0].card);
}

// Files named table01.jpg that are no picture count as no picture.
class Undecodable_Picture : public Table_Picture, public ::testing::WithParamInterface<const char*> {};

TEST_P(Undecodable_Picture, LeavesTheBackgroundAndTheGameAsTheyWere) {
    const QString path = table.path("table01.jpg");
    const std::string kind = GetParam();
    if (kind == "folder") {
        ASSERT_TRUE(QDir().mkdir(path));
    } else {
        write_picture(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        if (kind == "truncated") bytes.truncate(bytes.size() / 2);
        if (kind == "not a picture") bytes = "plain text, not a picture\n";
        if (kind == "corrupt") bytes.replace(200, 4000, QByteArray(4000, '\x5a'));
        file.resize(0);
        file.seek(0);
        file.write(bytes);
    }
    table.start();
    EXPECT_FALSE(picture().isChecked());
    EXPECT_EQ(at(600, 100), table_green);

    plain().trigger();
    table.window->gm_submnu[0]->trigger();
    const Game_State dealt = table.form->state();
    picture().trigger();
    EXPECT_FALSE(picture().isChecked());
    EXPECT_FALSE(plain().isChecked());
    EXPECT_EQ(at(600, 100), table_green);
    EXPECT_EQ(table.form->state().seat[0].card, dealt.seat[0].card);
    EXPECT_EQ(table.form->state().game_over, flag_false);
}

INSTANTIATE_TEST_SUITE_P(Files, Undecodable_Picture,
                         ::testing::Values("truncated", "corrupt", "not a picture", "folder"));

} // namespace
} // namespace plenk::test
