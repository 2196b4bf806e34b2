#include "platform/qt/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plenk {

QString translated(const Text &text) {
    const QString pattern =
        text.context != nullptr
            ? QCoreApplication::translate(text.context, text.source.c_str(), nullptr, text.count)
            : QString::fromStdString(text.source);
    if (text.args.empty())
        return pattern;
    std::vector<std::string> args;
    for (const Text &arg : text.args)
        args.push_back(translated(arg).toStdString());
    return QString::fromStdString(fill(pattern.toStdString(), args));
}

void install_translations(const QLocale &language) {
    // Installed later, searched first: the language over English. A language
    // without files leaves its translator empty, and English shows.
    static QTranslator english, game, qt;
    if (english.isEmpty()) {
        (void)english.load(QStringLiteral(":/i18n/plenk_en.qm"));
        QCoreApplication::installTranslator(&english);
    }
    (void)game.load(language, QStringLiteral("plenk"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"));
    (void)qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&game);
    QCoreApplication::installTranslator(&qt);
}

} // namespace plenk
