#pragma once

#include <QIcon>

namespace plenk {

// The window's 64 by 64 icon: two fanned cards on green felt.
QIcon game_icon();

} // namespace plenk
