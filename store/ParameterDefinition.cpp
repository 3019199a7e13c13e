#include "store/ParameterDefinition.h"

namespace trelink {

void ParameterDefinition::Reset() { *this = ParameterDefinition(); }

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

std::unique_ptr<ParameterDefinition> ParameterDefinitionList::TakeFirst() {
    if (m_records.empty()) return nullptr;
    std::unique_ptr<ParameterDefinition> first = std::move(m_records.front());
    m_records.erase(m_records.begin());
    return first;
}

}  // namespace trelink
