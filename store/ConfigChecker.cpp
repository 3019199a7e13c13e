#include "store/ConfigChecker.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "services/IntText.h"
#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "store/ParameterDefinition.h"

namespace trelink {

namespace {

constexpr int kEntryType = 0;  // ReadParameter: the type of the entry read
constexpr int kActive = 1;

struct EntryValue {
    std::string value;
    int hardwareNumber;
};

}  // namespace

Result ConfigChecker::GetFreeSlots(const std::string& typeDisplayName, int& freeCount) const {
    freeCount = 0;
    int type = 0;
    if (const Result result = m_document.FindTypeByName(typeDisplayName, type); result != kOk) {
        return result;
    }
    return GetFreeSlots(type, freeCount);
}

Result ConfigChecker::GetFreeSlots(int type, int& freeCount) const {
    freeCount = 0;
    int maximum = 0;
    if (const Result result = GetMaximum(type, maximum); result != kOk) return result;
    int count = 0;
    if (const Result result = m_document.GetHardwareCount(count); result != kOk) return result;
    int used = 0;
    for (int number = 1; number <= count; ++number) {
        if (m_document.GetHardwareType(number) == type) ++used;
    }
    freeCount = maximum - used;
    return kOk;
}

Result ConfigChecker::GetMaximum(int type, int& maximum) const {
    maximum = 0;
    // Read like a setting without hardware, so a "MaxNumHW" in the first entry overrides the
    // catalogue's.
    ParameterDefinition record("MaxNumHW");
    const Result result = m_document.ReadParameter(kNoHardware, &record, type);
    if (result == kOk) maximum = AtoiText(record.value);
    return result;
}

Result ConfigChecker::CanActivate(const std::string& typeDisplayName, int& permission) const {
    permission = 0;
    int type = 0;
    if (const Result result = m_document.FindTypeByName(typeDisplayName, type); result != kOk) {
        return result;
    }
    return CanActivate(type, permission);
}

Result ConfigChecker::CanActivate(int type, int& permission, std::vector<int>* blocking) const {
    permission = 0;
    int count = 0;
    if (const Result result = m_document.GetHardwareCount(count); result != kOk) return result;
    std::vector<EntryValue> active;
    for (int number = 1; number <= count; ++number) {
        if (m_document.IsHardwareActive(number) == kActive) {
            active.push_back({std::to_string(m_document.GetHardwareType(number)), number});
        }
    }
    TextList forbidden;
    if (const Result result = m_document.GetTypeValues(type, "NotParallelToHW", forbidden);
        result != kOk) {
        return result;
    }
    // Textual comparison: only the plain decimal form of a type number matches.
    bool refused = false;
    for (const std::string& text : forbidden) {
        for (const EntryValue& entry : active) {
            if (text != entry.value) continue;
            refused = true;
            if (!blocking) return kOk;
            if (std::find(blocking->begin(), blocking->end(), entry.hardwareNumber) ==
                blocking->end()) {
                blocking->push_back(entry.hardwareNumber);
            }
        }
    }
    permission = refused ? 0 : 1;
    return kOk;
}

Result ConfigChecker::CheckConfiguration(CheckFindingList& findings) const {
    if (const Result result = CheckUniqueValues(findings); result != kOk) return result;
    int active = 0;
    if (const Result result = CountActiveHardware(active); result != kOk) return result;
    if (active == 0) findings.push_back({Msg::kNothingActive, {}});
    int defaults = 0;
    if (const Result result = CountDefaultHardware(defaults); result != kOk) return result;
    if (defaults != 1) findings.push_back({Msg::kNoSingleDefault, {}});
    return kOk;
}

Result ConfigChecker::CheckUniqueValues(CheckFindingList& findings) const {
    TextList typeIds;
    if (const Result result = m_document.GetTypeIds(typeIds); result != kOk) return result;
    for (const std::string& typeId : typeIds) {
        const Result result = CheckUniqueValuesOfType(TypeNumberFromTypeId(typeId), findings);
        if (result != kOk) return result;
    }
    return kOk;
}

Result ConfigChecker::CheckUniqueValuesOfType(int type, CheckFindingList& findings) const {
    TextList names;
    if (const Result result = m_document.ListParameterNamesOfType(type, names); result != kOk) {
        return result;
    }
    ParameterDefinitionList uniqueDefinitions;
    for (const std::string& name : names) {
        auto definition = std::make_unique<ParameterDefinition>(name);
        const Result result = m_document.ReadParameter(kNoHardware, definition.get(), type);
        if (result != kOk) return result;
        if (definition->unique == 1) uniqueDefinitions.Append(std::move(definition));
    }
    for (const auto& definition : uniqueDefinitions) {
        if (const Result result = CheckUniqueValue(type, *definition, findings); result != kOk) {
            return result;
        }
    }
    return kOk;
}

// Every pair of entries of the type with the same value text, lower number first. Inactive
// entries count too: activating one later must not break the driver layer.
Result ConfigChecker::CheckUniqueValue(int type, const ParameterDefinition& definition,
                                       CheckFindingList& findings) const {
    int count = 0;
    if (const Result result = m_document.GetHardwareCount(count); result != kOk) return result;
    std::vector<EntryValue> entries;
    for (int number = 1; number <= count; ++number) {
        if (m_document.GetHardwareType(number) != type) continue;
        ParameterDefinition value(definition.name);
        if (const Result result = m_document.ReadParameter(number, &value, kEntryType);
            result != kOk) {
            return result;
        }
        entries.push_back({std::move(value.value), number});
    }
    // The entries of each value in order, so that only pairs that are reported are looked at.
    std::unordered_map<std::string_view, std::vector<std::size_t>> byValue;
    for (std::size_t i = 0; i < entries.size(); ++i) byValue[entries[i].value].push_back(i);
    for (std::size_t first = 0; first < entries.size(); ++first) {
        const std::vector<std::size_t>& same = byValue[entries[first].value];
        for (auto later = std::upper_bound(same.begin(), same.end(), first); later != same.end();
             ++later) {
            findings.push_back({Msg::kValueNotUnique,
                                {std::to_string(entries[first].hardwareNumber),
                                 std::to_string(entries[*later].hardwareNumber),
                                 definition.displayName, entries[*later].value}});
        }
    }
    return kOk;
}

Result ConfigChecker::CountActiveHardware(int& count) const {
    count = 0;
    int entries = 0;
    if (const Result result = m_document.GetHardwareCount(entries); result != kOk) return result;
    for (int number = 1; number <= entries; ++number) {
        if (m_document.IsHardwareActive(number) == kActive) ++count;
    }
    return kOk;
}

Result ConfigChecker::CountDefaultHardware(int& count) const {
    count = 0;
    int entries = 0;
    if (const Result result = m_document.GetHardwareCount(entries); result != kOk) return result;
    for (int number = 1; number <= entries; ++number) {
        int isActive = 0, isDefault = 0, errorCode = 0;
        const Result result = m_document.GetHardwareState(number, isActive, isDefault, errorCode);
        if (result != kOk) return result;
        if (isDefault != 0) ++count;
    }
    return kOk;
}

}  // namespace trelink
