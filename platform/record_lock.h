#pragma once

#include <string>

namespace plenk {

// Keeps a player record to one copy of the game, whatever name or
// environment each copy reaches it by. The locks lie in a folder that is the
// user's alone, so that no one else can make or hold them: one for the
// record's name, keyed by the folder it lies in, which a save's rename leaves
// as it is; one for its file, which its other names share. The system drops
// a lock when its holder ends, however it ends; the holder leaves a note in
// its lock files for later copies, where it listens, and removes its files
// as it ends, also by a signal or through `std::exit` or `std::quick_exit`.
// The record file itself is locked as well, so that copies that do not share
// the lock folder (another mount namespace, another /tmp) still find each
// other; only a writer of the record can take that lock.
class Record_Lock {
  public:
    enum class State { Ours, Another_Copys, Unavailable };

    // Tries to take the lock of the record saved to `record_path`.
    explicit Record_Lock(const std::string &record_path);
    ~Record_Lock();
    Record_Lock(const Record_Lock &) = delete;
    Record_Lock &operator=(const Record_Lock &) = delete;

    State state() const { return state_; }
    // Tries again, as the holder may have ended meanwhile.
    State retry();
    // For the holder: where it may listen, beside its locks.
    std::string socket_path() const;
    // For the holder: replaces the note; false when it could not be written whole.
    bool leave_note(const std::string &note);
    // For another copy: the holder's note; empty until it is whole.
    std::string note() const;
    // After a save put a new file in the record's place: the lock on the
    // record file itself moves to it.
    void record_replaced();

  private:
    void take();
    void release();
    // The file the record's path leads to, links followed; empty when none.
    std::string record_target() const;

    std::string record_path_;
    std::string folder_;
    std::string name_lock_, file_lock_; // paths; the second empty when there is no file yet
    int name_fd_ = -1, file_fd_ = -1;
    int record_fd_ = -1;       // the record file itself, write-locked while it is ours
    int held_by_another_ = -1; // the descriptor of the lock another copy holds
    State state_ = State::Unavailable;
};

// The folder of the user's record locks and of the sockets their holders
// listen on, made when missing: in the runtime folder the system made for
// the user, else in /tmp, the same whatever the environment. Empty when it
// cannot be made the user's alone.
std::string lock_folder();

} // namespace plenk
