#pragma once

#include "platform/qt/card_deck.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace plenk {

// The window's persistent drawing surface: a table whose picture lives in a
// backing pixmap of device pixels. What is drawn is placed in table pixels
// and laid where the window's placement puts it, each card rendered from the
// deck at the device pixels it covers, so that it stays sharp at every size
// and on every screen. The widget shows the pixmap, whatever covered it.
class Table_Surface : public QWidget {
  public:
    // Where a rectangle of table pixels lies on the widget, at `ratio`
    // device pixels per widget pixel.
    using Placement = std::function<QRect(const QRect &table, qreal ratio)>;
    // A press of any button, at a position in widget pixels.
    using Mouse_Down = std::function<void(QPointF at)>;

    // `table` in table pixels.
    Table_Surface(Card_Deck &deck, QSize table, Placement place, QWidget *parent = nullptr);

    // The table's size in table pixels, whatever the widget's.
    QSize table() const { return table_; }
    // Lays the background colour and picture over the whole table.
    void clear();
    void draw_card(int32_t x, int32_t y, const Card_Picture &picture);
    // Shows the drawing now, not at the next turn of the event loop.
    void refresh();
    // A new background goes under the cards drawn since the last clear.
    void set_background(QImage picture);
    void clear_background();
    // The placement or the deck changed: everything drawn since the last
    // clear is laid again.
    void redraw();

    // The keyboard's mark, an outline above the drawing; shown at once.
    void set_mark(bool visible, QRect where);

    void on_mouse_down(Mouse_Down handler) { mouse_down_ = std::move(handler); }
    void on_key(std::function<void(QKeyEvent *)> handler) { key_ = std::move(handler); }
    // Called after every refresh and every move of the mark.
    void on_change(std::function<void()> handler) { change_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    struct Placed_Card {
        int32_t x;
        int32_t y;
        Card_Picture picture;
        bool operator==(const Placed_Card &) const = default;
    };
    // Makes the pixmap anew at the widget's size and ratio: background, then the cards.
    void rebuild();
    void lay_background();
    // Brings the pixmap up to what was drawn since the last clear, laying
    // again only the part that differs from what it holds; returns that
    // part in widget pixels. A slide's frame so costs the moving card's
    // pixels, not the whole table's, however large the table is shown.
    QRegion lay_changes();
    QRect device_rect(const Placed_Card &card, qreal ratio) const;
    bool backing_fits() const;

    Card_Deck &deck_;
    QSize table_;
    Placement place_;
    QPixmap backing_;
    QImage picture_;
    // The background at the backing's size, ready to copy.
    QPixmap background_;
    // What was drawn since the last clear, to draw again over a new background.
    std::vector<Placed_Card> placed_;
    // What the pixmap shows, in the order it was laid.
    std::vector<Placed_Card> laid_;
    Mouse_Down mouse_down_;
    std::function<void(QKeyEvent *)> key_;
    std::function<void()> change_;
    bool mark_visible_ = false;
    QRect mark_;
};

} // namespace plenk
