#include "platform/qt/background_picture.h"
#include "tests/qt/qt_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

const QColor table_green(0, 128, 0);
const QColor band_blue(0, 0, 255);

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

// A red picture with a blue band at x 500..699, so that a scaled or shifted
// picture shows the wrong colour somewhere.
QByteArray picture(QSize size, const char* format = "JPEG", bool progressive = false) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(500, 0, 200, size.height(), band_blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

// The offset of the first marker `code` after the start of the image.
qsizetype marker(const QByteArray& jpeg, uint8_t code) {
    for (qsizetype i = 2; i + 1 < jpeg.size(); ++i)
        if (uint8_t(jpeg[i]) == 0xFF && uint8_t(jpeg[i + 1]) == code) return i;
    return -1;
}

// Writes over the size in the frame header, as a file that lies about it would.
QByteArray claiming_60000_square(bool progressive) {
    QByteArray jpeg = picture({64, 48}, "JPEG", progressive);
    const qsizetype frame = marker(jpeg, progressive ? 0xC2 : 0xC0);
    jpeg.replace(frame + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));
    return jpeg;
}

QByteArray first_scan_of_one_component() {
    QByteArray jpeg = claiming_60000_square(false);
    jpeg[marker(jpeg, 0xDA) + 4] = 1;
    return jpeg;
}

// Three segments of the largest size, as a camera's EXIF, ICC profile and
// preview may take, before the frame header.
QByteArray behind_large_segments() {
    QByteArray jpeg = picture({64, 48});
    QByteArray segment = QByteArray("\xFF\xE5\xFF\xFF", 4) + QByteArray(65533, '\0');
    for (int n = 0; n < 3; ++n) jpeg.insert(2, segment);
    return jpeg;
}

struct Picture_File {
    const char* what;
    QByteArray bytes; // none: no file; "folder": a folder of that name
    bool fits;        // may go to the decoder
    bool shown;
};

TEST(Table_Picture, EachFileIsShownOrRefusedWithTheTablePlain) {
    ensure_application();
    const QByteArray whole = picture({1200, 900});
    const Picture_File files[] = {
        {"no file", {}, false, false},
        {"a folder", "folder", false, false},
        {"a JPEG", whole, true, true},
        {"a progressive JPEG within the budget", picture({64, 48}, "JPEG", true), true, true},
        {"a progressive JPEG just over the budget", picture({4000, 2001}, "JPEG", true), false, false},
        {"a progressive JPEG claiming 60000 square", claiming_60000_square(true), false, false},
        {"a JPEG read row by row, of any size", picture({4000, 2001}), true, true},
        {"a JPEG claiming 60000 square, its rows missing", claiming_60000_square(false), true, false},
        {"a first scan of one component of three", first_scan_of_one_component(), false, false},
        {"a frame header behind large segments", behind_large_segments(), true, true},
        {"a truncated JPEG", whole.left(whole.size() / 2), true, false},
        {"a corrupt JPEG", QByteArray(whole).replace(600, 4000, QByteArray(4000, '\x5a')), true, false},
        {"a PNG", picture({100, 80}, "PNG"), false, false},
        {"a BMP", picture({100, 80}, "BMP"), false, false},
        {"plain text", "plain text, not a picture\n", false, false},
    };
    for (const Picture_File& file : files) {
        SCOPED_TRACE(file.what);
        Game_Table table;
        QFile out(table.path("table01.jpg"));
        if (file.bytes == "folder") {
            ASSERT_TRUE(QDir().mkdir(out.fileName()));
        } else if (!file.bytes.isEmpty()) {
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file.bytes) == file.bytes.size());
        }
        out.close();
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
    QFile out(table.path("table01.jpg"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(picture({650, 300})) > 0);
    out.close();
    table.start();
    table.window->gm_submnu[0]->trigger();
    QImage shot = table.grab_table();
    EXPECT_TRUE(table.window->tbl_submnu[1]->isChecked());
    EXPECT_FALSE(table.window->tbl_submnu[0]->isChecked());
    EXPECT_TRUE(near(shot.pixelColor(5, 5), Qt::red));
    EXPECT_TRUE(near(shot.pixelColor(600, 100), band_blue));
    EXPECT_EQ(shot.pixelColor(700, 100), table_green);
    EXPECT_EQ(shot.pixelColor(600, 400), table_green);
    EXPECT_FALSE(near(shot.pixelColor(375, 275), Qt::red)) << "the open card";

    table.window->tbl_submnu[0]->trigger();
    shot = table.grab_table();
    EXPECT_TRUE(table.window->tbl_submnu[0]->isChecked());
    EXPECT_EQ(shot.pixelColor(600, 100), table_green);
    EXPECT_FALSE(near(shot.pixelColor(375, 275), table_green)) << "the open card";
}

} // namespace
} // namespace plenk::test
