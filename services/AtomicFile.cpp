#include "services/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "services/TempFile.h"
#include "services/TempFileNames.h"

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

// The new file gets the old one's mode and, when root saves a user's file, its owner; a new
// file the usual mode. The temporary file's 0600 would lock the driver layer's other users out.
bool TakeOver(int fd, const struct stat* old, FileSystem& system) {
    if (old == nullptr) return system.Fchmod(fd, DefaultNewFileMode()) == 0;
    if (system.Fchmod(fd, old->st_mode & 07777) != 0) return false;
    return ::geteuid() != 0 || system.Fchown(fd, old->st_uid, old->st_gid) == 0;
}

bool IsReadOnly(const fs::path& target, const struct stat& st, FileSystem& system) {
    return (st.st_mode & 0222) == 0 || system.Access(target, W_OK) != 0;
}

fs::path SaveTarget(const std::string& path) {
    fs::path target = ResolveLinks(fs::path(path));
    return target.parent_path().empty() ? fs::path(".") / target : target;
}

// The save proper, through a temporary file created without a name or with one; a file system
// that cannot create the one gives CannotCreateTemp, and the other is tried.
SaveError WriteThroughTempFile(bool unnamed, const TempFileNames& names, const fs::path& target,
                               const struct stat* old, std::string_view bytes, FileSystem& system) {
    TempFile temp(names, system);
    if (!temp.Create(unnamed)) return SaveError::CannotCreateTemp;
    if (!TakeOver(temp.Fd(), old, system)) return SaveError::CannotTakeOver;
    if (system.Write(temp.Fd(), bytes) != 0 || system.Fsync(temp.Fd()) != 0) {
        return SaveError::WriteFailed;
    }
    if (!temp.GiveName()) return SaveError::CannotCreateTemp;
    if (!temp.Replace(target)) return SaveError::RenameFailed;
    // The folder is not flushed: after a power cut the rename may be undone, which leaves the
    // previous file, whole. Flushing it would double the cost of every save. The file is
    // closed only now, to hold its lock through the rename; the fsync has told every write
    // error already.
    return SaveError::None;
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
    // A rename would put a plain file in the place of a device or a pipe.
    if (exists && !S_ISREG(old.st_mode)) return SaveError::NotAFile;
    if (exists && IsReadOnly(target, old, system)) return SaveError::ReadOnlyTarget;

    // Strays go before this save makes a file of its own, so however many saves are killed,
    // at most the last one's file is left, and the next save removes it.
    const TempFileNames names(target);
    TempFile::RemoveStrays(names, system);
    const struct stat* previous = exists ? &old : nullptr;
    const SaveError error = WriteThroughTempFile(true, names, target, previous, bytes, system);
    if (error != SaveError::CannotCreateTemp) return error;
    return WriteThroughTempFile(false, names, target, previous, bytes, system);
}

}  // namespace trelink
