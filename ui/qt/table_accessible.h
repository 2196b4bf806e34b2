#pragma once

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
// one child per other thing a sighted player sees, named by the game's words, the description naming the suit to
// follow, and the keyboard's mark as the focused card. refresh() tells a
// screen reader what changed since it last looked.
class Table_Accessible : public QAccessibleWidget {
public:
    using Words_Source = std::function<Table_Words()>;
    using Mark_Source = std::function<int()>;
    Table_Accessible(QWidget* table, Words_Source words, Mark_Source mark);
    ~Table_Accessible() override;

    // Takes the state as it now is and sends the events for every change.
    void refresh();
    // Says the words to a screen reader once: a notification shown, which
    // Orca speaks wherever the focus is. Each has an object of its own, so
    // that a reader asking late still hears the words it was shown.
    void announce(const QString& words);
    const Table_Words& words() const { return shown_; }
    int marked() const { return marked_; }

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The human's hand, a list whose children are the hand's cards; the
    // table's first child once cards are dealt.
    Hand_Accessible* hand() const { return hand_; }
    Thing_Accessible* thing(int index) const;

private:

    Words_Source source_;
    Mark_Source mark_;
    Table_Words shown_;
    int marked_ = -1;
    // Made on first asking, kept for the table's life: a child is its index.
    mutable std::vector<Thing_Accessible*> things_;
    std::deque<Notice_Accessible*> notices_;
    // Each thing's name as a screen reader was last told it.
    std::vector<QString> told_;
    Hand_Accessible* hand_;
};

} // namespace plenk
