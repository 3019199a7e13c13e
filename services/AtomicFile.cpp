#include "services/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

namespace trelink {

namespace fs = std::filesystem;

namespace {

// Follows a chain of symbolic links to the file that is really replaced.
fs::path ResolveLinks(fs::path path) {
    constexpr int kMaxLinks = 40;
    std::error_code ec;
    for (int i = 0; i < kMaxLinks && fs::is_symlink(fs::symlink_status(path, ec)); ++i) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

mode_t DefaultNewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The longest file name the folder takes.
std::size_t NameMax(const fs::path& folder) {
    const long max = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : NAME_MAX;
}

// The target's name, shortened so that room is left for extra bytes within the longest name
// the folder takes; never cut inside a UTF-8 sequence.
std::string StemFor(const fs::path& target, std::size_t extra) {
    std::string name = target.filename().string();
    const std::size_t max = NameMax(target.parent_path());
    if (name.size() + extra <= max) return name;
    std::size_t length = max > extra ? max - extra : 0;
    while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
    return name.substr(0, length);
}

class TempFile {
public:
    TempFile(const fs::path& target, FileSystem& system) : m_system(system) {
        const std::string unique = ".XXXXXX";
        m_name =
            (target.parent_path() / ("." + StemFor(target, 1 + unique.size()) + unique)).string();
        m_fd = ::mkostemp(m_name.data(), O_CLOEXEC);
    }
    ~TempFile() {
        if (m_fd >= 0) m_system.Close(m_fd);
        if (!m_kept) m_system.Unlink(m_name);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    const std::string& Name() const { return m_name; }
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return m_system.Close(fd) == 0;
    }
    void Keep() { m_kept = true; }

private:
    FileSystem& m_system;
    std::string m_name;
    int m_fd = -1;
    bool m_kept = false;
};

// The new file gets the old one's mode and, when root saves a user's file, its owner; a new
// file the usual mode. mkstemp's 0600 would lock the driver layer's other users out.
bool TakeOver(int fd, bool exists, const struct stat& old, FileSystem& system) {
    if (!exists) return system.Fchmod(fd, DefaultNewFileMode()) == 0;
    if (system.Fchmod(fd, old.st_mode & 07777) != 0) return false;
    return ::geteuid() != 0 || system.Fchown(fd, old.st_uid, old.st_gid) == 0;
}

bool IsReadOnly(const fs::path& target, const struct stat& st, FileSystem& system) {
    return (st.st_mode & 0222) == 0 || system.Access(target, W_OK) != 0;
}

fs::path SaveTarget(const std::string& path) {
    fs::path target = ResolveLinks(fs::path(path));
    return target.parent_path().empty() ? fs::path(".") / target : target;
}

}  // namespace

TargetState ProbeSaveTarget(const std::string& path, FileSystem& system) {
    const fs::path target = SaveTarget(path);
    struct stat st {};
    if (system.Stat(target, st) != 0) {
        return errno == ENOENT ? TargetState::Missing : TargetState::Unknown;
    }
    return IsReadOnly(target, st, system) ? TargetState::ReadOnly : TargetState::Writable;
}

SaveError WriteFileAtomically(const std::string& path, std::string_view bytes, FileSystem& system) {
    const fs::path target = SaveTarget(path);
    struct stat old {};
    const bool exists = system.Stat(target, old) == 0;
    // Only a file that is really not there may be created; any other failure could hide a
    // read-only file that the rename would replace.
    if (!exists && errno != ENOENT) return SaveError::CannotInspectTarget;
    if (exists && IsReadOnly(target, old, system)) return SaveError::ReadOnlyTarget;

    TempFile temp(target, system);
    if (!temp.IsOpen()) return SaveError::CannotCreateTemp;
    if (!TakeOver(temp.Fd(), exists, old, system)) return SaveError::CannotTakeOver;
    if (system.Write(temp.Fd(), bytes) != 0 || system.Fsync(temp.Fd()) != 0 || !temp.Close()) {
        return SaveError::WriteFailed;
    }
    if (system.Rename(temp.Name(), target) != 0) return SaveError::RenameFailed;
    temp.Keep();
    // The folder is not flushed: after a power cut the rename may be undone, which leaves the
    // previous file, whole. Flushing it would double the cost of every save.
    return SaveError::None;
}

}  // namespace trelink
