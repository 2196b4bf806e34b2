#include "tests/qt/qt_support.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"
#include "platform/file_services.h"
#include "platform/qt/table_surface.h"
#include "record/player_record.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace plenk::test {

void ensure_application() {
    static int argc = 1;
    static char name[] = "plenk_qt_test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

void write_record(const QString& folder, const std::string& name) {
    Player_Record record;
    record.player_name = make_player_name(name);
    if (!write_file_start((folder + "/data.dat").toStdString(), encode_record(record)).empty())
        throw std::runtime_error("cannot write data.dat");
}

void Quick_Clock_Platform::pump_events(int32_t wait_ms) {
    Qt_Platform::pump_events(0);
    now += static_cast<uint32_t>(std::max(wait_ms, 0));
}

Game_Table::Game_Table(bool record) : Game_Table(QString()) {
    if (record) write_record(folder, "Ann");
}

Game_Table::Game_Table(const QString& given) : folder(given.isEmpty() ? own_folder.path() : given) {
    ensure_application();
    os = std::make_unique<Quick_Clock_Platform>(folder.toStdString());
    form = std::make_unique<Form1>(*os);
    window = std::make_unique<Game_Window>(*os, *form);
}

QImage Game_Table::grab_table() const {
    return window->surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int16_t Game_Table::legal_slot() const {
    const Game_State& g = form->state();
    for (int16_t slot = 0; slot < Card_Empty_Slot(g, 0); ++slot)
        if (g.lead_suit == -1 || Get_Suit(g.seat[0].card[slot]) == g.lead_suit) return slot;
    return -1;
}

void Game_Table::press_slot(int16_t slot) {
    const Game_State& g = form->state();
    const int left = nearest(g.seat[0].hand_x - (Card_Empty_Slot(g, 0) - 1) * card_step / 2.0);
    const int top = nearest(g.seat[0].hand_y - g.card_h / 2.0);
    QTest::mouseClick(window->surface, Qt::LeftButton, {}, QPoint(left + card_step * slot + 3, top + 10));
}

Box_Answerer::Box_Answerer(QMessageBox::StandardButton answer, QString name) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer, name] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        auto* prompt = qobject_cast<QInputDialog*>(modal);
        if (box == nullptr && prompt == nullptr) return;
        ++boxes_;
        title_ = modal->windowTitle();
        text_ = box != nullptr ? box->text() : prompt->labelText();
        if (on_box) on_box();
        if (prompt != nullptr) prompt->setTextValue(name);
        QAbstractButton* button = box == nullptr ? prompt->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)
                                  : box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)
                                                                            : box->button(answer);
        ASSERT_NE(button, nullptr) << "no button to answer " << title_.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    timer_.start(20);
}

void repeat_until(std::function<bool()> step, QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, step = std::move(step)] {
        if (!step()) return;
        timer->stop();
        timer->deleteLater();
    });
    timer->start(0);
}

} // namespace plenk::test
