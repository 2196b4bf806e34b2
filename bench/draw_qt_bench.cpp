// Draw_Card on the real Qt surface: a dealt table with a card in flight,
// at one and at two device pixels per table pixel, and filling a 2560 by
// 1600 screen. Each runs in a child process of its own, as Qt fixes the
// screen and its scale when it starts.
#include "game/deal.h"
#include "game/game_state.h"
#include "game/table_constants.h"
#include "platform/qt/qt_platform.h"
#include "ui/form1.h"
#include "ui/qt/game_window.h"
#include "ui/table_renderer.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Screen {
    const char *name;
    int ratio;
    bool full_screen;
};

int run_at(const Screen &screen, int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(screen.ratio));
    QTemporaryDir folder;
    if (screen.full_screen) {
        QFile config(folder.filePath("screen.json"));
        if (!config.open(QIODevice::WriteOnly))
            return 1;
        config.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":2560,"height":1600,)"
                     R"("logicalDpi":96,"logicalBase":96,"dpr":1}]})");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
               qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The player's own settings are neither read nor changed.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    plenk::Qt_Platform os(folder.path().toStdString());
    plenk::Game_State g{};
    plenk::Record_State record{};
    plenk::Form1 form(g, record, os);
    plenk::Game_Window window(os, form);
    window.show();
    if (screen.full_screen)
        window.full_screen_item->trigger();
    QApplication::processEvents();

    os.cdtInit(g.card_w, g.card_h);
    plenk::Shuffle_Deck(g, os);
    plenk::deal_cards(g);
    // A card halfway from the stock to the right-hand seat.
    g.animating = plenk::flag_true;
    g.anim_x = 500;
    g.anim_y = 227;
    plenk::Table_Renderer renderer(g, os);
    renderer.Draw_Card(); // the deck's pictures are rendered once, before timing

    const std::string name = std::string("Draw_Card/") + screen.name;
    benchmark::RegisterBenchmark(name.c_str(),
                                 [&](benchmark::State &state) {
                                     // A slide's frames: the card moves a step each.
                                     int32_t step = 0;
                                     for (auto _ : state) {
                                         g.anim_x = static_cast<int16_t>(340 + plenk::card_step *
                                                                                   (step++ % 20));
                                         renderer.Draw_Card();
                                     }
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    int status = 0;
    for (const Screen &screen :
         {Screen{"device_pixel_ratio:1", 1, false}, Screen{"device_pixel_ratio:2", 2, false},
          Screen{"full_screen:2560x1600", 1, true}}) {
        const pid_t child = fork();
        if (child == 0) {
            const int result = run_at(screen, argc, argv);
            // _exit flushes nothing, and the report may be going to a pipe.
            std::cout.flush();
            _exit(result);
        }
        int child_status = 0;
        if (child < 0 || waitpid(child, &child_status, 0) < 0 || child_status != 0)
            status = 1;
    }
    return status;
}
