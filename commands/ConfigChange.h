#pragma once

#include <chrono>

#include "services/ConfigFileLock.h"

namespace trelink {

class ConfigDocument;

// One change of a long-lived front end to the configuration: it holds the configuration's lock
// while the change is made, so that another program that honours the lock (trelinkctl) cannot
// write in between, and it makes sure the document still holds what the file holds. A file
// that another program changed since the document last loaded or saved it is loaded again,
// and the change must not go on: the user decided on what was shown before.
class ConfigChange {
public:
    enum class State {
        kReady,       // the lock is held (or cannot be had at all) and the document is current
        kReloaded,    // another program had changed the file; the document holds it now
        kUnreadable,  // another program changed the file, and it cannot be loaded now
        kBusy,        // another program holds the lock for longer than the wait
    };

    // The window waits briefly: a change that another program holds up is tried again by hand.
    static constexpr std::chrono::milliseconds kWait{3000};

    explicit ConfigChange(ConfigDocument& document, std::chrono::milliseconds wait = kWait);

    State GetState() const { return m_state; }

private:
    ConfigFileLock m_lock;
    State m_state = State::kReady;
};

}  // namespace trelink
