#pragma once

#include <QDialog>

class QLabel;

namespace plenk {

// A page of help: white text on dark green, closed with its close box.
class Help_Window : public QDialog {
  public:
    // `area` is the drawing area and `text_box` the text's place in it; a
    // text box of no height grows the window to hold the whole text.
    Help_Window(QWidget *parent, const QString &title, const QString &text, QSize area,
                QRect text_box);

    QLabel *Label1;

  protected:
    // Centred over the game window each time it opens, once its size is final.
    void showEvent(QShowEvent *event) override;
};

} // namespace plenk
