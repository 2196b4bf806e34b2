#include "platform/record_lock.h"

#include "platform/file_services.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {

namespace {

// The lock file beside the record's file, the user's own: one another user
// made first in a shared folder is not used.
int open_lock_file(const std::string &target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string path = folder + ".plenk-lock." + target.substr(slash + 1);
    const int fd = ::open(path.c_str(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    struct stat info {};
    if (fd >= 0 &&
        (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

Record_Lock::Record_Lock(const std::string &record_path) : record_path_(record_path) {
    take();
}

Record_Lock::~Record_Lock() {
    if (fd_ >= 0)
        ::close(fd_);
}

void Record_Lock::take() {
    state_ = State::Unavailable;
    if (fd_ < 0) {
        const std::string target = record_path_.empty() ? "" : link_target(record_path_);
        if (target.empty())
            return;
        fd_ = open_lock_file(target);
        // Else the record itself, where it exists. Where its folder takes no
        // new file it is saved in place and the lock stays on it.
        on_record_ = fd_ < 0;
        if (on_record_)
            fd_ = ::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0)
            return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
        state_ = State::Ours;
    else if (errno == EWOULDBLOCK)
        state_ = State::Another_Copys;
}

Record_Lock::State Record_Lock::retry() {
    take();
    return state_;
}

void Record_Lock::leave_note(const std::string &note) {
    if (state_ != State::Ours || on_record_)
        return;
    const std::string line = note + "\n";
    if (::ftruncate(fd_, 0) == 0)
        (void)!::pwrite(fd_, line.data(), line.size(), 0);
}

std::string Record_Lock::note() const {
    if (fd_ < 0 || on_record_)
        return {};
    char buffer[4096];
    const ssize_t n = ::pread(fd_, buffer, sizeof buffer, 0);
    const std::string text(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    const std::size_t end = text.find('\n');
    return end == std::string::npos ? std::string() : text.substr(0, end);
}

} // namespace plenk
