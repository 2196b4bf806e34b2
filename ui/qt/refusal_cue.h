#pragma once

#include "ui/qt/window_constants.h"

#include <QTimer>
#include <QWidget>

namespace plenk {

// A refused card's answer for the eye: the reason in a small caption above
// the card, with a pointer down to it, laid over the table like the keyboard's
// mark and gone after a moment. It takes no press and changes no pixel of the
// table's own drawing.
class Refusal_Cue : public QWidget {
  public:
    explicit Refusal_Cue(QWidget *table);

    // Shows `words` over the card's visible part `card`, in window pixels, for
    // refusal_cue_ms, its caption `factor` times its size on a table at its
    // own size; a new refusal replaces the one shown.
    void show_for(QRect card, const QString &words, double factor);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QTimer timer_{this};
    QString words_;
    // Where the pointer's tip touches the card, in the cue's own pixels, and
    // its height.
    int tip_x_ = 0;
    int tip_px_ = cue_tip_px;
};

} // namespace plenk
