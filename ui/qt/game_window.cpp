#include "ui/qt/game_window.h"

#include "game/human_selection.h"
#include "game/table_constants.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/table_surface.h"
#include "platform/qt/translation.h"
#include "ui/form1.h"
#include "ui/qt/check_item_accessible.h"
#include "ui/qt/game_icon.h"
#include "ui/qt/help_texts.h"
#include "ui/qt/help_window.h"
#include "ui/qt/menu_bar_style.h"
#include "ui/qt/refusal_cue.h"
#include "ui/qt/table_accessible.h"
#include "ui/qt/window_constants.h"
#include "ui/qt/window_rect.h"
#include "ui/table_layout.h"
#include "ui/table_sentences.h"
#include "ui/table_words.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

namespace plenk {

namespace {

const QString window_caption = QStringLiteral("Plenk Ver. 1.10 (made by the Plenk team)");

int16_t index_of(const QAction *action) {
    return static_cast<int16_t>(action->data().toInt());
}

} // namespace

Game_Window::Game_Window(Qt_Platform &os, Form1 &form)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      os_(os), form_(form) {
    surface =
        new Table_Surface(os.deck(), QSize(table_width, table_height), placement_by(scale_), this);
    setWindowTitle(window_caption);
    // The icon belongs to the whole program, the name prompt before the window included.
    QApplication::setWindowIcon(game_icon());
    setCentralWidget(surface);
    build_label();
    Form2 =
        new Help_Window(this, QCoreApplication::translate("Window", "How to Play"), rules_text(),
                        QSize(help_width, help_height),
                        QRect(help_text_left, help_text_top, help_text_width, help_text_height));
    guide_window = new Help_Window(this, QCoreApplication::translate("Window", "Getting Started"),
                                   guide_text(), QSize(guide_width, 0),
                                   QRect(help_text_left, help_text_top, guide_text_width, 0));
    build_menus();
    build_status_line();
    build_accessibility();
    build_cues();
    // The window is exactly the menu bar over the table over the status
    // line, and stays so, until the player asks for another size.
    apply_scale();

    // Any button plays: which one, and the keys held, do not matter.
    surface->on_mouse_down([this](QPointF at) {
        const Table_Point p = scale_.to_table(at.x(), at.y());
        form_.Form_MouseDown(p.x, p.y);
        table_accessible->refresh();
    });
    surface->on_key([this](QKeyEvent *event) {
        // The letters that read the table act without modifiers only.
        const int key = event->modifiers() == Qt::NoModifier || event->key() < Qt::Key_A ||
                                event->key() > Qt::Key_Z
                            ? event->key()
                            : Qt::Key_unknown;
        switch (key) {
        case Qt::Key_Left:
            form_.Form_KeyDown(Hand_Key::Left);
            break;
        case Qt::Key_Right:
            form_.Form_KeyDown(Hand_Key::Right);
            break;
        case Qt::Key_Home:
            form_.Form_KeyDown(Hand_Key::First);
            break;
        case Qt::Key_End:
            form_.Form_KeyDown(Hand_Key::Last);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            form_.Form_KeyDown(Hand_Key::Play);
            break;
        case Qt::Key_T:
            form_.Form_Ask(Table_Question::Table_Cards);
            break;
        case Qt::Key_C:
            form_.Form_Ask(Table_Question::Seat_Counts);
            break;
        case Qt::Key_S:
            form_.Form_Ask(Table_Question::Centre);
            break;
        case Qt::Key_L:
            form_.Form_Ask(Table_Question::Last_Round);
            break;
        default:
            event->ignore();
            break;
        }
        table_accessible->refresh();
    });
    surface->setFocus();
    os.attach(Window_Parts{this, surface, take_lbl, tbl_submnu, Form2});
}

void Game_Window::build_label() {
    // Never seen: the game sets the text before it shows the label.
    take_lbl = new QLabel(QCoreApplication::translate("Window", "COM 2 Takes All Cards"), surface);
    take_lbl->setTextFormat(Qt::PlainText);
    take_lbl->setAlignment(Qt::AlignCenter);
    take_lbl->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette colours = take_lbl->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(label_text_rgb));
    colours.setColor(QPalette::Window, Qt::black);
    take_lbl->setPalette(colours);
    take_lbl->setAutoFillBackground(true);
    take_lbl->hide();
}

void Game_Window::build_menus() {
    Gm_mnu = menuBar()->addMenu(QCoreApplication::translate("Window", "&Game"));
    gm_submnu[0] = Gm_mnu->addAction(QCoreApplication::translate("Window", "&Deal"));
    gm_submnu[1] = Gm_mnu->addAction(QCoreApplication::translate("Window", "&Show Rank"));
    gm_submnu[2] = Gm_mnu->addAction(QCoreApplication::translate("Window", "&Reset Record"));
    gm_submnu[3] = Gm_mnu->addSeparator();
    gm_submnu[4] = Gm_mnu->addAction(QCoreApplication::translate("Window", "&Exit"));

    tbl_mnu = menuBar()->addMenu(QCoreApplication::translate("Window", "&Table"));
    tbl_submnu[0] = tbl_mnu->addAction(QCoreApplication::translate("Window", "Default"));
    //: "&&" shows a plain "&": the item has no access key.
    tbl_submnu[1] = tbl_mnu->addAction(QCoreApplication::translate("Window", "Blue Sky && Sea"));
    build_view_items();

    Help_mnu = menuBar()->addMenu(QCoreApplication::translate("Window", "&Help"));
    Help_submnu = Help_mnu->addAction(QCoreApplication::translate("Window", "How to Play"));
    guide_item = Help_mnu->addAction(QCoreApplication::translate("Window", "&Getting Started"));
    Help_mnu->addSeparator();
    about_item = Help_mnu->addAction(QCoreApplication::translate("Window", "&About Plenk"));

    for (std::size_t i = 0; i < gm_submnu.size(); ++i)
        gm_submnu[i]->setData(static_cast<int>(i));
    for (std::size_t i = 0; i < tbl_submnu.size(); ++i) {
        tbl_submnu[i]->setData(static_cast<int>(i));
        // Not grouped exclusively, so that neither item can be checked.
        tbl_submnu[i]->setCheckable(true);
    }
    tbl_submnu[0]->setChecked(true);
    // The desktop's usual keys, beside the access keys of the captions.
    gm_submnu[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    gm_submnu[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Help_submnu->setShortcut(QKeySequence(Qt::Key_F1));

    connect(Gm_mnu, &QMenu::triggered, this, [this](QAction *action) {
        form_.gm_submnu_Click(index_of(action));
        // The game may have ended, or begun, with the table as it was drawn.
        table_accessible->refresh();
    });
    for (QAction *action : tbl_submnu)
        connect(action, &QAction::triggered, this, [this, action] {
            // Qt flips a checkable item before reporting the choice; the game
            // sets the marks itself, and first reads them as they were.
            action->setChecked(!action->isChecked());
            form_.tbl_submnu_Click(index_of(action));
        });
    connect(Help_submnu, &QAction::triggered, this, [this] { form_.Help_submnu_Click(); });
    // Pages to read, with nothing of the game in them: the window shows them
    // itself, and the game waits while one is open, as for the rules.
    connect(guide_item, &QAction::triggered, guide_window, &QDialog::exec);
    connect(about_item, &QAction::triggered, this, &Game_Window::show_about);

    // However a menu closes, the keys go back to the table, unless another
    // menu of the bar opened or a box took them.
    for (QMenu *menu : {Gm_mnu, tbl_mnu, cards_mnu, Help_mnu})
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::activePopupWidget() == nullptr && menuBar()->hasFocus())
                    surface->setFocus(Qt::OtherFocusReason);
            });
        });
    auto *style = new Menu_Bar_Style;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
}

void Game_Window::show_about() {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("Window", "About Plenk"),
                    about_text(), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(game_icon().pixmap(about_icon_px));
    box.exec();
}

void Game_Window::build_status_line() {
    // Words only: it takes no focus, and its grip would offer a size the
    // window does not take.
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFocusPolicy(Qt::NoFocus);
    // A label of the bar's own, not the bar's passing message, which any
    // menu item under the pointer would wipe. Its text never widens the
    // window.
    status_lbl = new QLabel(statusBar());
    status_lbl->setTextFormat(Qt::PlainText);
    status_lbl->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(status_lbl, 1);
}

void Game_Window::build_accessibility() {
    install_check_item_accessible();
    table_accessible = new Table_Accessible(
        surface, scale_, [this] { return table_words(form_.state(), form_.awaiting_human()); },
        [this] { return int{form_.marked_slot()}; });
    // Registered before anyone asks, so that the table is always seen this way;
    // the cache deletes it with the surface.
    QAccessible::registerAccessibleInterface(table_accessible);
    surface->on_change([this] { table_accessible->refresh(); });
    // The status line shows what the screen reader hears, as it is said.
    form_.on_announce([this](const Text &words) {
        const QString said = translated(words);
        status_lbl->setText(said);
        // Painted now: a pause that follows handles no paint events.
        status_lbl->repaint();
        table_accessible->announce(said);
    });
    surface->installEventFilter(this);
    take_lbl->installEventFilter(this);
}

void Game_Window::build_cues() {
    refusal_cue = new Refusal_Cue(surface);
    surface->setMouseTracking(true);
    form_.on_busy([this](bool busy) { set_busy(busy); });
    form_.on_refused([this](int16_t slot, const Text &words) {
        refusal_cue->show_for(window_rect(scale_, shown_rect(form_.state(), 0, slot)),
                              translated(words), scale_.factor);
    });
}

void Game_Window::set_busy(bool busy) {
    busy_ = busy;
    // What was said of the table as it was goes with it.
    if (busy) {
        refusal_cue->hide();
        QToolTip::hideText();
    }
    // Exit is always taken.
    for (QAction *item : {gm_submnu[0], gm_submnu[1], gm_submnu[2]})
        item->setEnabled(!busy);
    update_pointer();
}

void Game_Window::update_pointer() {
    Qt::CursorShape shape = busy_ ? Qt::WaitCursor : Qt::ArrowCursor;
    const QPoint at = surface->mapFromGlobal(QCursor::pos());
    if (!busy_ && form_.awaiting_human()) {
        const Game_State &g = form_.state();
        const Table_Point p = scale_.to_table(at.x(), at.y());
        const int16_t slot = slot_under_press(g, p.x, p.y);
        if (slot >= 0)
            shape = human_may_play_slot(g, slot) ? Qt::PointingHandCursor : Qt::ForbiddenCursor;
    }
    surface->setCursor(shape);
}

bool Game_Window::eventFilter(QObject *watched, QEvent *event) {
    if (watched == take_lbl && event->type() == QEvent::Show) {
        status_lbl->setText(take_lbl->text());
        table_accessible->announce(take_lbl->text());
    }
    if (watched == surface && event->type() == QEvent::Resize && view_.full_screen) {
        // The table as large as the screen allows, before the surface lays it anew.
        const QSize area = static_cast<QResizeEvent *>(event)->size();
        scale_ = filling_scale({area.width(), area.height()});
        place_label();
    }
    if (watched == surface &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        update_pointer();
    if (watched == surface && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const Game_State &g = form_.state();
        const Table_Words words = table_words(g, form_.awaiting_human());
        const Table_Point p = scale_.to_table(help->pos().x(), help->pos().y());
        const int i = thing_at(words, p.x, p.y);
        if (words.things.empty()) {
            // Nothing dealt yet: the whole table says how to start.
            QToolTip::showText(help->globalPos(), translated(words.description), surface,
                               surface->rect());
        } else if (i < 0) {
            QToolTip::hideText();
        } else {
            const Table_Thing &t = words.things[static_cast<std::size_t>(i)];
            // A card of the hand that may not be played says why, as a press on it would.
            const bool refused =
                t.kind == Thing_Kind::Hand_Card && form_.awaiting_human() && !t.playable;
            QToolTip::showText(
                help->globalPos(),
                translated(refused ? refused_words(g.seat[0].card[static_cast<std::size_t>(i)],
                                                   g.lead_suit)
                                   : t.name),
                surface, window_rect(scale_, {t.x, t.y, t.width, t.height}));
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Game_Window::start() {
    form_.Form_Load();
    // A screen reader asking as the window shows hears the loaded game's table.
    table_accessible->refresh();
    // Before the first deal the table says how to start.
    status_lbl->setText(translated(table_words(form_.state(), form_.awaiting_human()).description));
    show_as_chosen();
}

void Game_Window::closeEvent(QCloseEvent *) {
    form_.Form_Unload();
}

} // namespace plenk
