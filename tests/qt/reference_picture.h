#pragma once

#include <QImage>
#include <gtest/gtest.h>

namespace plenk::test {

// Holds `shot` against the reviewed picture of that name in tests/qt/data,
// each channel within 24; a shot that differs is saved in the working folder
// for review.
inline void expect_like_reference(const QImage &shot, const QString &name) {
    const QImage reference =
        QImage(QStringLiteral(PLENK_TEST_DATA "/") + name).convertToFormat(QImage::Format_ARGB32);
    const QImage image = shot.convertToFormat(QImage::Format_ARGB32);
    qsizetype off = reference.size() == image.size() ? 0 : -1;
    for (qsizetype i = 0; off >= 0 && i < image.sizeInBytes(); ++i)
        off += qAbs(image.constBits()[i] - reference.constBits()[i]) > 24;
    EXPECT_EQ(off, 0) << name.toStdString()
                      << " differs (-1: in size); saved in the working folder";
    if (off != 0)
        image.save(name);
}

} // namespace plenk::test
