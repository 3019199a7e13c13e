#include "store/ParameterDefinition.h"

#include <array>
#include <string_view>

#include "services/IntText.h"
#include "store/ConfigDocument.h"
#include "store/XmlElements.h"

namespace trelink {

namespace {

// The names of the type codes in the file, indexed by code.
constexpr std::array<std::string_view, 19> kTypeNames{
    "PT_VOID",   "PT_BOOL",  "PT_SINT",     "PT_INT",           "PT_DINT",
    "PT_BYTE",   "PT_WORD",  "PT_DWORD",    "PT_REAL",          "PT_LREAL",
    "PT_STRING", "PT_TIME",  "PT_SUBRANGE", "PT_SUBRANGE_REAL", "PT_SUBRANGE_LREAL",
    "PT_ENUM",   "PT_USINT", "PT_UINT",     "PT_UDINT"};

constexpr std::size_t kTypeIdPrefixLength = 4;
constexpr int kTypeNumberMask = 0xFF;

// "Min" and "Max": absent keeps -1, present without digits gives 0.
std::int32_t BoundAttribute(pugi::xml_node element, const char* name, std::int32_t fallback) {
    const pugi::xml_attribute attribute = element.attribute(name);
    return attribute ? AtoiText(attribute.value()) : fallback;
}

std::string NumberedName(const char* stem, int number) {
    return stem + std::to_string(number);
}

// "Val1", "Val2", ... up to the first gap; each in front, so the highest number leads.
TextList ChoicesOf(pugi::xml_node element) {
    TextList choices;
    for (int number = 1;; ++number) {
        const pugi::xml_attribute attribute =
            element.attribute(NumberedName("Val", number).c_str());
        if (!attribute) break;
        choices.insert(choices.begin(), attribute.value());
    }
    return choices;
}

std::string DisplayNameOf(pugi::xml_node element, int language) {
    pugi::xml_attribute attribute =
        element.attribute(NumberedName("DisplayName", language).c_str());
    if (!attribute) attribute = element.attribute(NumberedName("DisplayName", 0).c_str());
    return attribute.value();
}

}  // namespace

std::unique_ptr<ParameterDefinition> DefinitionFromElement(pugi::xml_node element,
                                                           const std::string& name, int language) {
    auto record = std::make_unique<ParameterDefinition>(name);
    record->value = ElementText(element);
    record->minimum = BoundAttribute(element, "Min", record->minimum);
    record->maximum = BoundAttribute(element, "Max", record->maximum);
    record->defaultValue = element.attribute("Default").value();
    record->choices = ChoicesOf(element);
    record->unit = element.attribute("Unit").value();
    record->type = ConfigDocument::ParameterTypeFromName(element.attribute("Type").value());
    record->displayName = DisplayNameOf(element, language);
    record->unique = std::string_view(element.attribute("Unique").value()) == "1" ? 1 : 0;
    return record;
}

void ParameterDefinition::Reset() {
    *this = ParameterDefinition();
}

void ParameterDefinition::CopyFrom(const ParameterDefinition& other) {
    name = other.name;
    displayName = other.displayName;
    value = other.value;
    defaultValue = other.defaultValue;
    unit = other.unit;
    minimum = other.minimum;
    maximum = other.maximum;
    unique = other.unique;
    choices.insert(choices.end(), other.choices.begin(), other.choices.end());
    type = other.type;
}

std::string ParameterTypeName(std::int32_t type) {
    return type >= 0 && static_cast<std::size_t>(type) < kTypeNames.size()
               ? std::string(kTypeNames[static_cast<std::size_t>(type)])
               : std::to_string(type);
}

std::string TypeElementName(int type) {
    return "Type" + std::to_string(type);
}

int TypeNumberFromTypeId(std::string_view typeId) {
    const std::string_view number =
        typeId.size() > kTypeIdPrefixLength ? typeId.substr(kTypeIdPrefixLength) : "";
    return AtoiText(number) & kTypeNumberMask;
}

}  // namespace trelink
