#pragma once

#include <chrono>
#include <string>

namespace trelink {

// An advisory lock that the programs changing one configuration file hold while they change
// it. It is taken on the file's folder, not on the file: every save renames a new file over
// the old one, so a lock on the old file would guard a file that is no longer there. Programs
// that honour it wait for each other; it keeps out nobody else. Released when the object goes.
// Within one process the lock nests: a command that takes it while its caller holds it gets it
// at once, and the folder is released when the outermost holder goes.
class ConfigFileLock {
public:
    enum class Status {
        kHeld,
        kFolderUnavailable,  // the folder could not be opened; ErrorNumber() tells why
        kTimedOut,           // another program held the lock for the whole wait
        kFailed,             // the system refused the lock; ErrorNumber() tells why
    };

    static constexpr std::chrono::milliseconds kDefaultWait{10000};

    // Waits at most wait for the lock on the folder of configPath (of the file behind any
    // symbolic links, since that is the file a save replaces).
    explicit ConfigFileLock(const std::string& configPath,
                            std::chrono::milliseconds wait = kDefaultWait);
    ~ConfigFileLock();
    ConfigFileLock(const ConfigFileLock&) = delete;
    ConfigFileLock& operator=(const ConfigFileLock&) = delete;

    Status GetStatus() const { return m_status; }
    bool IsHeld() const { return m_status == Status::kHeld; }
    // The folder locked, or tried.
    const std::string& Folder() const { return m_folder; }
    // The system's error number of the failing call; 0 when held or timed out.
    int ErrorNumber() const { return m_errorNumber; }

private:
    Status Acquire(int fd, std::chrono::milliseconds wait);

    std::string m_folder;
    int m_errorNumber = 0;
    Status m_status = Status::kFailed;
};

}  // namespace trelink
