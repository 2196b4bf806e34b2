#pragma once

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace plenk::test {

// Holds `shot` against the reviewed picture of that name in tests/qt/data; a
// shot that differs is saved in the working folder for review.
inline void expect_like_reference(const QImage &shot, const QString &name) {
    const QImage reference =
        QImage(QStringLiteral(PLENK_TEST_DATA "/") + name).convertToFormat(QImage::Format_ARGB32);
    const QImage image = shot.convertToFormat(QImage::Format_ARGB32);
    int off = reference.size() == image.size() ? 0 : -1;
    for (int y = 0; off >= 0 && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor a = image.pixelColor(x, y), b = reference.pixelColor(x, y);
            off += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                             std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())}) > 24;
        }
    EXPECT_EQ(off, 0) << name.toStdString() << " differs (-1: in size); saved as "
                      << (QDir::currentPath() + '/' + name).toStdString();
    if (off != 0)
        image.save(name);
}

} // namespace plenk::test
