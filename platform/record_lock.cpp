#include "platform/record_lock.h"

#include "platform/file_services.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {

namespace {

constexpr mode_t private_folder_mode = 0700;
constexpr mode_t lock_file_mode = 0600;
// How often a lock is tried again when its file was removed under it by a
// holder that ended meanwhile.
constexpr int lock_tries = 8;
constexpr std::size_t note_most = 4096;
constexpr int ending_signals[] = {SIGTERM, SIGHUP, SIGINT};

// What the holder removes as it ends, as plain characters that a signal
// handler may use.
struct Leftovers {
    pid_t owner = 0;
    char socket[PATH_MAX] = {};
    char name_lock[PATH_MAX] = {};
    char file_lock[PATH_MAX] = {};
    char folder[PATH_MAX] = {};
};
Leftovers leftovers;

void keep(char (&to)[PATH_MAX], const std::string &path) {
    to[path.copy(to, PATH_MAX - 1)] = '\0';
}

// The socket before the locks: a later copy that finds no lock makes its own
// socket there.
void remove_files(const char *socket, const char *name_lock, const char *file_lock,
                  const char *folder) {
    ::unlink(socket);
    if (file_lock[0] != '\0')
        ::unlink(file_lock);
    ::unlink(name_lock);
    ::rmdir(folder); // only once no other copy's files are in it
}

// Not in a child forked after the lock was taken, which holds none of its own.
void remove_leftovers() {
    if (leftovers.owner != ::getpid())
        return;
    leftovers.owner = 0;
    remove_files(leftovers.socket, leftovers.name_lock, leftovers.file_lock, leftovers.folder);
}

void end_by_signal(int signal) {
    remove_leftovers();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Once for the process, for every way it may end but a kill: a return from
// main or std::exit (as Qt's X11 plugin calls when the display is gone),
// std::quick_exit, and the signals that end a program, where nothing else
// handles or ignores them.
void remove_leftovers_at_end() {
    static const bool registered = [] {
        std::atexit(remove_leftovers);
        std::at_quick_exit(remove_leftovers);
        for (const int signal : ending_signals) {
            struct sigaction was {};
            if (::sigaction(signal, nullptr, &was) != 0 || was.sa_handler != SIG_DFL)
                continue;
            struct sigaction handler {};
            handler.sa_handler = end_by_signal;
            sigemptyset(&handler.sa_mask);
            ::sigaction(signal, &handler, nullptr);
        }
        return true;
    }();
    (void)registered;
}

bool private_folder(const std::string &path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

std::string hex(uint64_t value) {
    char digits[17];
    std::snprintf(digits, sizeof digits, "%llx", static_cast<unsigned long long>(value));
    return digits;
}

// FNV-1a: a short name for a file name of any length and bytes.
uint64_t name_hash(const std::string &name) {
    uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : name)
        hash = (hash ^ c) * 1099511628211ULL;
    return hash;
}

// Locks the file at `path`, made when missing if `make`, leaving it open in
// `fd` when another copy holds it. A lock counts only on the file the name
// still has: a holder removes its file as it ends.
Record_Lock::State lock(const std::string &path, int &fd, bool make) {
    for (int tries = 0; tries < lock_tries; ++tries) {
        fd = ::open(path.c_str(),
                    O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (make ? O_CREAT : 0),
                    lock_file_mode);
        // The folder is gone, removed by a holder that ended: made again.
        if (fd < 0 && errno == ENOENT && make && !lock_folder().empty())
            continue;
        if (fd < 0)
            return Record_Lock::State::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
            return errno == EWOULDBLOCK ? Record_Lock::State::Another_Copys
                                        : Record_Lock::State::Unavailable;
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return Record_Lock::State::Ours;
        ::close(fd);
        fd = -1;
    }
    return Record_Lock::State::Unavailable;
}

// A write lock on the record file itself, which every copy that sees the
// record sees too, whatever its mount namespace or runtime folder. Only a
// writer of the record can take a write lock, so no other user can hold it
// against the game; a reader's lock on it is no copy of the game's and
// leaves the record unlocked this way.
Record_Lock::State lock_record_file(const std::string &target, int &fd) {
    fd = ::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)))
        ::close(fd), fd = -1;
    if (fd < 0)
        return Record_Lock::State::Unavailable;
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
        return Record_Lock::State::Ours;
    struct flock held {};
    held.l_type = F_WRLCK;
    held.l_whence = SEEK_SET;
    const bool by_a_copy = ::fcntl(fd, F_OFD_GETLK, &held) == 0 && held.l_type == F_WRLCK;
    ::close(fd), fd = -1;
    return by_a_copy ? Record_Lock::State::Another_Copys : Record_Lock::State::Unavailable;
}

// Removes what the user's copies killed outright left: each lock no one
// holds, and the socket beside it.
void remove_dead_copies_files(const std::string &folder) {
    std::error_code failed;
    for (std::filesystem::directory_iterator it(folder, failed), end; !failed && it != end;
         it.increment(failed)) {
        const std::string path = it->path().string();
        if (!path.ends_with(".lock"))
            continue;
        int fd = -1;
        if (lock(path, fd, false) == Record_Lock::State::Ours) {
            ::unlink((path.substr(0, path.size() - 5) + ".socket").c_str());
            ::unlink(path.c_str());
        }
        if (fd >= 0)
            ::close(fd);
    }
}

} // namespace

std::string lock_folder() {
    const std::string user = std::to_string(::geteuid());
    const std::string runtime = "/run/user/" + user;
    const std::string folder =
        private_folder(runtime) ? runtime + "/plenk" : "/tmp/plenk-locks-" + user;
    ::mkdir(folder.c_str(), private_folder_mode);
    return private_folder(folder) ? folder : std::string();
}

Record_Lock::Record_Lock(const std::string &record_path) : record_path_(record_path) {
    take();
}

Record_Lock::~Record_Lock() {
    if (state_ == State::Ours) {
        if (leftovers.owner == ::getpid() && name_lock_ == leftovers.name_lock)
            leftovers.owner = 0;
        remove_files(socket_path().c_str(), name_lock_.c_str(), file_lock_.c_str(),
                     folder_.c_str());
    }
    release();
}

void Record_Lock::release() {
    for (int *fd : {&name_fd_, &file_fd_, &record_fd_})
        if (*fd >= 0)
            ::close(*fd), *fd = -1;
    held_by_another_ = -1;
}

void Record_Lock::take() {
    release();
    state_ = State::Unavailable;
    const std::string target = record_target();
    const std::size_t slash = target.rfind('/');
    struct stat folder {
    }, file{};
    if (target.empty() || ::stat(folder_of(target).c_str(), &folder) != 0)
        return;
    // A copy beyond this one's lock folder, in a mount namespace of its own,
    // may play on the record: then this one does not, and cannot reach it.
    const auto another_beyond = [&] {
        return lock_record_file(target, record_fd_) == State::Another_Copys;
    };
    folder_ = lock_folder();
    if (folder_.empty()) {
        if (another_beyond())
            state_ = State::Another_Copys;
        return;
    }
    const std::string name = target.substr(slash + 1);
    name_lock_ = folder_ + "/name-" + hex(folder.st_dev) + "-" + hex(folder.st_ino) + "-" +
                 hex(name_hash(name)) + ".lock";
    // A record of several names is locked by its file too. A save writes such
    // a file in place, so the file stays the one locked; a record of one name
    // is replaced by a save, and a lock on its old file would outlive it and
    // stand for whichever new file the system gives that number next.
    file_lock_ = ::stat(target.c_str(), &file) == 0 && S_ISREG(file.st_mode) && file.st_nlink > 1
                     ? folder_ + "/file-" + hex(file.st_dev) + "-" + hex(file.st_ino) + ".lock"
                     : std::string();
    state_ = lock(name_lock_, name_fd_, true);
    if (state_ == State::Another_Copys)
        held_by_another_ = name_fd_;
    if (state_ == State::Unavailable && another_beyond())
        state_ = State::Another_Copys;
    if (state_ != State::Ours)
        return;
    const State of_file =
        file_lock_.empty() ? State::Unavailable : lock(file_lock_, file_fd_, true);
    if (of_file == State::Another_Copys) {
        // The same file by another name: its copy plays on it.
        ::unlink(name_lock_.c_str());
        state_ = of_file;
        held_by_another_ = file_fd_;
        return;
    }
    if (of_file == State::Unavailable)
        file_lock_.clear();
    if (another_beyond()) {
        ::unlink(name_lock_.c_str());
        if (!file_lock_.empty())
            ::unlink(file_lock_.c_str());
        release();
        state_ = State::Another_Copys;
        return;
    }
    remove_dead_copies_files(folder_);
    keep(leftovers.socket, socket_path());
    keep(leftovers.name_lock, name_lock_);
    keep(leftovers.file_lock, file_lock_);
    keep(leftovers.folder, folder_);
    leftovers.owner = ::getpid();
    remove_leftovers_at_end();
}

std::string Record_Lock::record_target() const {
    return record_path_.empty() ? "" : link_target(record_path_);
}

void Record_Lock::record_replaced() {
    if (record_fd_ >= 0)
        ::close(record_fd_), record_fd_ = -1;
    const std::string target = record_target();
    if (!target.empty())
        lock_record_file(target, record_fd_);
}

Record_Lock::State Record_Lock::retry() {
    take();
    return state_;
}

std::string Record_Lock::socket_path() const {
    return name_lock_.substr(0, name_lock_.size() - 5) + ".socket";
}

bool Record_Lock::leave_note(const std::string &note) {
    if (state_ != State::Ours)
        return false;
    const std::string line = note + "\n";
    bool written = true;
    for (const int fd : {name_fd_, file_fd_})
        if (fd >= 0)
            written =
                ::ftruncate(fd, 0) == 0 &&
                ::pwrite(fd, line.data(), line.size(), 0) == static_cast<ssize_t>(line.size()) &&
                written;
    return written;
}

std::string Record_Lock::note() const {
    if (held_by_another_ < 0)
        return {};
    char buffer[note_most];
    const ssize_t n = ::pread(held_by_another_, buffer, sizeof buffer, 0);
    const std::string text(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    const std::size_t end = text.find('\n');
    return end == std::string::npos ? std::string() : text.substr(0, end);
}

} // namespace plenk
