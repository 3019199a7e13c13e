#include "services/TempFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace trelink {

namespace {

// Fresh names collide only by chance, or when another save took the name a moment before.
constexpr int kAttempts = 8;
constexpr mode_t kOwnerOnly = 0600;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

TempFile::~TempFile() {
    // Removed while still locked, so no clean-up can be in the middle of it.
    if (!m_path.empty()) m_system.Unlink(m_path);
    if (m_fd >= 0) m_system.Close(m_fd);
}

bool TempFile::Create(bool unnamed) {
    if (!unnamed) return CreateNamed();
    m_fd = m_system.OpenUnnamed(m_names.Folder(), kOwnerOnly);
    // Nobody else can reach a file without a name, so the lock is always had.
    return m_fd >= 0 && Lock();
}

bool TempFile::CreateNamed() {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string path = m_names.Fresh();
        m_fd =
            m_system.Open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly);
        if (m_fd < 0 && errno == EEXIST) continue;
        if (m_fd < 0) return false;
        // Between the creation and the lock a clean-up may take the file for a stray one and
        // remove it; then another name is tried.
        if (Lock() && HoldsFileNamed(path)) {
            m_path = path;
            return true;
        }
        m_system.Close(std::exchange(m_fd, -1));
    }
    return false;
}

// False only when another process holds the lock. A file system without locks lets a save go
// on unlocked: a clean-up cannot lock its file either, and leaves it alone.
bool TempFile::Lock() {
    return m_system.Flock(m_fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

bool TempFile::HoldsFileNamed(const std::string& path) {
    struct stat held {
    }, named{};
    return m_system.Fstat(m_fd, held) == 0 && m_system.Lstat(path, named) == 0 &&
           SameFile(held, named);
}

bool TempFile::GiveName() {
    for (int attempt = 0; m_path.empty() && attempt < kAttempts; ++attempt) {
        const std::string path = m_names.Fresh();
        if (m_system.Link(m_fd, path) == 0) {
            m_path = path;
        } else if (errno != EEXIST) {
            return false;
        }
    }
    return !m_path.empty();
}

bool TempFile::Replace(const std::string& target) {
    if (m_system.Rename(m_path, target) != 0) return false;
    m_path.clear();
    return true;
}

void TempFile::RemoveStrays(const TempFileNames& names, FileSystem& system) {
    std::vector<std::string> entries;
    if (system.ListFolder(names.Folder(), entries) != 0) return;
    for (const std::string& entry : entries) {
        if (names.IsOurs(entry)) RemoveIfStray(names.Folder() + "/" + entry, system);
    }
}

// Only a plain file that the lock proves unused, still under the name it was found by.
void TempFile::RemoveIfStray(const std::string& path, FileSystem& system) {
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = system.Open(path, O_RDONLY | kFlags, 0);
    // A killed save may have given the file the target's mode already, write-only perhaps.
    if (fd < 0 && errno == EACCES) fd = system.Open(path, O_WRONLY | kFlags, 0);
    if (fd < 0) return;
    struct stat held {
    }, named{};
    if (system.Flock(fd, LOCK_EX | LOCK_NB) == 0 && system.Fstat(fd, held) == 0 &&
        S_ISREG(held.st_mode) && held.st_nlink == 1 && system.Lstat(path, named) == 0 &&
        SameFile(held, named)) {
        system.Unlink(path);
    }
    system.Close(fd);
}

}  // namespace trelink
