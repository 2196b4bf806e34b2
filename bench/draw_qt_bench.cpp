// Draw_Card on the real Qt surface: a dealt table with a card in flight,
// at one and at two device pixels per table pixel. Each ratio runs in a
// child process of its own, as Qt fixes the scale when it starts.
#include "game/deal.h"
#include "game/game_state.h"
#include "platform/qt/qt_platform.h"
#include "ui/form1.h"
#include "ui/qt/game_window.h"
#include "ui/table_renderer.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int run_at(int ratio, int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    plenk::Qt_Platform os(folder.path().toStdString());
    plenk::Form1 form(os);
    plenk::Game_Window window(os, form);
    window.show();
    QApplication::processEvents();

    plenk::Game_State &g = form.state();
    os.cdtInit(g.card_w, g.card_h);
    plenk::Shuffle_Deck(g, os);
    plenk::deal_cards(g);
    // A card halfway from the stock to the right-hand seat.
    g.animating = plenk::flag_true;
    g.anim_x = 500;
    g.anim_y = 227;
    plenk::Table_Renderer renderer(g, os);
    renderer.Draw_Card(); // the deck's pictures are rendered once, before timing

    const std::string name = "Draw_Card/device_pixel_ratio:" + std::to_string(ratio);
    benchmark::RegisterBenchmark(name.c_str(),
                                 [&](benchmark::State &state) {
                                     for (auto _ : state)
                                         renderer.Draw_Card();
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
    for (int ratio : {1, 2}) {
        const pid_t child = fork();
        if (child == 0)
            _exit(run_at(ratio, argc, argv));
        int child_status = 0;
        if (child < 0 || waitpid(child, &child_status, 0) < 0 || child_status != 0)
            status = 1;
    }
    return status;
}
