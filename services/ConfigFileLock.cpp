#include "services/ConfigFileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <thread>

namespace trelink {

namespace {
constexpr std::chrono::milliseconds kRetryInterval{10};

// The folders this process holds locked: the descriptor that holds each and how many holders
// share it. flock would make a second descriptor of the same process wait for the first, so a
// nested holder shares the first one's, and whichever holder goes last releases it.
struct HeldFolder {
    int fd = -1;
    int holders = 0;
    pid_t process = 0;  // a forked child holds nothing of its parent's
};

std::map<std::string, HeldFolder>& HeldFolders() {
    static std::map<std::string, HeldFolder> held;
    return held;
}

std::string FolderOf(const std::string& configPath) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path path = fs::absolute(configPath, error);
    if (error) path = configPath;
    // Links are followed as far as they lead, so every name of one file means one folder.
    const fs::path real = fs::weakly_canonical(path, error);
    if (!error) path = real;
    const fs::path folder = path.parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}
}  // namespace

ConfigFileLock::ConfigFileLock(const std::string& configPath, std::chrono::milliseconds wait)
    : m_folder(FolderOf(configPath)) {
    if (const auto held = HeldFolders().find(m_folder);
        held != HeldFolders().end() && held->second.process == ::getpid()) {
        ++held->second.holders;
        m_status = Status::kHeld;
        return;
    }
    const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        m_errorNumber = errno;
        m_status = Status::kFolderUnavailable;
        return;
    }
    m_status = Acquire(fd, wait);
    if (m_status != Status::kHeld) {
        ::close(fd);
        return;
    }
    HeldFolders()[m_folder] = HeldFolder{fd, 1, ::getpid()};
}

ConfigFileLock::~ConfigFileLock() {
    if (m_status != Status::kHeld) return;
    const auto held = HeldFolders().find(m_folder);
    if (--held->second.holders > 0) return;
    // Closing the only descriptor of the open folder releases the lock.
    ::close(held->second.fd);
    HeldFolders().erase(held);
}

ConfigFileLock::Status ConfigFileLock::Acquire(int fd, std::chrono::milliseconds wait) {
    // flock itself cannot wait with a limit, so a refused try is repeated until the time is up.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            m_errorNumber = errno;
            return Status::kFailed;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return Status::kTimedOut;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kRetryInterval, deadline - now));
    }
    return Status::kHeld;
}

}  // namespace trelink
