#include "ui/qt/help_window.h"

#include "ui/qt/window_constants.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QWindow>

namespace plenk {

Help_Window::Help_Window(QWidget *parent, const QString &title, const QString &text, QSize area,
                         QRect text_box)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Label1(new QLabel(this)) {
    setWindowTitle(title);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(help_rgb));
    setPalette(colours);
    setAutoFillBackground(true);

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
    Label1->setText(text);
    if (text_box.height() == 0) {
        text_box.setHeight(Label1->heightForWidth(text_box.width()));
        area.setHeight(text_box.bottom() + 1 + text_box.top());
    }
    Label1->setGeometry(text_box);
    setFixedSize(area);
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
