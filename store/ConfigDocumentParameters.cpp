// Settings of the hardware types: their definitions in the catalogue and their values in the
// hardware entries.
#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"

namespace trelink {

std::int32_t ConfigDocument::ParameterTypeFromName(const std::string& typeName) {
    for (std::int32_t code = PT_VOID; code <= PT_UDINT; ++code) {
        if (ParameterTypeName(code) == typeName) return code;
    }
    return PT_VOID;
}

Result ConfigDocument::ListParameterNamesOfType(int type, TextList& names) const {
    return QueryValues({kCatalogue, TypeElementName(type), "Resources", "ParameterName"}, names,
                       kNoHardware);
}

Result ConfigDocument::ListParameterNamesOfHardware(int hardwareNumber, TextList& names) const {
    return ListParameterNamesOfType(GetHardwareType(hardwareNumber), names);
}

Result ConfigDocument::ReadParameter(int hardwareNumber, ParameterDefinition* record,
                                     int type) const {
    if (record == nullptr) return kInvalidPointer;
    if (type == 0) type = GetHardwareType(hardwareNumber);

    TextList definitionTexts;
    ParameterDefinitionList definitions;
    const Result definitionResult = QueryValues({kCatalogue, TypeElementName(type), record->name},
                                                definitionTexts, kNoHardware, &definitions);
    if (definitionResult != kOk) return definitionResult;
    if (!definitions.IsEmpty()) record->CopyFrom(definitions.At(0));

    // Without an element of its own the entry shows the definition's text, copied above.
    TextList values;
    const Result valueResult =
        QueryValues({kConfiguration, kHardware, record->name}, values, hardwareNumber);
    if (!values.empty()) record->value = values.front();
    return valueResult;
}

Result ConfigDocument::WriteParameterValue(int hardwareNumber, const ParameterDefinition* record) {
    if (record == nullptr) return kInvalidPointer;
    return SetValue({kConfiguration, kHardware, record->name}, record->value, hardwareNumber);
}

ParameterDefinition* ConfigDocument::FindParameterByDisplayName(const ParameterDefinitionList& list,
                                                                const std::string& displayName) {
    for (const auto& record : list) {
        if (record->displayName == displayName) return record.get();
    }
    return nullptr;
}

}  // namespace trelink
