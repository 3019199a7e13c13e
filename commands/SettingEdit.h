#pragma once

#include <optional>
#include <string>

#include "commands/CommandContext.h"
#include "services/BusDriverSession.h"
#include "services/ResultCodes.h"
#include "store/Message.h"

namespace trelink {

class ErrorLookup;
class ParameterDefinition;
class ParameterDefinitionList;

// Editing one setting of an entry, in the steps between which the front end edits the value
// and asks: find the record shown under a display name, transfer a new device number to the
// adapter first, then write the value into the entry.
class SettingEdit {
public:
    // The setting whose transfer reaches the adapter.
    static constexpr const char* kDeviceNumber = "DeviceNr";

    SettingEdit(const CommandContext& context, int hardwareNumber)
        : m_context(context), m_hardwareNumber(hardwareNumber) {}

    // The first record shown under that display name; null when there is none.
    static ParameterDefinition* Find(const ParameterDefinitionList& records,
                                     const std::string& displayName);
    static bool TransfersToAdapter(const ParameterDefinition& record);

    // Sends the record's value, read as a device number, to the adapter; the bus driver stays
    // loaded until EndTransfer, so the front end can ask in between.
    // kBusDriverNotLoaded without the library.
    Result TransferDeviceNumber(const ParameterDefinition& record);
    void EndTransfer() { m_driver.reset(); }
    // Why the transfer failed, for the question whether to keep the number all the same.
    static Message TransferFailure(const ErrorLookup& texts, Result code);
    // Writes the record's value into the entry and saves the file; kCannotSave when it could
    // not be saved. An entry without an element for the setting is left as it is.
    Result WriteValue(const ParameterDefinition& record);

private:
    CommandContext m_context;
    int m_hardwareNumber;
    std::optional<BusDriverSession> m_driver;
};

}  // namespace trelink
