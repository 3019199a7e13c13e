#include "app/SingleInstanceLock.h"

#include <QDir>
#include <QStandardPaths>

namespace trelink {
namespace {

// QStandardPaths complains on stderr when XDG_RUNTIME_DIR is unset; a second copy must end
// without a word, so those complaints are dropped while the folder is looked up.
void DropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

SingleInstanceLock::Outcome SingleInstanceLock::Acquire(const QString& folder) {
    const QString lockFolder = folder.isEmpty() ? RuntimeFolder() : folder;
    if (lockFolder.isEmpty()) return Outcome::kNoLock;
    m_lock = std::make_unique<QLockFile>(QDir(lockFolder).filePath(QString::fromLatin1(kName)));
    // Staleness by age would let a second copy take the lock of a live first one after a
    // while; only a lock whose process is gone counts as stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return Outcome::kFirstCopy;
    const bool held = m_lock->error() == QLockFile::LockFailedError;
    m_lock.reset();
    return held ? Outcome::kAnotherCopy : Outcome::kNoLock;
}

QString SingleInstanceLock::RuntimeFolder() {
    const QtMessageHandler previous = qInstallMessageHandler(DropMessages);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    qInstallMessageHandler(previous);
    return folder;
}

}  // namespace trelink
