#pragma once

#include "platform/qt/card_decks.h"
#include "ui/qt/view_settings.h"
#include "ui/table_zoom.h"

#include <QMainWindow>

#include <array>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QShortcut;

namespace plenk {

class Form1;
class Help_Window;
class Qt_Platform;
class Refusal_Cue;
class Table_Accessible;
class Table_Surface;

// The game window: the 750 by 550 table below the menu bar, the announcement
// label on it and the help windows. Every choice, press and close request is
// handed to Form1, which decides what it means.
class Game_Window : public QMainWindow {
  public:
    Game_Window(Qt_Platform &os, Form1 &form);

    // The start of the program: Form1 loads (asking for a name on a first
    // start) before the window first appears, centred on the screen, at the
    // zoom, the screen mode and with the deck the player last chose.
    void start();

    // How the table lies on the surface now.
    const Table_Scale &scale() const { return scale_; }
    // The zoom the window shows, in percent: the player's choice, or the
    // largest step below it that fits the screen.
    int32_t zoom() const { return zoom_; }

    Table_Surface *surface;
    QLabel *take_lbl;
    // The status line's words: what the screen reader last heard.
    QLabel *status_lbl;
    QMenu *Gm_mnu;
    QMenu *tbl_mnu;
    QMenu *Help_mnu;
    // Deal, Show Rank, Reset Record, the separator line, Exit.
    std::array<QAction *, 5> gm_submnu{};
    // Default, Blue Sky & Sea.
    std::array<QAction *, 2> tbl_submnu{};
    // After a separator: the table's size, and the card decks.
    QAction *zoom_in_item;
    QAction *zoom_out_item;
    QAction *actual_size_item;
    QAction *full_screen_item;
    QMenu *cards_mnu;
    QAction *Help_submnu;
    // Beside the rules: the newcomer's guide, and who made the game.
    QAction *guide_item;
    QAction *about_item;
    Help_Window *Form2;
    Help_Window *guide_window;
    // The table as assistive technology sees it.
    Table_Accessible *table_accessible;
    // The answer shown over a refused card.
    Refusal_Cue *refusal_cue;

  protected:
    void closeEvent(QCloseEvent *event) override;
    // Tooltips and the pointer over the table, and the announcement label's showing.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void build_label();
    void build_view_items();
    void build_menus();
    void build_status_line();
    void build_accessibility();
    void build_cues();
    void show_about();
    // The zoom steps and the screen mode: the player chose `zoom`, or full
    // screen or not; the window shows the largest step that fits and
    // remembers the choice.
    void choose_zoom(int32_t zoom);
    void set_full_screen(bool on);
    // The largest zoom step up to the player's choice that fits the screen.
    void fit_zoom();
    // Lays the table, the label and the window out again at the zoom or in
    // the screen mode now.
    void apply_scale();
    // The announcement label over the table at the scale now.
    void place_label();
    void centre_on_screen();
    // The first showing, as the player last left the table.
    void show_as_chosen();
    // What around the table the screen must also hold: frame, menus, status line.
    Window_Size window_around_table() const;
    // The Cards submenu's items, one per installed deck; a choice redraws the
    // table with that deck at once.
    void list_decks();
    void choose_deck(const Installed_Deck &deck);
    // The game moves on by itself, or waits again: the pointer and the
    // Game menu's items say whether it takes a choice.
    void set_busy(bool busy);
    // The pointer over the table: busy while the game moves on, else over
    // the human's hand whether the card under it may be played.
    void update_pointer();

    Qt_Platform &os_;
    Form1 &form_;
    bool busy_ = false;
    Table_Scale scale_;
    View_Settings view_;
    int32_t zoom_ = actual_size;
    // Whether the next zoom step fits the screen.
    bool can_grow_ = true;
    QShortcut *leave_full_screen_;
    QActionGroup *decks_group_;
    std::vector<Installed_Deck> decks_;
};

} // namespace plenk
