#pragma once

#include <string>

namespace plenk {

// Keeps a player record to one copy of the game, whatever environment each
// copy runs in: a lock on a file beside the record, or on the record itself
// where no such file of the user's own can be made. The system drops the lock
// when its holder ends, however it ends. The holder leaves a note in the lock
// file for later copies: where it listens.
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
    // For the holder: replaces the note.
    void leave_note(const std::string &note);
    // For another copy: the holder's note; empty until it is whole.
    std::string note() const;

  private:
    void take();

    std::string record_path_;
    int fd_ = -1;
    bool on_record_ = false; // no note can be left on the record itself
    State state_ = State::Unavailable;
};

} // namespace plenk
