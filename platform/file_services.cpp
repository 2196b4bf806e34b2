#include "platform/file_services.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {

namespace {

// Stands for a reason the system has no number for.
constexpr int not_ordinary = -1;

// Every temporary file the game makes starts so, and no file of the user's
// does: only such files are ever cleaned away.
constexpr const char *temporary_prefix = ".plenk-temp.";
constexpr std::size_t temporary_suffix = 6; // what mkostemp puts for XXXXXX
constexpr mode_t new_record_mode = 0644;

std::string reason_of(int error) {
    return error == not_ordinary ? "not an ordinary file" : std::strerror(error);
}

bool write_all(int fd, const uint8_t *data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

// The file the path names once every link is followed, also when the last
// link dangles; false with the reason when the links go round, or when a link
// is another user's: one planted in a shared folder is never followed, save
// root's, as the kernel does in sticky folders.
bool final_target(const std::string &path, std::string &target, int &error) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            error = errno;
            return error == ENOENT;
        }
        if (!S_ISLNK(info.st_mode))
            return true;
        if (info.st_uid != ::geteuid() && info.st_uid != 0) {
            error = EACCES;
            return false;
        }
        std::string to(static_cast<std::size_t>(info.st_size) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), to.data(), to.size());
        if (n < 0) {
            error = errno;
            return false;
        }
        to.resize(static_cast<std::size_t>(n));
        target = to.starts_with('/') ? to : folder_of(target) + to;
    }
    error = ELOOP;
    return false;
}

// Opens an ordinary file, never anything else: the type is checked before
// opening, as opening a device may act on it, and again on what was opened.
// The file is opened by the name the links lead to, and not through a link
// put there since. Not blocking, a pipe put there in between cannot hold
// the open.
int open_ordinary(const std::string &path, int flags, struct stat &info, int &error) {
    std::string target;
    if (!final_target(path, target, error))
        return -1;
    if (::lstat(target.c_str(), &info) != 0) {
        error = errno;
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : not_ordinary;
        return -1;
    }
    int fd;
    do
        fd = ::open(target.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = errno == ELOOP ? not_ordinary : errno;
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISREG(info.st_mode) ? errno : not_ordinary;
        ::close(fd);
        return -1;
    }
    return fd;
}

// A renamed file survives a crash only once its folder is written out too.
void sync_folder(const std::string &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A new record is readable by all and written by its owner alone, unless the
// umask takes away more.
mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return new_record_mode & ~mask;
}

// Writes a new file beside the target and renames it over the target, with
// the owner and permissions of `existing` when there is one.
bool replace(const std::string &target, const std::vector<uint8_t> &head,
             const struct stat *existing, int &error) {
    std::string temp = folder_of(target) + temporary_prefix + "XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    bool ok = (existing == nullptr ? ::fchmod(fd, new_file_mode()) == 0
                                   : ::fchown(fd, existing->st_uid, existing->st_gid) == 0 &&
                                         ::fchmod(fd, existing->st_mode & 07777) == 0) &&
              write_all(fd, head.data(), head.size(), 0) && ::fsync(fd) == 0;
    if (!ok)
        error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok)
        ::unlink(temp.c_str());
    if (ok)
        sync_folder(folder_of(target));
    return ok;
}

bool temporary_name(const std::string &name) {
    const std::string_view prefix = temporary_prefix;
    if (name.size() != prefix.size() + temporary_suffix || !name.starts_with(prefix))
        return false;
    return std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c); });
}

} // namespace

std::string folder_of(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool File_Exists(const std::string &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

File_Read read_file_start(const std::string &path, std::size_t length) {
    File_Read result;
    struct stat info {};
    int error = 0;
    const int fd = open_ordinary(path, O_RDONLY, info, error);
    if (fd < 0) {
        result.reason = reason_of(error);
        return result;
    }
    result.bytes.resize(length);
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n = ::read(fd, result.bytes.data() + got, length - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            break;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (error != 0) {
        result.bytes.clear();
        result.reason = reason_of(error);
        return result;
    }
    result.bytes.resize(got);
    result.ok = true;
    return result;
}

std::string write_file_start(const std::string &path, const std::vector<uint8_t> &head) {
    std::string target;
    int error = 0;
    if (!final_target(path, target, error))
        return reason_of(error);
    struct stat info {};
    const int fd = open_ordinary(target, O_WRONLY, info, error);
    if (fd < 0) {
        if (error != ENOENT)
            return reason_of(error);
        return replace(target, head, nullptr, error) ? std::string() : reason_of(error);
    }
    // A longer file keeps its tail without a copy, and several names stay one
    // file; a rename would lose both.
    const bool in_place = static_cast<uint64_t>(info.st_size) > head.size() || info.st_nlink > 1 ||
                          !replace(target, head, &info, error);
    bool ok = !in_place || (write_all(fd, head.data(), head.size(), 0) && ::fsync(fd) == 0);
    if (!ok)
        error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok ? std::string() : reason_of(error);
}

bool writable_in_place(const std::string &path) {
    struct stat info {};
    int error = 0;
    const int fd = open_ordinary(path, O_WRONLY, info, error);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool folder_takes_new_files(const std::string &folder) {
    std::string probe = folder + "/" + temporary_prefix + "XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string link_target(const std::string &path) {
    std::string target;
    int error = 0;
    return final_target(path, target, error) ? target : std::string();
}

void remove_stale_temporaries(const std::string &path) {
    std::string target;
    int error = 0;
    if (path.empty() || !final_target(path, target, error))
        return;
    const std::string folder = folder_of(target);
    std::error_code failed;
    for (std::filesystem::directory_iterator it(folder, failed), end; !failed && it != end;
         it.increment(failed)) {
        struct stat info {};
        const std::filesystem::path &entry = it->path();
        if (temporary_name(entry.filename().string()) && ::lstat(entry.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlink(entry.c_str());
    }
}

void writes_over_limits_fail() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string executable_folder() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < path.size()) {
            path.resize(static_cast<std::size_t>(n));
            break;
        }
        path.resize(path.size() * 2);
    }
    // The root folder counts as none: the record is never put there.
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace plenk
