#pragma once

#include <QProxyStyle>

namespace plenk {

// The desktop's style, except that a menu bar holding the keys (after Alt
// alone) shows its current title highlighted as when its menu is open: some
// styles highlight a title only while its menu is open, and the player would
// not see where the keys went.
class Menu_Bar_Style : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};

} // namespace plenk
