#include "ui/qt/view_settings.h"

#include "ui/table_zoom.h"

#include <QLoggingCategory>
#include <QSettings>

namespace plenk {

namespace {

Q_LOGGING_CATEGORY(settings_log, "plenk.settings", QtWarningMsg)

const QString zoom_key = QStringLiteral("table/zoom");
const QString full_screen_key = QStringLiteral("table/full_screen");
const QString deck_key = QStringLiteral("table/deck");

const QString settings_name = QStringLiteral("plenk");

} // namespace

View_Settings load_view_settings() {
    View_Settings view;
    // Read anew each time: another copy of the game may have changed it.
    QSettings file(QSettings::NativeFormat, QSettings::UserScope, settings_name, settings_name);
    if (file.status() != QSettings::NoError) {
        qCWarning(settings_log) << "unreadable settings" << file.fileName() << "- the defaults";
        return view;
    }
    bool number = false;
    const int zoom = file.value(zoom_key, view.zoom).toInt(&number);
    if (number && is_zoom_step(zoom))
        view.zoom = zoom;
    else
        qCWarning(settings_log) << "no zoom step:" << file.value(zoom_key) << "- 100%";
    view.full_screen = file.value(full_screen_key, false).toBool();
    view.deck = file.value(deck_key).toString();
    return view;
}

void save_view_settings(const View_Settings &view) {
    // Read anew each time: another copy of the game may have changed it.
    QSettings file(QSettings::NativeFormat, QSettings::UserScope, settings_name, settings_name);
    file.setValue(zoom_key, view.zoom);
    file.setValue(full_screen_key, view.full_screen);
    file.setValue(deck_key, view.deck);
    file.sync();
    if (file.status() != QSettings::NoError)
        qCWarning(settings_log) << "the settings could not be saved to" << file.fileName();
}

} // namespace plenk
