#include "ui/qt/menu_bar_style.h"

#include <QStyleOptionMenuItem>
#include <QWidget>

namespace plenk {

void Menu_Bar_Style::drawControl(ControlElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const {
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element == CE_MenuBarItem && item != nullptr && widget != nullptr && widget->hasFocus() &&
        (item->state & State_Selected)) {
        QStyleOptionMenuItem shown = *item;
        shown.state |= State_Sunken;
        QProxyStyle::drawControl(element, &shown, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace plenk
