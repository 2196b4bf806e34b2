#include "game/table_constants.h"
#include "platform/qt/background_picture.h"
#include "tests/qt/qt_support.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

const QSize table(table_width, table_height);

QByteArray encode(QSize size, const char* format, bool progressive = false) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
    return bytes;
}

// Writes over the size in the frame header, as a file that lies about it would.
void claim_size(QByteArray& jpeg, int width, int height) {
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i)
        if (uint8_t(jpeg[i]) == 0xFF && (uint8_t(jpeg[i + 1]) == 0xC0 || uint8_t(jpeg[i + 1]) == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width);
            return;
        }
    ADD_FAILURE() << "no frame header";
}

std::vector<uint8_t> bytes_of(const QByteArray& a) { return {a.begin(), a.end()}; }

struct Picture_Guard : ::testing::Test {
    Picture_Guard() { ensure_application(); }
    std::optional<QImage> load(const QByteArray& bytes) {
        const QString path = folder.filePath(QStringLiteral("table01.jpg"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return load_background_picture(path, table);
    }
    QTemporaryDir folder;
};

TEST_F(Picture_Guard, OnlyTheJpegDecoderIsTried) {
    // A good PNG, or any other picture, named table01.jpg is no table picture.
    EXPECT_FALSE(load(encode({100, 80}, "PNG")));
    EXPECT_FALSE(load(encode({100, 80}, "BMP")));
    EXPECT_TRUE(load(encode({100, 80}, "JPEG")));
}

TEST_F(Picture_Guard, PictureHeldWholeMustKeepWithinTheBudget) {
    const auto small = load(encode({64, 48}, "JPEG", true));
    ASSERT_TRUE(small);
    EXPECT_EQ(small->size(), QSize(64, 48));
    EXPECT_GT(small->pixelColor(30, 20).blue(), 240);
    EXPECT_LT(small->pixelColor(30, 20).red(), 15);

    // Just over the budget, though every byte of it is good.
    EXPECT_FALSE(load(encode({4000, 2001}, "JPEG", true)));

    // A progressive header claiming 60000 by 60000 is refused unread: the
    // decoder would hold 21 GB for it.
    QByteArray huge = encode({64, 48}, "JPEG", true);
    claim_size(huge, 60000, 60000);
    EXPECT_FALSE(jpeg_fit_to_decode(bytes_of(huge)));
}

TEST_F(Picture_Guard, PictureDecodedRowByRowMayBeOfAnySize) {
    const auto large = load(encode({4000, 2001}, "JPEG"));
    ASSERT_TRUE(large);
    EXPECT_EQ(large->size(), table);

    // Its claimed size is streamed and cut to the table; the missing rows
    // make it count as damaged.
    QByteArray huge = encode({64, 48}, "JPEG");
    claim_size(huge, 60000, 60000);
    EXPECT_TRUE(jpeg_fit_to_decode(bytes_of(huge)));
    EXPECT_FALSE(load(huge));

    // With its first scan carrying one component of three, the decoder holds
    // the whole picture, as for a progressive one.
    std::vector<uint8_t> one_component = bytes_of(huge);
    for (std::size_t i = 2; i + 4 < one_component.size(); ++i)
        if (one_component[i] == 0xFF && one_component[i + 1] == 0xDA) {
            one_component[i + 4] = 1;
            break;
        }
    EXPECT_FALSE(jpeg_fit_to_decode(one_component));
}

TEST_F(Picture_Guard, FrameBehindLargeSegmentsIsFound) {
    QByteArray jpeg = encode({64, 48}, "JPEG");
    // Three segments of the largest size, as a camera's EXIF, ICC profile and
    // preview may take, before the frame header.
    QByteArray segment(2 + 65535, '\0');
    segment[0] = char(0xFF);
    segment[1] = char(0xE5);
    segment[2] = char(0xFF);
    segment[3] = char(0xFF);
    for (int n = 0; n < 3; ++n) jpeg.insert(2, segment);
    ASSERT_GT(jpeg.size(), 3 * 65535);
    EXPECT_TRUE(load(jpeg));
}

} // namespace
} // namespace plenk::test
