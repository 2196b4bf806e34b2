#pragma once

#include <QString>

#include <cstdint>

namespace plenk {

// How the player last left the table's look: kept in the desktop's place for
// settings (~/.config/plenk/plenk.conf), never beside the record.
struct View_Settings {
    int32_t zoom = 100; // percent, one of the zoom steps
    bool full_screen = false;
    QString deck; // an installed deck's id; empty for the standard deck
};

// The settings as saved; for a missing or unreadable file, or a value that is
// no longer valid, the default in its place.
View_Settings load_view_settings();
void save_view_settings(const View_Settings &settings);

} // namespace plenk
