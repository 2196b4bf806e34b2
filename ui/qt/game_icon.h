#pragma once

#include <QIcon>
#include <QImage>

namespace plenk {

// The game's icon, two fanned cards on green felt, drawn from the one
// artwork that is also installed for the desktop's menus.
constexpr int icon_size = 64;
QImage game_icon_image(int size);

// The window's icon, at its 64 by 64 pixels.
QIcon game_icon();

} // namespace plenk
