#include "platform/qt/background_picture.h"
#include "tests/qt/qt_support.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

const QColor table_green(0, 128, 0);

// A red picture with a blue band at x 500..699, so that a scaled or shifted
// picture shows the wrong colour somewhere.
QByteArray picture(QSize size, const char* format = "JPEG", bool progressive = false) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(500, 0, 200, size.height(), Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

// A JPEG whose frame header claims 60000 by 60000; with `one_component` its
// first scan carries one component of three, so the decoder holds it whole.
QByteArray claiming_60000_square(bool one_component) {
    QByteArray jpeg = picture({64, 48});
    jpeg.replace(jpeg.indexOf("\xFF\xC0") + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));
    if (one_component) jpeg[jpeg.indexOf("\xFF\xDA") + 4] = 1;
    return jpeg;
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

TEST(Table_Picture, EachFileIsShownOrRefusedLeavingThePlainTable) {
    ensure_application();
    const QByteArray jpeg = picture({1200, 900});
    // Three segments of the largest size, as a camera's EXIF, ICC profile and
    // preview may take, before the frame header.
    const QByteArray segments = (QByteArray("\xFF\xE5\xFF\xFF", 4) + QByteArray(65533, '\0')).repeated(3);
    const struct {
        const char* what;
        QByteArray bytes; // none: no file; "folder": a folder of that name
        bool fits;        // may go to the decoder
        bool shown;
    } files[] = {
        {"no file", {}, false, false},
        {"a folder", "folder", false, false},
        {"a JPEG", jpeg, true, true},
        {"a progressive JPEG within the budget", picture({64, 48}, "JPEG", true), true, true},
        {"a progressive JPEG just over the budget", picture({4000, 2001}, "JPEG", true), false, false},
        {"a JPEG read row by row, of any size", picture({4000, 2001}), true, true},
        {"a JPEG claiming 60000 square, its rows missing", claiming_60000_square(false), true, false},
        {"a first scan of one component of three", claiming_60000_square(true), false, false},
        {"a frame header behind large segments", QByteArray(jpeg).insert(2, segments), true, true},
        {"a truncated JPEG", jpeg.left(jpeg.size() / 2), true, false},
        {"a corrupt JPEG", QByteArray(jpeg).replace(600, 4000, QByteArray(4000, '\x5a')), true, false},
        {"a PNG", picture({100, 80}, "PNG"), false, false},
        {"a BMP", picture({100, 80}, "BMP"), false, false},
        {"plain text", "plain text, not a picture\n", false, false},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        Game_Table table;
        if (file.bytes == "folder") QDir().mkdir(table.path("table01.jpg"));
        else if (!file.bytes.isEmpty()) write_file(table.path("table01.jpg"), file.bytes);
        EXPECT_EQ(jpeg_fit_to_decode({file.bytes.begin(), file.bytes.end()}), file.fits);
        table.start();
        EXPECT_EQ(table.window->tbl_submnu[1]->isChecked(), file.shown);
        EXPECT_EQ(table.grab_table().pixelColor(5, 5) != table_green, file.shown);
    }
}

// The picture lies unscaled at the top left; the table colour shows right of
// and below a small one, and the cards lie over it.
TEST(Table_Picture, LiesUnscaledUnderTheCardsUntilDefaultIsChosen) {
    Game_Table table;
    write_file(table.path("table01.jpg"), picture({650, 300}));
    table.start();
    table.window->gm_submnu[0]->trigger();
    QImage shot = table.grab_table();
    EXPECT_TRUE(table.window->tbl_submnu[1]->isChecked() && !table.window->tbl_submnu[0]->isChecked());
    EXPECT_GT(shot.pixelColor(5, 5).red() - shot.pixelColor(5, 5).blue(), 200);
    EXPECT_GT(shot.pixelColor(600, 100).blue() - shot.pixelColor(600, 100).red(), 200);
    EXPECT_EQ(shot.pixelColor(700, 100), table_green);
    EXPECT_EQ(shot.pixelColor(600, 400), table_green);
    EXPECT_EQ(shot.pixelColor(375, 230), QColor(Qt::white)) << "the open card's margin";

    table.window->tbl_submnu[0]->trigger();
    shot = table.grab_table();
    EXPECT_TRUE(table.window->tbl_submnu[0]->isChecked());
    EXPECT_EQ(shot.pixelColor(600, 100), table_green);
    EXPECT_EQ(shot.pixelColor(375, 230), QColor(Qt::white)) << "the open card's margin";
}

} // namespace
} // namespace plenk::test
