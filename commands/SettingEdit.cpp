#include "commands/SettingEdit.h"

#include "commands/ProgramSettings.h"
#include "services/ErrorLookup.h"
#include "services/IntText.h"
#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "store/ParameterDefinition.h"

namespace trelink {

ParameterDefinition* SettingEdit::Find(const ParameterDefinitionList& records,
                                       const std::string& displayName) {
    return ConfigDocument::FindParameterByDisplayName(records, displayName);
}

bool SettingEdit::TransfersToAdapter(const ParameterDefinition& record) {
    return record.name == kDeviceNumber;
}

Result SettingEdit::TransferDeviceNumber(const ParameterDefinition& record) {
    m_driver.emplace(m_context.busDrivers);
    return m_driver->SetDeviceNumber(m_context.settings.ConfigFileName(), m_hardwareNumber,
                                     AtoiText(record.value));
}

Message SettingEdit::TransferFailure(const ErrorLookup& texts, Result code) {
    return {Msg::kDeviceNumberTransferFailed, {texts.Description(code), texts.Remedy(code)}};
}

Result SettingEdit::WriteValue(const ParameterDefinition& record) {
    return m_context.document.WriteParameterValue(m_hardwareNumber, &record);
}

}  // namespace trelink
