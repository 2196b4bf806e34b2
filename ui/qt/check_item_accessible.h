#pragma once

namespace plenk {

// Menu items that can be checked say so to assistive technology, so that a
// screen reader speaks whether they are checked: Qt 6.4's own menu items
// report a checked item but never that it is checkable. Installed once,
// before any menu item is asked about.
void install_check_item_accessible();

} // namespace plenk
