#include "ui/qt/table_accessible.h"

#include "platform/qt/translation.h"

#include <QCoreApplication>
#include <QWidget>

namespace plenk {

// One thing on the table; it reads its words from the table at its index.
class Thing_Accessible : public QAccessibleInterface {
public:
    Thing_Accessible(const Table_Accessible* table, int index) : table_(table), index_(index) {}

    bool isValid() const override { return index_ < static_cast<int>(table_->words().things.size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<Table_Accessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? translated(thing().name) : QString();
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const Table_Thing& t = thing();
        const QWidget* table = static_cast<QWidget*>(table_->object());
        return QRect(table->mapToGlobal(QPoint(t.x, t.y)), QSize(t.width, t.height));
    }
    QAccessible::Role role() const override {
        return isValid() && thing().kind == Thing_Kind::Hand_Card ? QAccessible::ListItem : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid() || thing().kind != Thing_Kind::Hand_Card) {
            s.readOnly = true;
            return s;
        }
        s.focusable = true;
        s.disabled = !thing().playable;
        s.focused = table_->marked() == index_ && static_cast<QWidget*>(table_->object())->hasFocus();
        return s;
    }

private:
    const Table_Thing& thing() const { return table_->words().things[static_cast<std::size_t>(index_)]; }
    const Table_Accessible* table_;
    int index_;
};

Table_Accessible::Table_Accessible(QWidget* table, Words_Source words, Mark_Source mark)
    : QAccessibleWidget(table, QAccessible::Pane, QCoreApplication::translate("Table", "Table")),
      source_(std::move(words)),
      mark_(std::move(mark)),
      shown_(source_()),
      marked_(mark_()) {}

Table_Accessible::~Table_Accessible() {
    for (Thing_Accessible* t : things_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(t));
}

QString Table_Accessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description) return translated(shown_.description);
    return QAccessibleWidget::text(t);
}

int Table_Accessible::childCount() const { return static_cast<int>(shown_.things.size()); }

Thing_Accessible* Table_Accessible::thing(int index) const {
    while (static_cast<int>(things_.size()) <= index) {
        things_.push_back(new Thing_Accessible(this, static_cast<int>(things_.size())));
        QAccessible::registerAccessibleInterface(things_.back());
    }
    return things_[static_cast<std::size_t>(index)];
}

QAccessibleInterface* Table_Accessible::child(int index) const {
    return index >= 0 && index < childCount() ? thing(index) : nullptr;
}

int Table_Accessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t i = 0; i < things_.size(); ++i)
        if (things_[i] == child && static_cast<int>(i) < childCount()) return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* Table_Accessible::childAt(int x, int y) const {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    return child(thing_at(shown_, at.x(), at.y()));
}

QAccessibleInterface* Table_Accessible::focusChild() const {
    return widget()->hasFocus() ? child(marked_) : nullptr;
}

void Table_Accessible::refresh() {
    Table_Words now = source_();
    const int marked = mark_();
    std::swap(shown_, now); // `now` holds what a screen reader last had
    const int before = marked_;
    marked_ = marked;
    if (!QAccessible::isActive()) return;

    const int old_count = static_cast<int>(now.things.size());
    const int new_count = childCount();
    for (int i = new_count; i < old_count; ++i) {
        QAccessibleEvent gone(thing(i), QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
    }
    for (int i = 0; i < new_count; ++i) {
        const Table_Thing& t = shown_.things[static_cast<std::size_t>(i)];
        if (i >= old_count) {
            QAccessibleEvent made(thing(i), QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&made);
            continue;
        }
        const Table_Thing& was = now.things[static_cast<std::size_t>(i)];
        if (translated(t.name) != translated(was.name)) {
            QAccessibleEvent renamed(thing(i), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
        if (t.playable != was.playable || t.kind != was.kind) {
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent flipped(thing(i), changed);
            QAccessible::updateAccessibility(&flipped);
        }
    }
    if (translated(shown_.description) != translated(now.description)) {
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    if (marked_ != -1 && widget()->hasFocus() &&
        (marked_ != before || translated(shown_.things[static_cast<std::size_t>(marked_)].name) !=
                                  (before >= 0 && before < old_count
                                       ? translated(now.things[static_cast<std::size_t>(before)].name)
                                       : QString()))) {
        QAccessibleEvent focus(thing(marked_), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace plenk
