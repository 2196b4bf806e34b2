// Loads a table picture from any bytes: it either decodes to at most the
// table's size or is refused, and never brings the program down.
#include "game/table_constants.h"
#include "platform/qt/background_picture.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir folder;
    const QString path = folder.filePath("table01.jpg");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    file.close();
    const QSize table(plenk::table_width, plenk::table_height);
    const auto picture = plenk::load_background_picture(path, table);
    if (picture && (picture->isNull() || picture->width() > table.width() ||
                    picture->height() > table.height()))
        std::abort();
    return 0;
}
