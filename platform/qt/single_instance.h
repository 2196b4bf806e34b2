#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QWidget;

namespace plenk {

// One copy of the game at a time for a user, so that two copies never save
// over each other's results: the first holds a lock file in the user's
// runtime folder and listens on a local socket beside it; a later copy asks
// it there to bring its window to the front.
class Single_Instance : public QObject {
public:
    Single_Instance();

    // True for the first copy, which then answers the later ones.
    bool claim();
    // For a later copy: asks the first to show itself; false when it does
    // not answer.
    bool ask_first_to_show();
    // Brings the window, or the box it has open, to the front whenever a
    // later copy asks.
    void serve(QWidget* window);

private:
    QString lock_path_;
    QString socket_path_;
    QLockFile lock_;
    QLocalServer server_;
    QWidget* window_ = nullptr;
};

} // namespace plenk
