#pragma once

#include <QString>
#include <functional>

#include "commands/CommandContext.h"
#include "services/ResultCodes.h"
#include "ui/WindowNotices.h"

class QWidget;

namespace trelink {

class DetailPages;
class ErrorLookup;
class Prompter;

// The two commands that reach one entry's adapter through the bus driver: the diagnosis with
// its bus scan, and the editing of a setting with the transfer of a new device number. They
// ask the user between the command layer's steps, through the prompter.
class EntryActions {
public:
    EntryActions(const CommandContext& context, const ErrorLookup& errorLookup, Prompter& prompter,
                 DetailPages& pages, QWidget* window);

    // Diagnoses the entry; refillList rebuilds the hardware list once the code is stored.
    void Diagnose(int hardwareNumber, const std::function<void()>& refillList);
    // kNoSuchSetting when no record of the settings page has that display name,
    // kDeviceNumberDeclined when a failed transfer was not to be kept, else kOk.
    Result EditSetting(int hardwareNumber, const QString& displayName);

private:
    // Whether to go on after a failed transfer; the settings page shows the stored value
    // again when not.
    bool KeepAfterFailedTransfer(Result code);

    CommandContext m_context;
    const ErrorLookup& m_errorLookup;
    Prompter& m_prompter;
    DetailPages& m_pages;
    QWidget* m_window;
    WindowNotices m_notices;
};

}  // namespace trelink
