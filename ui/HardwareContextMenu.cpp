#include "ui/HardwareContextMenu.h"

#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "ui/StringTable.h"

namespace trelink {

HardwareContextMenu::HardwareContextMenu(QWidget* parent) : m_menu(parent) {
    m_menu.setObjectName(QStringLiteral("hardwareContextMenu"));
    //% "&Aktivieren"
    AddEntry(qtTrId("contextmenu.activate"), kActivate);
    //% "Deaktiveren"
    AddEntry(qtTrId("contextmenu.deactivate"), kDeactivate);
    m_menu.addSeparator();
    // The same German word as the value dialog's button, but it makes the entry the default
    // rather than restoring a default value, so other languages need a text of their own.
    //% "&Standard"
    AddEntry(qtTrId("contextmenu.default"), kSetDefault);
    m_menu.addSeparator();
    AddEntry(StringTable::Text(Msg::kCaptionAdd), kAdd);
    AddEntry(StringTable::Text(Msg::kCaptionRemove), kRemove);
}

Result HardwareContextMenu::EnableFor(const ConfigDocument& document, int hardwareNumber) {
    const bool onEntry = hardwareNumber != 0;
    int isActive = 0, isDefault = 0, errorCode = 0;
    if (onEntry) {
        const Result result =
            document.GetHardwareState(hardwareNumber, isActive, isDefault, errorCode);
        if (result != kOk) return result;
    }
    // An active entry cannot be activated, an inactive one neither deactivated nor made the
    // default, and the default entry not made the default again.
    ActionFor(kActivate)->setEnabled(onEntry && isActive == 0);
    ActionFor(kDeactivate)->setEnabled(onEntry && isActive != 0);
    ActionFor(kSetDefault)->setEnabled(onEntry && isActive != 0 && isDefault == 0);
    ActionFor(kRemove)->setEnabled(onEntry);
    return kOk;
}

QAction* HardwareContextMenu::ActionFor(Command command) const {
    for (QAction* action : m_menu.actions()) {
        if (CommandOf(action) == command) return action;
    }
    return nullptr;
}

HardwareContextMenu::Command HardwareContextMenu::CommandOf(const QAction* action) {
    return action ? static_cast<Command>(action->data().toInt()) : kNone;
}

QAction* HardwareContextMenu::AddEntry(const QString& text, Command command) {
    QAction* action = m_menu.addAction(text);
    action->setData(static_cast<int>(command));
    return action;
}

}  // namespace trelink
