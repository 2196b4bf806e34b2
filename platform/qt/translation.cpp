#include "platform/qt/translation.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace plenk {

namespace {

// English where the game has no translation is the usual case, not a fault:
// told only when asked for (QT_LOGGING_RULES="plenk.translation.info=true").
Q_LOGGING_CATEGORY(translation_log, "plenk.translation", QtWarningMsg)

// The writing system of the scripts the game's languages are written in.
QFontDatabase::WritingSystem writing_system(QLocale::Script script) {
    switch (script) {
    case QLocale::CyrillicScript:
        return QFontDatabase::Cyrillic;
    case QLocale::JapaneseScript:
        return QFontDatabase::Japanese;
    case QLocale::SimplifiedHanScript:
        return QFontDatabase::SimplifiedChinese;
    case QLocale::KoreanScript:
        return QFontDatabase::Korean;
    default:
        return QFontDatabase::Latin;
    }
}

// A language whose script no installed font has still shows its texts, as
// the boxes the toolkit draws for missing letters: said once, with the cure.
void tell_missing_font(const QLocale &spoken) {
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return;
    const QFontDatabase::WritingSystem system = writing_system(spoken.script());
    if (QFontDatabase::families(system).isEmpty())
        qCWarning(translation_log) << "No installed font writes" << spoken.name() << "in"
                                   << QFontDatabase::writingSystemName(system)
                                   << "- its texts may show as boxes. A font for it, such as"
                                   << "Debian's fonts-noto-cjk or fonts-dejavu, mends that.";
}

} // namespace

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
    // Installed later, searched first: the language over English.
    static QTranslator english, game, qt;
    if (english.isEmpty()) {
        (void)english.load(QStringLiteral(":/i18n/plenk_en.qm"));
        QCoreApplication::installTranslator(&english);
    }
    QCoreApplication::removeTranslator(&game);
    QCoreApplication::removeTranslator(&qt);
    if (!game.load(language, QStringLiteral("plenk"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        // Qt's buttons stay English too, so that the player reads one language.
        qCInfo(translation_log) << "The game does not speak" << language.uiLanguages()
                                << "and shows English";
        return;
    }
    QCoreApplication::installTranslator(&game);
    // The language the game speaks, which may be the player's second choice.
    const QLocale spoken(game.language());
    tell_missing_font(spoken);
    if (!qt.load(spoken, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qCWarning(translation_log) << "Qt's own texts for" << spoken.name()
                                   << "are not installed; its buttons show in English";
    else
        QCoreApplication::installTranslator(&qt);
}

} // namespace plenk
