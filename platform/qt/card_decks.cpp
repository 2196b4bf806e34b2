#include "platform/qt/card_decks.h"

#include "platform/qt/card_deck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QTextStream>

#include <algorithm>

namespace plenk {

namespace {

// The keys of a desktop entry, every group's together: a deck's file has one
// group, and its name differs between decks ("KDE Backdeck", "KDE Cards").
QHash<QString, QString> desktop_entry(const QString &path) {
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    for (QString line; in.readLineInto(&line);) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

// The name in the language's own form, as "Name[pt_BR]", "Name[pt]", "Name".
QString name_in(const QHash<QString, QString> &keys, const QLocale &language) {
    const QString full = language.name();
    for (const QString &tag : {full, full.section(QLatin1Char('_'), 0, 0)}) {
        const QString name = keys.value(QStringLiteral("Name[%1]").arg(tag));
        if (!name.isEmpty())
            return name;
    }
    return keys.value(QStringLiteral("Name"));
}

} // namespace

std::vector<Installed_Deck> installed_decks(const QLocale &language) {
    std::vector<Installed_Deck> decks;
    const QStringList roots =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("carddecks"),
                                  QStandardPaths::LocateDirectory);
    for (const QString &root : roots) {
        const QStringList folders =
            QDir(root).entryList({QStringLiteral("svg-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &id : folders) {
            if (std::any_of(decks.begin(), decks.end(),
                            [&id](const Installed_Deck &d) { return d.id == id; }))
                continue;
            const QDir folder(QDir(root).filePath(id));
            const QHash<QString, QString> keys =
                desktop_entry(folder.filePath(QStringLiteral("index.desktop")));
            const QString svg = keys.value(QStringLiteral("SVG"));
            const QString name = name_in(keys, language);
            if (svg.isEmpty() || name.isEmpty() || svg.contains(QLatin1Char('/')) ||
                !QFileInfo(folder.filePath(svg)).isFile()) {
                qCInfo(deck_log) << "not a card deck:" << folder.path();
                continue;
            }
            decks.push_back({id, name, folder.filePath(svg)});
        }
    }
    std::sort(decks.begin(), decks.end(), [](const Installed_Deck &a, const Installed_Deck &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return decks;
}

} // namespace plenk
