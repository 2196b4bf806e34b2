#include "ui/qt/check_item_accessible.h"

#include <QAccessibleObject>
#include <QAction>
#include <QMenu>

namespace plenk {

namespace {

// A checkable item of a menu, as Qt's own menu items are but for the state.
class Check_Item_Accessible : public QAccessibleObject, public QAccessibleActionInterface {
  public:
    Check_Item_Accessible(QAction *action, QMenu *menu)
        : QAccessibleObject(action), action_(action), menu_(menu) {}

    QWindow *window() const override { return menu_->windowHandle(); }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return action_->iconText(); // the text without its access key's marks
        if (t == QAccessible::Accelerator)
            return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    QRect rect() const override {
        return QRect(menu_->mapToGlobal(menu_->actionGeometry(action_).topLeft()),
                     menu_->actionGeometry(action_).size());
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !menu_->isVisible() || !action_->isVisible();
        s.focused = menu_->activeAction() == action_;
        s.disabled = !action_->isEnabled();
        s.checkable = true;
        s.checked = action_->isChecked();
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString &name) override {
        if (name == pressAction() || name == toggleAction())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

  private:
    QAction *action_;
    QMenu *menu_;
};

QAccessibleInterface *check_item(const QString &class_name, QObject *object) {
    auto *action = qobject_cast<QAction *>(object);
    if (class_name != QLatin1String(QAction::staticMetaObject.className()) || action == nullptr ||
        !action->isCheckable())
        return nullptr;
    for (QObject *user : action->associatedObjects())
        if (auto *menu = qobject_cast<QMenu *>(user))
            return new Check_Item_Accessible(action, menu);
    return nullptr;
}

} // namespace

void install_check_item_accessible() {
    QAccessible::installFactory(check_item);
}

} // namespace plenk
