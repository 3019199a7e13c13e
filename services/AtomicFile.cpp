#include "services/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace trelink {

namespace fs = std::filesystem;

bool FileSink::Write(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

FileSink& DefaultFileSink() {
    static FileSink sink;
    return sink;
}

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

class TempFile {
public:
    explicit TempFile(const fs::path& target) {
        m_name = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
        m_fd = ::mkostemp(m_name.data(), O_CLOEXEC);
    }
    ~TempFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_kept) ::unlink(m_name.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    const std::string& Name() const { return m_name; }
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void Keep() { m_kept = true; }

private:
    std::string m_name;
    int m_fd = -1;
    bool m_kept = false;
};

bool IsReadOnly(const fs::path& target, const struct stat& st) {
    return (st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0;
}

fs::path SaveTarget(const std::string& path) {
    fs::path target = ResolveLinks(fs::path(path));
    return target.parent_path().empty() ? fs::path(".") / target : target;
}

}  // namespace

TargetState ProbeSaveTarget(const std::string& path) {
    const fs::path target = SaveTarget(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return TargetState::Missing;
    return IsReadOnly(target, st) ? TargetState::ReadOnly : TargetState::Writable;
}

SaveError WriteFileAtomically(const std::string& path, std::string_view bytes, FileSink& sink) {
    const fs::path target = SaveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && IsReadOnly(target, old)) return SaveError::ReadOnlyTarget;

    TempFile temp(target);
    if (!temp.IsOpen()) return SaveError::CannotCreateTemp;
    ::fchmod(temp.Fd(), exists ? (old.st_mode & 07777) : DefaultNewFileMode());
    if (exists && ::geteuid() == 0) {
        // Root saving a user's file must not hand it over to root.
        [[maybe_unused]] const int ignored = ::fchown(temp.Fd(), old.st_uid, old.st_gid);
    }
    if (!sink.Write(temp.Fd(), bytes) || ::fsync(temp.Fd()) != 0 || !temp.Close()) {
        return SaveError::WriteFailed;
    }
    if (::rename(temp.Name().c_str(), target.c_str()) != 0) return SaveError::RenameFailed;
    temp.Keep();
    // The folder is not flushed: after a power cut the rename may be undone, which leaves the
    // previous file, whole. Flushing it would double the cost of every save.
    return SaveError::None;
}

}  // namespace trelink
