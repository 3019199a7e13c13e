#pragma once

#include <string>
#include <vector>

#include "commands/CommandContext.h"
#include "store/DriverFileInfo.h"

namespace trelink {

class ParameterDefinitionList;

// What the detail pages show of one entry, read from the document at the moment it is asked
// for. With kNoHardware every lookup reads type 0, which normally has nothing.
class EntryDetails {
public:
    explicit EntryDetails(const CommandContext& context) : m_context(context) {}

    // The display name of the entry's type in the current language; empty when there is none.
    std::string TypeName(int hardwareNumber) const;
    // The driver files of the entry's type, in catalogue order.
    std::vector<DriverFileInfo> DriverFiles(int hardwareNumber) const;
    // Replaces records with one record per setting of the entry, in catalogue order, each read
    // with its definition and the entry's value.
    void ReadSettings(int hardwareNumber, ParameterDefinitionList& records) const;

private:
    CommandContext m_context;
};

}  // namespace trelink
