#include "platform/record_place.h"

#include "platform/file_services.h"

#include <algorithm>
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {

namespace {

constexpr mode_t private_folder_mode = 0700;

// Anything, links followed; links that go round count, as they fail to load.
bool something_at(const std::string &path) {
    struct stat info {};
    return !path.empty() && (::stat(path.c_str(), &info) == 0 || errno == ELOOP);
}

bool target_folder_takes_new_files(const std::string &path) {
    const std::string target = link_target(path);
    return !target.empty() && folder_takes_new_files(folder_of(target));
}

// A folder of the effective user's own. Root running with a user's HOME
// must neither make nor change anything there: the user would lose it.
bool own_folder(const std::string &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

// The folder a path lies in, without its closing slash: "/" above the root's own.
std::string folder_above(const std::string &path) {
    return path.substr(0, std::max<std::size_t>(path.rfind('/'), 1));
}

// The path itself, or the nearest folder above it that is there.
std::string nearest_present(std::string path) {
    struct stat info {};
    while (path.size() > 1 && ::stat(path.c_str(), &info) != 0)
        path = folder_above(path);
    return path;
}

// Makes the folder and those missing above it, each the user's alone, as the
// XDG rules ask of a data folder made for the user; each only inside a folder
// of the user's own.
bool user_folder_ready(const std::string &folder) {
    if (folder.empty())
        return false;
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        struct stat info {};
        if (::stat(part.c_str(), &info) != 0) {
            if (!own_folder(folder_above(part)) || ::mkdir(part.c_str(), private_folder_mode) != 0)
                return false;
        }
        if (slash == std::string::npos)
            break;
    }
    return folder_takes_new_files(folder);
}

// An absolute path from the environment; the XDG rules say to ignore any other.
std::string absolute(const char *value) {
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

} // namespace

Record_Place choose_record_place(const std::string &program_folder,
                                 const std::string &user_folder) {
    const std::string beside = program_folder.empty() ? "" : program_folder + "/data.dat";
    const std::string user = user_folder.empty() ? "" : user_folder + "/data.dat";
    if (something_at(beside)) {
        // Anything but an ordinary file fails to load, and is then never written.
        if (!File_Exists(beside) || writable_in_place(beside))
            return {beside, beside};
        if (something_at(user))
            return {user, user};
        return {beside, user_folder_ready(user_folder) ? user : beside};
    }
    // A copy installed under /usr makes no record beside itself, even for
    // root, who may write there: the package would leave it behind.
    const bool installed = program_folder == "/usr" || program_folder.starts_with("/usr/");
    if (!beside.empty() && !installed && target_folder_takes_new_files(beside))
        return {"", beside};
    if (something_at(user))
        return {user, user};
    // Where the user's folder cannot be made either, a failed save names it:
    // that is where the record would be kept.
    user_folder_ready(user_folder);
    return {"", user.empty() ? beside : user};
}

Record_Place locate_record(const std::string &program_folder, const std::string &user_folder) {
    const Record_Place place = choose_record_place(program_folder, user_folder);
    remove_stale_temporaries(place.save_to);
    return place;
}

std::string user_data_folder(const char *xdg_data_home, const char *home) {
    // The environment's folders count only where they are the user's own.
    std::string data_home = absolute(xdg_data_home);
    if (!data_home.empty() && !own_folder(nearest_present(data_home)))
        data_home.clear();
    if (data_home.empty()) {
        std::string home_folder = absolute(home);
        if (!own_folder(home_folder)) {
            const passwd *entry = ::getpwuid(::geteuid());
            home_folder = entry != nullptr ? absolute(entry->pw_dir) : "";
        }
        while (home_folder.ends_with('/'))
            home_folder.pop_back();
        // The root folder is no one's home: nothing of the game's goes there.
        if (home_folder.empty())
            return {};
        data_home = home_folder + "/.local/share";
    }
    return data_home + "/Plenk";
}

} // namespace plenk
