#pragma once

#include "ui/table_scale.h"
#include "ui/table_words.h"

#include <QAccessibleWidget>

#include <deque>
#include <functional>
#include <vector>

namespace plenk {

class Hand_Accessible;
class Notice_Accessible;
class Thing_Accessible;

// The table for assistive technology: the hand as a list of its cards, then
// one child per other thing a sighted player sees, named by the game's words, the description
// naming the suit to follow, and the keyboard's mark as the focused card. refresh() tells a screen
// reader what changed since it last looked. Each thing keeps one object while it stays on the table
// (a hand card by its card, the others by their kind and seat), so that a reader's cache never
// holds an object that has become another thing.
class Table_Accessible : public QAccessibleWidget {
  public:
    using Words_Source = std::function<Table_Words()>;
    using Mark_Source = std::function<int()>;
    // `scale` lays the table on the widget, as long as the table lasts.
    Table_Accessible(QWidget *table, const Table_Scale &scale, Words_Source words,
                     Mark_Source mark);
    ~Table_Accessible() override;

    // Takes the state as it now is and sends the events for every change.
    void refresh();
    // Says the words to a screen reader once: a notification shown, which
    // Orca speaks wherever the focus is. Each has an object of its own, so
    // that a reader asking late still hears the words it was shown.
    void announce(const QString &words);
    const Table_Words &words() const { return shown_; }
    // The thing's box on the screen, and the thing under a point of the screen.
    QRect screen_rect(const Table_Thing &thing) const;
    int thing_at_screen(int x, int y) const;
    int marked() const { return marked_; }

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    // The human's hand, a list whose children are the hand's cards; the
    // table's first child once cards are dealt.
    Hand_Accessible *hand() const { return hand_; }
    // The object of the words' thing at `index`.
    Thing_Accessible *thing(int index) const { return things_[static_cast<std::size_t>(index)]; }
    // The index among the words' things, -1 for a thing gone from the table.
    int index_of(const Thing_Accessible *thing) const;

  private:
    // The marked card's object, null when no card of the hand is marked.
    Thing_Accessible *marked_thing() const;
    // Gives each of the words' things its object: the one it had, else a new one.
    void take_objects();
    // The steps of refresh(). Tells which objects leave, as the table now
    // is, and returns those that stay.
    std::vector<const Thing_Accessible *> tell_gone(const Table_Words &now, bool active);
    // Tells the objects made, renamed or made playable since `before`, and
    // the hand's and the description's changes.
    void tell_changes(const Table_Words &before,
                      const std::vector<const Thing_Accessible *> &staying);
    // Tells the focus when the marked card or its name changed.
    void tell_focus(const Thing_Accessible *had_focus, const QString &was_focused);

    const Table_Scale &scale_;
    Words_Source source_;
    Mark_Source mark_;
    Table_Words shown_;
    int marked_ = -1;
    // One for each of the words' things, in their order.
    std::vector<Thing_Accessible *> things_;
    std::deque<Notice_Accessible *> notices_;
    Hand_Accessible *hand_;
};

} // namespace plenk
