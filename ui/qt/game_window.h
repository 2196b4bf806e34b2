#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;

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
    // start) before the window first appears, centred on the screen.
    void start();

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
    void build_menus();
    void build_status_line();
    void build_accessibility();
    void build_cues();
    void show_about();
    // The game moves on by itself, or waits again: the pointer and the
    // Game menu's items say whether it takes a choice.
    void set_busy(bool busy);
    // The pointer over the table: busy while the game moves on, else over
    // the human's hand whether the card under it may be played.
    void update_pointer();

    Form1 &form_;
    bool busy_ = false;
};

} // namespace plenk
