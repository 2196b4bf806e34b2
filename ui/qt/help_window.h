#pragma once

#include <QDialog>

class QLabel;

namespace plenk {

// "How to Play": the rules on dark green, closed with its close box.
class Help_Window : public QDialog {
  public:
    explicit Help_Window(QWidget *parent = nullptr);

    QLabel *Label1;

  protected:
    // Centred over the game window each time it opens, once its size is final.
    void showEvent(QShowEvent *event) override;
};

// The rules of the game, one point a sentence.
QString rules_text();

} // namespace plenk
