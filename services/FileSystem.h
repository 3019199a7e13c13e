#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace trelink {

// The system calls of a save. Each makes the real call, as POSIX would answer it (-1 with errno
// on failure); a test derives from it to fail one of them, to watch their order or to stop the
// process at one of them, as a failing disk or a kill would.
class FileSystem {
public:
    enum class Call {
        Stat,
        Lstat,
        Fstat,
        Access,
        ListFolder,
        Open,
        OpenUnnamed,
        Flock,
        Fchmod,
        Fchown,
        Write,
        Fsync,
        Link,
        Rename,
        Unlink,
        Close,
    };

    virtual ~FileSystem() = default;

    int Stat(const std::string& path, struct stat& status);
    int Lstat(const std::string& path, struct stat& status);
    int Fstat(int fd, struct stat& status);
    int Access(const std::string& path, int mode);
    // The names in folder, without "." and "..".
    int ListFolder(const std::string& folder, std::vector<std::string>& names);
    int Open(const std::string& path, int flags, mode_t mode);
    // A new file in folder that has no name until Link gives it one (O_TMPFILE), for writing.
    int OpenUnnamed(const std::string& folder, mode_t mode);
    int Flock(int fd, int operation);
    int Fchmod(int fd, mode_t mode);
    int Fchown(int fd, uid_t owner, gid_t group);
    // Writes all bytes, however many calls that takes.
    int Write(int fd, std::string_view bytes);
    int Fsync(int fd);
    // Gives the open file fd, which may have no name yet, the name path.
    int Link(int fd, const std::string& path);
    int Rename(const std::string& from, const std::string& to);
    int Unlink(const std::string& path);
    int Close(int fd);

protected:
    // Runs before every call; a nonzero errno makes the call fail with it instead.
    virtual int Before(Call call);
};

FileSystem& DefaultFileSystem();

}  // namespace trelink
