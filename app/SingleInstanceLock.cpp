#include "app/SingleInstanceLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

namespace trelink {
namespace {

// A copy that starts at this very moment has made its lock file but not yet written it, so an
// unreadable lock file younger than this is given time before it counts as stale.
constexpr std::chrono::milliseconds kCreationGrace{1000};
constexpr std::chrono::milliseconds kGraceStep{50};
constexpr int kGraceSteps = kCreationGrace / kGraceStep + 1;
constexpr int kAttempts = 3;
constexpr int kRemoverWaitMs = 1000;
constexpr std::string_view kDeletedMark = " (deleted)";

enum class Holder { kLiveCopy, kNone, kStarting, kUnknown };

// QStandardPaths complains on stderr when XDG_RUNTIME_DIR is unset; a second copy must end
// without a word, so those complaints are dropped while the folder is looked up.
void DropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// QLockFile keeps an flock on its lock file for as long as it holds the lock.
bool IsFlockHeld(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

// The file name of the program that process runs; empty when the system does not tell.
std::string ProgramNameOf(pid_t pid) {
    std::error_code error;
    std::string target =
        std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/exe", error).string();
    if (target.ends_with(kDeletedMark)) target.resize(target.size() - kDeletedMark.size());
    return std::filesystem::path(target).filename().string();
}

Holder HolderByPid(qint64 pid) {
    if (pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) {
        return Holder::kNone;
    }
    const std::string name = ProgramNameOf(static_cast<pid_t>(pid));
    if (name.empty()) return Holder::kUnknown;
    return name == ProgramNameOf(::getpid()) ? Holder::kLiveCopy : Holder::kNone;
}

// Who holds the lock of a failed tryLock. A lock file that names no live copy of this program
// (empty or garbled after a kill at the wrong moment, a dead process, another program that got
// the number) holds nothing.
Holder HolderOf(const QLockFile& lock) {
    if (IsFlockHeld(lock.fileName())) return Holder::kLiveCopy;
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock.getLockInfo(&pid, &host, &program) && pid > 0) return HolderByPid(pid);
    const QDateTime made = QFileInfo(lock.fileName()).lastModified();
    const qint64 age = made.isValid() ? made.msecsTo(QDateTime::currentDateTime()) : -1;
    return age >= 0 && age < kCreationGrace.count() ? Holder::kStarting : Holder::kNone;
}

Holder SettledHolderOf(const QLockFile& lock) {
    for (int step = 0; step < kGraceSteps; ++step) {
        const Holder holder = HolderOf(lock);
        if (holder != Holder::kStarting) return holder;
        std::this_thread::sleep_for(kGraceStep);
    }
    return Holder::kNone;
}

// Qt's own removal of a stale lock serialises on the same ".rmlock" file, so one copy at a time
// judges and removes, and none removes a lock file made after its judgement. False when the
// removal cannot be made safe.
bool RemoveStaleLock(const QLockFile& lock) {
    QLockFile remover(lock.fileName() + QStringLiteral(".rmlock"));
    if (!remover.tryLock(kRemoverWaitMs)) return false;
    const Holder holder = SettledHolderOf(lock);
    if (holder == Holder::kNone) QFile::remove(lock.fileName());
    return holder != Holder::kUnknown;
}

}  // namespace

SingleInstanceLock::Outcome SingleInstanceLock::Acquire(const QString& folder) {
    const QString lockFolder = folder.isEmpty() ? RuntimeFolder() : folder;
    if (lockFolder.isEmpty()) return Outcome::kNoLock;
    m_lock = std::make_unique<QLockFile>(QDir(lockFolder).filePath(QString::fromLatin1(kName)));
    // Staleness by age would let a second copy take the lock of a live first one after a
    // while; only a lock that names no live copy counts as stale.
    m_lock->setStaleLockTime(0);
    const Outcome outcome = TakeLock();
    if (outcome != Outcome::kFirstCopy) m_lock.reset();
    return outcome;
}

SingleInstanceLock::Outcome SingleInstanceLock::TakeLock() {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (m_lock->tryLock(0)) return Outcome::kFirstCopy;
        if (m_lock->error() != QLockFile::LockFailedError) return Outcome::kNoLock;
        const Holder holder = SettledHolderOf(*m_lock);
        if (holder == Holder::kLiveCopy) return Outcome::kAnotherCopy;
        if (holder == Holder::kUnknown || !RemoveStaleLock(*m_lock)) return Outcome::kNoLock;
    }
    return Outcome::kNoLock;
}

QString SingleInstanceLock::RuntimeFolder() {
    const QtMessageHandler previous = qInstallMessageHandler(DropMessages);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    qInstallMessageHandler(previous);
    return folder;
}

}  // namespace trelink
