// Settings of the hardware types: their definitions in the catalogue and their values in the
// hardware entries.
#include <array>
#include <string_view>

#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"

namespace trelink {

namespace {

// Indexed by type code.
constexpr std::array<std::string_view, 19> kTypeNames{
    "PT_VOID",   "PT_BOOL",  "PT_SINT",     "PT_INT",           "PT_DINT",
    "PT_BYTE",   "PT_WORD",  "PT_DWORD",    "PT_REAL",          "PT_LREAL",
    "PT_STRING", "PT_TIME",  "PT_SUBRANGE", "PT_SUBRANGE_REAL", "PT_SUBRANGE_LREAL",
    "PT_ENUM",   "PT_USINT", "PT_UINT",     "PT_UDINT"};

}  // namespace

std::int32_t ConfigDocument::ParameterTypeFromName(const std::string& typeName) {
    for (std::size_t code = 0; code < kTypeNames.size(); ++code) {
        if (kTypeNames[code] == typeName) return static_cast<std::int32_t>(code);
    }
    return PT_VOID;
}

Result ConfigDocument::ListParameterNamesOfType(int type, TextList& names) const {
    return QueryValues({"Hardwaretypes", TypeElementName(type), "Resources", "ParameterName"},
                       names, kNoHardware);
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
    const Result definitionResult =
        QueryValues({"Hardwaretypes", TypeElementName(type), record->name}, definitionTexts,
                    kNoHardware, &definitions);
    if (definitionResult != kOk) return definitionResult;
    if (!definitions.IsEmpty()) record->CopyFrom(definitions.At(0));

    // Without an element of its own the entry shows the definition's text, copied above.
    TextList values;
    const Result valueResult =
        QueryValues({"configuration", "Hardware", record->name}, values, hardwareNumber);
    if (!values.empty()) record->value = values.front();
    return valueResult;
}

Result ConfigDocument::WriteParameterValue(int hardwareNumber, const ParameterDefinition* record) {
    if (record == nullptr) return kInvalidPointer;
    return SetValue({"configuration", "Hardware", record->name}, record->value, hardwareNumber);
}

ParameterDefinition* ConfigDocument::FindParameterByDisplayName(const ParameterDefinitionList& list,
                                                                const std::string& displayName) {
    for (const auto& record : list) {
        if (record->displayName == displayName) return record.get();
    }
    return nullptr;
}

}  // namespace trelink
