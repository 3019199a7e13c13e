#include "ui/GuardedChanges.h"

#include "commands/ConfigChange.h"
#include "store/MessageIds.h"
#include "ui/WindowNotices.h"

namespace trelink {

void GuardedChanges::Run(const std::function<void()>& command) const {
    const ConfigChange change(m_document);
    switch (change.GetState()) {
        case ConfigChange::State::kReady:
            return command();
        case ConfigChange::State::kReloaded:
            m_showAnew();
            return m_notices.Inform(Msg::kChangedElsewhere);
        case ConfigChange::State::kUnreadable:
            return m_notices.Inform(Msg::kChangedUnreadable);
        case ConfigChange::State::kBusy:
            return m_notices.Inform(Msg::kChangeBusy);
    }
}

}  // namespace trelink
