// Paints the Blue Sky & Sea table, table01.jpg: a pale sky over a calm sea,
// the size of the table, soft and low in contrast so that every card reads
// on it.
#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {

constexpr int picture_width = 750;
constexpr int picture_height = 550;
constexpr int horizon = 320; // the sea begins this far down
constexpr int jpeg_quality = 88;
constexpr int wave_rows = 46; // lines of gentle swell across the sea
constexpr int cloud_count = 7;
constexpr double cloud_width = 130;
constexpr double cloud_height = 38;

QImage paint_table() {
    QImage image(picture_width, picture_height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0x6c, 0x97, 0xbf));
    sky.setColorAt(1, QColor(0xb4, 0xcd, 0xe0));
    p.fillRect(0, 0, picture_width, horizon, sky);

    // Soft clouds: wide, faint ellipses, placed by a fixed rule so that every
    // build paints the same picture.
    for (int i = 0; i < cloud_count; ++i) {
        const double x = 60 + i * 105 + 30 * std::sin(i * 2.1);
        const double y = 50 + 40 * std::fabs(std::sin(i * 1.3));
        // A round soft spot, squashed into a wide cloud.
        QRadialGradient cloud(0, 0, cloud_width);
        cloud.setColorAt(0, QColor(255, 255, 255, 70));
        cloud.setColorAt(1, QColor(255, 255, 255, 0));
        p.save();
        p.translate(x, y);
        p.scale(1, cloud_height / cloud_width);
        p.setPen(Qt::NoPen);
        p.setBrush(cloud);
        p.drawEllipse(QPointF(0, 0), cloud_width, cloud_width);
        p.restore();
    }

    QLinearGradient sea(0, horizon, 0, picture_height);
    sea.setColorAt(0, QColor(0x57, 0x8b, 0xab));
    sea.setColorAt(1, QColor(0x2f, 0x5e, 0x7c));
    p.fillRect(0, horizon, picture_width, picture_height - horizon, sea);

    // The swell: thin light lines, closer together toward the horizon.
    for (int row = 0; row < wave_rows; ++row) {
        const double t = static_cast<double>(row) / wave_rows;
        const double y = horizon + 4 + (picture_height - horizon) * t * t;
        QPainterPath wave;
        wave.moveTo(0, y);
        for (int x = 0; x <= picture_width; x += 10)
            wave.lineTo(x, y + (1 + 3 * t) * std::sin(x / (18.0 + 40 * t) + row * 1.7));
        p.setPen(QPen(QColor(255, 255, 255, 22), 1 + t));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
    p.setPen(QPen(QColor(0xdc, 0xe8, 0xf0), 1));
    p.drawLine(0, horizon, picture_width, horizon);
    return image;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    // The JPEG writer is a plug-in, found through the application.
    QCoreApplication app(argc, argv);
    return paint_table().save(QString::fromLocal8Bit(argv[1]), "JPG", jpeg_quality) ? 0 : 1;
}
