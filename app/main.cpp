#include "platform/file_services.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/single_instance.h"
#include "platform/qt/translation.h"
#include "platform/record_place.h"
#include "ui/form1.h"
#include "ui/qt/game_window.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char *argv[]) {
    plenk::writes_over_limits_fail();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plenk"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.plenk"));
    plenk::install_translations(QLocale::system());
    plenk::Qt_Platform platform(plenk::executable_folder());
    // A second copy on the same record would save over the first one's
    // results: it shows the running one instead.
    plenk::Single_Instance instance(
        plenk::choose_record_place(platform.program_folder(), platform.user_data_folder()).save_to);
    switch (instance.claim()) {
    case plenk::Single_Instance::Claim::First:
        break;
    case plenk::Single_Instance::Claim::First_Shown:
        return 0;
    case plenk::Single_Instance::Claim::Unanswered: {
        const QString running = QCoreApplication::translate(
            "Program", "Plenk is already running, but its window could not be brought to the "
                       "front.");
        // Also for a start from a terminal or a launcher's log.
        std::fprintf(stderr, "plenk: %s\n", running.toLocal8Bit().constData());
        QMessageBox::warning(nullptr, QStringLiteral("Plenk"), running);
        return 1;
    }
    }
    // The record's own lock follows the new file each save puts in its place.
    platform.on_record_written([&instance] { instance.record_replaced(); });
    plenk::Game_State game{};
    plenk::Record_State record{};
    plenk::Form1 form(game, record, platform);
    plenk::Game_Window window(platform, form);
    instance.serve(&window);
    window.start();
    return QApplication::exec();
}
