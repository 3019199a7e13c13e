#pragma once

#include <QMenu>

#include "services/ResultCodes.h"

namespace trelink {

class ConfigDocument;

// The context menu of the hardware list with its enabling rules.
class HardwareContextMenu {
public:
    enum Command {
        kNone = 0,
        kRemove = 40003,
        kActivate = 40004,
        kDeactivate = 40005,
        kSetDefault = 40006,
        kAdd = 40007,
    };

    explicit HardwareContextMenu(QWidget* parent);

    // By the state of the entry in the document; with hardware number 0 (no entry selected)
    // only "&Hinzufügen" stays usable. A failing read of the state is given back.
    Result EnableFor(const ConfigDocument& document, int hardwareNumber);

    QMenu& Menu() { return m_menu; }
    QAction* ActionFor(Command command) const;
    static Command CommandOf(const QAction* action);

private:
    QAction* AddEntry(const QString& text, Command command);

    QMenu m_menu;
};

}  // namespace trelink
