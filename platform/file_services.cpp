#include "platform/file_services.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {

namespace {

std::string reason_of(int error) { return std::strerror(error); }

// Opens for reading; a folder is refused as the reason a reader would give.
int open_for_reading(const std::string& path, struct stat& info, int& error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return -1;
    }
    return fd;
}

bool write_all(int fd, const uint8_t* data, std::size_t size, off_t offset) {
    while (size > 0) {
        ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

// Reads the whole file and its permission bits; a missing file reads as
// empty with the bits a new file gets.
bool read_whole(const std::string& path, std::vector<uint8_t>& bytes, mode_t& mode, int& error) {
    bytes.clear();
    mode = 0644;
    struct stat info {};
    int fd = open_for_reading(path, info, error);
    if (fd < 0) return error == ENOENT;
    mode = info.st_mode & 07777;
    uint8_t buffer[4096];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return true;
}

std::string write_in_place(const std::string& path, const std::vector<uint8_t>& head) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return reason_of(errno);
    bool ok = write_all(fd, head.data(), head.size(), 0) && ::fsync(fd) == 0;
    int error = errno;
    ::close(fd);
    return ok ? std::string() : reason_of(error);
}

// The file a link points to, so that a save rewrites it and keeps the link.
std::string link_target(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string target = real;
    std::free(real);
    return target;
}

} // namespace

bool File_Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

File_Read read_file_start(const std::string& path, std::size_t length) {
    File_Read result;
    int error = 0;
    struct stat info {};
    int fd = open_for_reading(path, info, error);
    if (fd < 0) {
        result.reason = reason_of(error);
        return result;
    }
    result.bytes.resize(length);
    std::size_t got = 0;
    while (got < length) {
        ssize_t n = ::read(fd, result.bytes.data() + got, length - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.reason = reason_of(errno);
            ::close(fd);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    result.bytes.resize(got);
    result.ok = true;
    return result;
}

std::string write_file_start(const std::string& path, const std::vector<uint8_t>& head) {
    const std::string target = link_target(path);
    std::vector<uint8_t> content;
    mode_t mode = 0644;
    int error = 0;
    if (!read_whole(target, content, mode, error)) return reason_of(error);
    if (content.size() < head.size()) content.resize(head.size());
    std::copy(head.begin(), head.end(), content.begin());

    std::string temp = target + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = errno;
        // A folder that takes no new file may still hold a writable record.
        if (File_Exists(target) && ::access(target.c_str(), W_OK) == 0) {
            return write_in_place(target, head);
        }
        return reason_of(error);
    }
    bool ok = ::fchmod(fd, mode) == 0 && write_all(fd, content.data(), content.size(), 0) &&
              ::fsync(fd) == 0;
    error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return reason_of(error);
    }
    return {};
}

bool folder_takes_new_files(const std::string& folder) {
    std::string probe = folder + "/.plenk-XXXXXX";
    int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string choose_data_folder(const std::string& program_folder, const std::string& user_folder) {
    const std::string beside = program_folder + "/data.dat";
    if (folder_takes_new_files(program_folder) || (File_Exists(beside) && ::access(beside.c_str(), W_OK) == 0))
        return program_folder;
    std::error_code error;
    std::filesystem::create_directories(user_folder, error);
    return folder_takes_new_files(user_folder) ? user_folder : program_folder;
}

} // namespace plenk
