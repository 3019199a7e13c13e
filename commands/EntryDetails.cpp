#include "commands/EntryDetails.h"

#include <memory>

#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"

namespace trelink {

std::string EntryDetails::TypeName(int hardwareNumber) const {
    std::string name;
    // A failed lookup leaves the name empty; nothing is reported.
    m_context.document.GetHardwareName(name, hardwareNumber, "");
    return name;
}

std::vector<DriverFileInfo> EntryDetails::DriverFiles(int hardwareNumber) const {
    TextList names;
    std::vector<DriverFileInfo> files;
    if (m_context.document.GetDriverNames(hardwareNumber, &names, 0) != kOk) return files;
    files.reserve(names.size());
    for (const std::string& name : names) files.emplace_back(name, m_context.directories);
    return files;
}

void EntryDetails::ReadSettings(int hardwareNumber, ParameterDefinitionList& records) const {
    const ConfigDocument& document = m_context.document;
    TextList names;
    document.ListParameterNamesOfHardware(hardwareNumber, names);
    records.Clear();
    for (const std::string& name : names) {
        auto record = std::make_unique<ParameterDefinition>(name);
        document.ReadParameter(hardwareNumber, record.get(), 0);
        records.Append(std::move(record));
    }
}

}  // namespace trelink
