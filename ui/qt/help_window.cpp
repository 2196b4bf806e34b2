#include "ui/qt/help_window.h"

#include "ui/qt/window_constants.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QWindow>

namespace plenk {

QString rules_text() {
    //: One point to a line, so that each rule stands on its own; the window is
    //: small, so the text should be no longer than the English.
    return QCoreApplication::translate(
        "Rules",
        "The aim of the game is to be the first to get rid of all your cards.\n"
        "When the game starts, one card of the deck is turned face up, and its suit becomes "
        "the reference suit.\n"
        "You may only play a card of the reference suit.\n"
        "If you have no card of that suit, you draw from the deck, one card at a time, until "
        "a card of that suit turns up.\n"
        "This drawing is called \"Plenking\".\n"
        "If you cannot plenk because the deck is used up, you take the cards played on the "
        "table instead.\n"
        "Whoever plays the highest card of a round leads the next round, and the suit of the "
        "card led becomes the reference suit for the others.\n"
        "Hint: remember an opponent's \"weakness suit\", so that you can make that player "
        "plenk as often as possible.\n"
        "Hint: once the deck is used up, keep in mind the highest card of each suit that has "
        "already been played.");
}

Help_Window::Help_Window(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Label1(new QLabel(this)) {
    setWindowTitle(QCoreApplication::translate("Window", "How to Play"));
    setFixedSize(help_width, help_height);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(help_rgb));
    setPalette(colours);
    setAutoFillBackground(true);

    Label1->setGeometry(help_text_left, help_text_top, help_text_width, help_text_height);
    QPalette text_colours = Label1->palette();
    text_colours.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(text_colours);
    Label1->setAutoFillBackground(false);
    QFont font;
    // "MS Sans Serif" where it is installed, else its metric-alike.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(help_font_px);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(rules_text());
}

} // namespace plenk

namespace plenk {

void Help_Window::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    const QWidget *game = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    // Wayland lets no program place its windows: the desktop puts a dialog by
    // its parent window.
    if (game == nullptr || QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // Before the desktop has framed this window its frame is unknown; the
    // game window's frame is the best guess at it.
    QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull() && game->windowHandle() != nullptr)
        frame = game->windowHandle()->frameMargins();
    QRect outer = geometry().marginsAdded(frame);
    outer.moveCenter(game->frameGeometry().center());
    setGeometry(outer.marginsRemoved(frame));
}

} // namespace plenk
