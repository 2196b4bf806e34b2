#include "ui/qt/table_accessible.h"

#include "platform/qt/translation.h"
#include "ui/qt/window_rect.h"

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>

namespace plenk {

// Something on the table without children of its own, read but never
// written; it lives in the table's window.
class Leaf_Accessible : public QAccessibleInterface {
  public:
    explicit Leaf_Accessible(const Table_Accessible *table) : table_(table) {}
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return table_->window(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

  protected:
    const Table_Accessible *table_;
};

// One thing on the table, for as long as it stays there; it reads its words
// from the table wherever they now stand.
class Thing_Accessible : public Leaf_Accessible {
  public:
    Thing_Accessible(const Table_Accessible *table, const Table_Thing &thing)
        : Leaf_Accessible(table), told(translated(thing.heard)), kind_(thing.kind),
          seat_(thing.seat), card_(thing.card) {}

    // Whether `thing` is this one: a hand card is its card; of the others
    // there is one of each kind at each seat.
    bool is(const Table_Thing &thing) const {
        return thing.kind == kind_ && thing.seat == seat_ && thing.card == card_;
    }

    bool isValid() const override { return table_->index_of(this) >= 0; }
    QAccessibleInterface *parent() const override;

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? translated(thing().heard) : QString();
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        return table_->screen_rect(thing());
    }
    QAccessible::Role role() const override {
        return kind_ == Thing_Kind::Hand_Card ? QAccessible::ListItem : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid() || kind_ != Thing_Kind::Hand_Card) {
            s.readOnly = true;
            return s;
        }
        s.focusable = true;
        s.disabled = !thing().playable;
        s.focused = table_->marked() == table_->index_of(this) &&
                    static_cast<QWidget *>(table_->object())->hasFocus();
        return s;
    }

    // The name as a screen reader was last told it.
    QString told;

  private:
    const Table_Thing &thing() const {
        return table_->words().things[static_cast<std::size_t>(table_->index_of(this))];
    }
    Thing_Kind kind_;
    int16_t seat_;
    int16_t card_;
};

// The human's hand: a list, so that a card's place is counted among the
// hand's cards alone.
class Hand_Accessible : public QAccessibleInterface {
  public:
    explicit Hand_Accessible(const Table_Accessible *table) : table_(table) {}

    bool isValid() const override { return !table_->words().hand.source.empty(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return table_->window(); }
    QAccessibleInterface *childAt(int x, int y) const override {
        // Hit as a press hits the hand, its right and bottom edges included,
        // so the card named is the card a press there plays.
        const int i = table_->thing_at_screen(x, y);
        return i >= 0 && i < table_->words().hand_cards ? table_->thing(i) : nullptr;
    }
    QAccessibleInterface *parent() const override { return const_cast<Table_Accessible *>(table_); }
    QAccessibleInterface *child(int index) const override {
        return index >= 0 && index < childCount() ? table_->thing(index) : nullptr;
    }
    int childCount() const override { return table_->words().hand_cards; }
    int indexOfChild(const QAccessibleInterface *child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (table_->thing(i) == child)
                return i;
        return -1;
    }
    void setText(QAccessible::Text, const QString &) override {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? translated(table_->words().hand) : QString();
    }
    QRect rect() const override {
        QRect all;
        for (int i = 0; i < childCount(); ++i)
            all |= table_->thing(i)->rect();
        return all;
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

  private:
    const Table_Accessible *table_;
};

QAccessibleInterface *Thing_Accessible::parent() const {
    if (kind_ == Thing_Kind::Hand_Card)
        return table_->hand();
    return const_cast<Table_Accessible *>(table_);
}

// One announcement: a notification with the words as its name, outside the
// table's children, so that it is heard without being found on the table.
class Notice_Accessible : public Leaf_Accessible {
  public:
    Notice_Accessible(const Table_Accessible *table, QString words)
        : Leaf_Accessible(table), words_(std::move(words)) {}

    bool isValid() const override { return true; }
    QAccessibleInterface *parent() const override { return const_cast<Table_Accessible *>(table_); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? words_ : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

  private:
    QString words_;
};

namespace {

// Announcements kept for a reader that asks about them late.
constexpr std::size_t notices_kept = 32;

} // namespace

Table_Accessible::Table_Accessible(QWidget *table, const Table_Scale &scale, Words_Source words,
                                   Mark_Source mark)
    : QAccessibleWidget(table, QAccessible::Pane, QCoreApplication::translate("Table", "Table")),
      scale_(scale), source_(std::move(words)), mark_(std::move(mark)), shown_(source_()),
      marked_(mark_()), hand_(new Hand_Accessible(this)) {
    QAccessible::registerAccessibleInterface(hand_);
    take_objects();
}

Table_Accessible::~Table_Accessible() {
    for (Thing_Accessible *t : things_)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(t));
    for (Notice_Accessible *n : notices_)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(n));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(hand_));
}

void Table_Accessible::announce(const QString &words) {
    if (!QAccessible::isActive())
        return;
    notices_.push_back(new Notice_Accessible(this, words));
    QAccessible::registerAccessibleInterface(notices_.back());
    QAccessibleEvent shown(notices_.back(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    if (notices_.size() > notices_kept) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(notices_.front()));
        notices_.pop_front();
    }
}

QString Table_Accessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description)
        return translated(shown_.description);
    return QAccessibleWidget::text(t);
}

int Table_Accessible::childCount() const {
    return static_cast<int>(shown_.things.size()) - shown_.hand_cards +
           (shown_.hand.source.empty() ? 0 : 1);
}

Thing_Accessible *Table_Accessible::marked_thing() const {
    return marked_ >= 0 && marked_ < shown_.hand_cards ? thing(marked_) : nullptr;
}

int Table_Accessible::index_of(const Thing_Accessible *thing) const {
    const auto at = std::find(things_.begin(), things_.end(), thing);
    return at == things_.end() ? -1 : static_cast<int>(at - things_.begin());
}

void Table_Accessible::take_objects() {
    std::vector<Thing_Accessible *> had;
    had.swap(things_);
    for (const Table_Thing &t : shown_.things) {
        const auto kept = std::find_if(had.begin(), had.end(),
                                       [&](const Thing_Accessible *a) { return a && a->is(t); });
        if (kept != had.end()) {
            things_.push_back(*kept);
            *kept = nullptr;
            continue;
        }
        things_.push_back(new Thing_Accessible(this, t));
        QAccessible::registerAccessibleInterface(things_.back());
    }
    for (Thing_Accessible *gone : had)
        if (gone)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(gone));
}

QAccessibleInterface *Table_Accessible::child(int index) const {
    const bool listed = !shown_.hand.source.empty();
    if (index < 0 || index >= childCount())
        return nullptr;
    if (listed && index == 0)
        return hand_;
    return thing(index - (listed ? 1 : 0) + shown_.hand_cards);
}

int Table_Accessible::indexOfChild(const QAccessibleInterface *child) const {
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QRect Table_Accessible::screen_rect(const Table_Thing &t) const {
    const QRect box = window_rect(scale_, {t.x, t.y, t.width, t.height});
    return {widget()->mapToGlobal(box.topLeft()), box.size()};
}

int Table_Accessible::thing_at_screen(int x, int y) const {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    const Table_Point p = scale_.to_table(at.x(), at.y());
    return thing_at(shown_, p.x, p.y);
}

QAccessibleInterface *Table_Accessible::childAt(int x, int y) const {
    const int i = thing_at_screen(x, y);
    if (i < 0)
        return nullptr;
    if (i >= shown_.hand_cards)
        return thing(i);
    // Past the hand's last pixel, where a press still plays a card, that card
    // is named itself: a reader would find nothing under the point in the hand.
    return hand_->rect().contains(x, y) ? static_cast<QAccessibleInterface *>(hand_) : thing(i);
}

QAccessibleInterface *Table_Accessible::focusChild() const {
    return widget()->hasFocus() ? marked_thing() : nullptr;
}

void Table_Accessible::refresh() {
    Table_Words now = source_();
    const int marked = mark_();
    const bool active = QAccessible::isActive();
    // The card focused as the reader last saw the table, taken while the
    // mark, the words and the objects are still those of one table.
    const Thing_Accessible *had_focus = marked_thing();
    const QString was_focused = had_focus != nullptr ? had_focus->told : QString();
    // A thing leaving is told while it still stands where the reader saw it.
    const std::vector<const Thing_Accessible *> staying = tell_gone(now, active);
    std::swap(shown_, now); // `now` holds what a screen reader last had
    take_objects();
    marked_ = marked;
    if (!active)
        return;
    tell_changes(now, staying);
    tell_focus(had_focus, was_focused);
}

std::vector<const Thing_Accessible *> Table_Accessible::tell_gone(const Table_Words &now,
                                                                  bool active) {
    std::vector<const Thing_Accessible *> staying;
    for (Thing_Accessible *a : things_) {
        const bool stays = std::any_of(now.things.begin(), now.things.end(),
                                       [&](const Table_Thing &t) { return a->is(t); });
        if (stays) {
            staying.push_back(a);
        } else if (active) {
            QAccessibleEvent gone(a, QAccessible::ObjectDestroyed);
            QAccessible::updateAccessibility(&gone);
        }
    }
    return staying;
}

void Table_Accessible::tell_changes(const Table_Words &before,
                                    const std::vector<const Thing_Accessible *> &staying) {
    for (std::size_t i = 0; i < things_.size(); ++i) {
        Thing_Accessible *a = things_[i];
        const Table_Thing &t = shown_.things[i];
        if (std::find(staying.begin(), staying.end(), a) == staying.end()) {
            QAccessibleEvent made(a, QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&made);
            continue;
        }
        // While the game moves on, the card the reader last had in focus
        // would be read out under its new name: the hand's cards are
        // renamed once the mark is back, before it takes the focus.
        const QString heard = translated(t.heard);
        if (heard != a->told && (marked_ != -1 || t.kind != Thing_Kind::Hand_Card)) {
            a->told = heard;
            QAccessibleEvent renamed(a, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
        const auto was = std::find_if(before.things.begin(), before.things.end(),
                                      [&](const Table_Thing &w) { return a->is(w); });
        if (t.playable != was->playable) {
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent flipped(a, changed);
            QAccessible::updateAccessibility(&flipped);
        }
    }
    if (translated(shown_.hand) != translated(before.hand)) {
        QAccessibleEvent renamed(hand_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    if (translated(shown_.description) != translated(before.description)) {
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void Table_Accessible::tell_focus(const Thing_Accessible *had_focus, const QString &was_focused) {
    Thing_Accessible *focused = marked_thing();
    if (focused != nullptr && widget()->hasFocus() &&
        (focused != had_focus || focused->told != was_focused)) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace plenk
