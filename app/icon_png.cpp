// Renders the game's icon to the PNG file named, for the desktop's menus,
// which do not all read SVG.
#include "ui/qt/game_icon.h"

#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    return plenk::game_icon_image(plenk::icon_size).save(QString::fromLocal8Bit(argv[1]), "PNG")
               ? 0
               : 1;
}
