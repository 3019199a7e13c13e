#include "commands/ConfigChange.h"

#include "store/ConfigDocument.h"

namespace trelink {

ConfigChange::ConfigChange(ConfigDocument& document, std::chrono::milliseconds wait)
    : m_lock(document.Path(), wait) {
    // A folder that cannot be locked at all leaves the file as unguarded as before; only a
    // holder that keeps it stops the change.
    if (m_lock.GetStatus() == ConfigFileLock::Status::kTimedOut) {
        m_state = State::kBusy;
    } else if (document.ChangedOnDisk()) {
        m_state = document.Load() == kOk ? State::kReloaded : State::kUnreadable;
    }
}

}  // namespace trelink
