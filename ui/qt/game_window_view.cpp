// The game window's view of the table: its zoom, full screen and card deck,
// which the player chooses in the Table menu and finds again at the next start.
#include "ui/qt/game_window.h"

#include "platform/qt/qt_platform.h"
#include "platform/qt/table_surface.h"
#include "ui/qt/refusal_cue.h"
#include "ui/qt/table_accessible.h"
#include "ui/qt/window_constants.h"
#include "ui/qt/window_rect.h"
#include "ui/table_layout.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace plenk {

namespace {

Q_LOGGING_CATEGORY(view_log, "plenk.view", QtWarningMsg)

} // namespace

void Game_Window::build_view_items() {
    tbl_mnu->addSeparator();
    zoom_in_item = tbl_mnu->addAction(QCoreApplication::translate("Window", "Zoom &In"));
    zoom_out_item = tbl_mnu->addAction(QCoreApplication::translate("Window", "Zoom &Out"));
    actual_size_item = tbl_mnu->addAction(QCoreApplication::translate("Window", "&Actual Size"));
    full_screen_item = tbl_mnu->addAction(QCoreApplication::translate("Window", "&Full Screen"));
    tbl_mnu->addSeparator();
    cards_mnu = tbl_mnu->addMenu(QCoreApplication::translate("Window", "&Cards"));
    decks_group_ = new QActionGroup(cards_mnu);

    // Ctrl++ is typed with Shift on most keyboards, where Ctrl+= is the same key without it.
    zoom_in_item->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoom_out_item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    actual_size_item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    full_screen_item->setShortcut(QKeySequence(Qt::Key_F11));
    full_screen_item->setCheckable(true);
    leave_full_screen_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leave_full_screen_->setEnabled(false);

    connect(zoom_in_item, &QAction::triggered, this, [this] { choose_zoom(zoom_in(zoom_)); });
    connect(zoom_out_item, &QAction::triggered, this, [this] { choose_zoom(zoom_out(zoom_)); });
    connect(actual_size_item, &QAction::triggered, this, [this] { choose_zoom(actual_size); });
    connect(full_screen_item, &QAction::toggled, this, &Game_Window::set_full_screen);
    connect(leave_full_screen_, &QShortcut::activated, this,
            [this] { full_screen_item->setChecked(false); });
    // Read when the player first looks, not at every start.
    connect(cards_mnu, &QMenu::aboutToShow, this, &Game_Window::list_decks);
}

Window_Size Game_Window::window_around_table() const {
    // Before the window is first shown the desktop's frame is not known; a
    // title bar and borders of the usual size stand for it.
    const QSize frame = frameGeometry().size() - geometry().size();
    const bool framed = isVisible() && !frame.isEmpty();
    return {framed ? frame.width() : frame_allowance_width,
            menuBar()->sizeHint().height() + statusBar()->sizeHint().height() +
                (framed ? frame.height() : frame_allowance_height)};
}

void Game_Window::place_label() {
    take_lbl->setGeometry(window_rect(scale_, label_rect()));
    QFont font;
    // "Times New Roman" where it is installed, else its metric-alike.
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(label_font_px * scale_.factor))));
    font.setBold(true);
    take_lbl->setFont(font);
    take_lbl->setLineWidth(std::max(1, static_cast<int>(std::lround(scale_.factor))));
}

void Game_Window::fit_zoom() {
    const QSize free = screen()->availableGeometry().size();
    const Window_Size around = window_around_table(), room{free.width(), free.height()};
    zoom_ = fitting_zoom(view_.zoom, around, room);
    can_grow_ = fitting_zoom(zoom_in(zoom_), around, room) > zoom_;
}

void Game_Window::apply_scale() {
    const bool windowed = !view_.full_screen;
    zoom_in_item->setEnabled(windowed && can_grow_);
    zoom_out_item->setEnabled(windowed && zoom_out(zoom_) < zoom_);
    actual_size_item->setEnabled(windowed && zoom_ != actual_size);
    if (!windowed) {
        // The surface takes the whole screen below the menus; its resizing lays the table.
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        for (QWidget *grows : {static_cast<QWidget *>(this), static_cast<QWidget *>(surface)}) {
            grows->setMinimumSize(0, 0);
            grows->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        return;
    }
    scale_ = zoom_scale(zoom_);
    const Window_Size table = table_size_at(zoom_);
    surface->setFixedSize(table.width, table.height);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    place_label();
    surface->redraw();
    refusal_cue->hide();
    adjustSize();
}

void Game_Window::choose_zoom(int32_t zoom) {
    view_.zoom = zoom;
    fit_zoom();
    apply_scale();
    // Kept on the screen, as near as it was.
    const QRect room = screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveLeft(std::clamp(frame.left(), room.left(),
                              std::max(room.left(), room.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), room.top(),
                             std::max(room.top(), room.bottom() - frame.height() + 1)));
    move(frame.topLeft());
    table_accessible->refresh();
    save_view_settings(view_);
}

void Game_Window::set_full_screen(bool on) {
    if (on == view_.full_screen)
        return;
    view_.full_screen = on;
    leave_full_screen_->setEnabled(on);
    if (on) {
        apply_scale();
        showFullScreen();
    } else {
        showNormal();
        fit_zoom();
        apply_scale();
        centre_on_screen();
    }
    save_view_settings(view_);
}

void Game_Window::list_decks() {
    if (!decks_.empty())
        return;
    decks_ = installed_decks(QLocale());
    const QString current =
        view_.deck.isEmpty() ? QString::fromLatin1(standard_deck_id) : view_.deck;
    for (const Installed_Deck &deck : decks_) {
        QAction *item = cards_mnu->addAction(deck.name);
        item->setCheckable(true);
        item->setChecked(deck.id == current);
        decks_group_->addAction(item);
        connect(item, &QAction::triggered, this, [this, deck] { choose_deck(deck); });
    }
    if (decks_.empty())
        cards_mnu->addAction(QCoreApplication::translate("Window", "No card decks installed"))
            ->setEnabled(false);
}

void Game_Window::choose_deck(const Installed_Deck &deck) {
    view_.deck = deck.id;
    os_.deck().set_path(deck.svg);
    surface->redraw();
    save_view_settings(view_);
}

void Game_Window::centre_on_screen() {
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

void Game_Window::show_as_chosen() {
    view_ = load_view_settings();
    if (!view_.deck.isEmpty() && view_.deck != QLatin1String(standard_deck_id)) {
        const std::vector<Installed_Deck> decks = installed_decks(QLocale());
        const auto chosen =
            std::find_if(decks.begin(), decks.end(),
                         [this](const Installed_Deck &d) { return d.id == view_.deck; });
        if (chosen != decks.end()) {
            os_.deck().set_path(chosen->svg);
        } else {
            qCWarning(view_log) << "the deck" << view_.deck
                                << "is not installed - the standard deck";
            view_.deck.clear();
        }
    }
    const bool full_screen = view_.full_screen;
    view_.full_screen = false;
    fit_zoom();
    apply_scale();
    centre_on_screen();
    show();
    if (full_screen)
        full_screen_item->setChecked(true);
}

} // namespace plenk
