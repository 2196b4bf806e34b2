#pragma once

#include "platform/record_lock.h"

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <string>

class QWidget;

namespace plenk {

// One copy of the game to a player record, so that two copies never save
// over each other's results, whatever environment they were given. The first
// holds the record's lock and listens on a local socket beside it, named in
// the lock files; a later copy asks it there to bring its window to the
// front, handing over the token its launcher gave it, which a desktop may ask
// for before it lets a window come forward. A copy that finds the record
// held but no one to ask (a copy in another mount namespace) says so.
class Single_Instance : public QObject {
  public:
    enum class Claim { First, First_Shown, Unanswered };

    // For the record saved to `record_path`.
    explicit Single_Instance(const std::string &record_path);
    ~Single_Instance() override;

    // First when this copy may play: it holds the record, or no lock can be
    // had, which is told once. Else it asks the copy that holds it, waiting a
    // little for one that is still starting.
    Claim claim();
    // Brings the window, or the box it has open, to the front whenever a
    // later copy asks.
    void serve(QWidget *window);
    // A save put a new file in the record's place.
    void record_replaced() { lock_.record_replaced(); }

  private:
    void listen();
    bool ask_to_show(const QString &socket_path);
    bool show_front(const QByteArray &token);

    Record_Lock lock_;
    QLocalServer server_;
    QWidget *window_ = nullptr;
};

} // namespace plenk
