#include "platform/qt/qt_platform.h"
#include "ui/form1.h"
#include "ui/qt/game_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plenk"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("plenk"));
    plenk::Qt_Platform platform(QCoreApplication::applicationDirPath().toStdString());
    plenk::Form1 form(platform);
    plenk::Game_Window window(platform, form);
    window.start();
    return QApplication::exec();
}
