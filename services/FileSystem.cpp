#include "services/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace trelink {

namespace {

int Failed(int error) {
    errno = error;
    return -1;
}

}  // namespace

int FileSystem::Before(Call) {
    return 0;
}

int FileSystem::Stat(const std::string& path, struct stat& status) {
    if (const int error = Before(Call::Stat)) return Failed(error);
    return ::stat(path.c_str(), &status);
}

int FileSystem::Lstat(const std::string& path, struct stat& status) {
    if (const int error = Before(Call::Lstat)) return Failed(error);
    return ::lstat(path.c_str(), &status);
}

int FileSystem::Fstat(int fd, struct stat& status) {
    if (const int error = Before(Call::Fstat)) return Failed(error);
    return ::fstat(fd, &status);
}

int FileSystem::Access(const std::string& path, int mode) {
    if (const int error = Before(Call::Access)) return Failed(error);
    return ::access(path.c_str(), mode);
}

int FileSystem::ListFolder(const std::string& folder, std::vector<std::string>& names) {
    if (const int error = Before(Call::ListFolder)) return Failed(error);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return -1;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    return 0;
}

int FileSystem::Open(const std::string& path, int flags, mode_t mode) {
    if (const int error = Before(Call::Open)) return Failed(error);
    return ::open(path.c_str(), flags, mode);
}

int FileSystem::OpenUnnamed(const std::string& folder, mode_t mode) {
    if (const int error = Before(Call::OpenUnnamed)) return Failed(error);
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}

int FileSystem::Flock(int fd, int operation) {
    if (const int error = Before(Call::Flock)) return Failed(error);
    return ::flock(fd, operation);
}

int FileSystem::Fchmod(int fd, mode_t mode) {
    if (const int error = Before(Call::Fchmod)) return Failed(error);
    return ::fchmod(fd, mode);
}

int FileSystem::Fchown(int fd, uid_t owner, gid_t group) {
    if (const int error = Before(Call::Fchown)) return Failed(error);
    return ::fchown(fd, owner, group);
}

int FileSystem::Write(int fd, std::string_view bytes) {
    if (const int error = Before(Call::Write)) return Failed(error);
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return -1;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int FileSystem::Fsync(int fd) {
    if (const int error = Before(Call::Fsync)) return Failed(error);
    return ::fsync(fd);
}

int FileSystem::Link(int fd, const std::string& path) {
    if (const int error = Before(Call::Link)) return Failed(error);
    // Through /proc any user may name a file opened without a name; the direct form needs a
    // privilege, and is the way left when /proc is not mounted.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno == EEXIST) return -1;
    return ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH);
}

int FileSystem::Rename(const std::string& from, const std::string& to) {
    if (const int error = Before(Call::Rename)) return Failed(error);
    return ::rename(from.c_str(), to.c_str());
}

int FileSystem::Unlink(const std::string& path) {
    if (const int error = Before(Call::Unlink)) return Failed(error);
    return ::unlink(path.c_str());
}

int FileSystem::Close(int fd) {
    // A failing close still gives the descriptor back.
    const int error = Before(Call::Close);
    const int closed = ::close(fd);
    return error ? Failed(error) : closed;
}

FileSystem& DefaultFileSystem() {
    static FileSystem system;
    return system;
}

}  // namespace trelink
