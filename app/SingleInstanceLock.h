#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace trelink {

// The system-wide lock that keeps a second copy of the program from running: a lock file in
// the user's runtime folder. A lock that names no live copy of this program (left empty or
// garbled by a kill, or naming a process that is gone or runs another program) is taken over.
class SingleInstanceLock {
public:
    enum class Outcome {
        kFirstCopy,    // the lock is held now, for the life of this object
        kAnotherCopy,  // a live copy holds it
        kNoLock,       // the lock could not be made or its holder not told; run as a first copy
    };

    static constexpr const char* kName = "{5A1C7E42-9B3D-4f08-8E61-2D94C0B7A315}";

    // folder: where the lock file lies; empty means the user's runtime folder.
    Outcome Acquire(const QString& folder = QString());
    QString FilePath() const { return m_lock ? m_lock->fileName() : QString(); }

private:
    static QString RuntimeFolder();
    Outcome TakeLock();

    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace trelink
