#pragma once

#include <string>
#include <vector>

#include "services/ResultCodes.h"
#include "store/Message.h"

namespace trelink {

class ConfigDocument;
class ParameterDefinition;

// The per-type limits that adding and activating an entry must respect, and the check of the
// whole configuration. Holds no state of its own: every answer is read from the document.
class ConfigChecker {
public:
    explicit ConfigChecker(const ConfigDocument& document) : m_document(document) {}

    // How many more entries of the type may be added; below 0 when the file already holds
    // more than "MaxNumHW". freeCount is 0 when the type is unknown.
    Result GetFreeSlots(const std::string& typeDisplayName, int& freeCount) const;
    // The same for a type given by number, whatever the display language.
    Result GetFreeSlots(int type, int& freeCount) const;
    // The largest number of entries of the type: its "MaxNumHW", unless the first entry has one.
    Result GetMaximum(int type, int& maximum) const;

    // permission 1 when no type in the "NotParallelToHW" list of this type is active now.
    // Only this type's list counts, not the lists of the active types.
    Result CanActivate(const std::string& typeDisplayName, int& permission) const;
    // The same for a type given by number; blocking, when given, receives the numbers of the
    // active entries whose type the list forbids.
    Result CanActivate(int type, int& permission, std::vector<int>* blocking = nullptr) const;

    // Findings in this order: repeated unique values, no active entry, not exactly one
    // default entry. On a failing read the findings gathered so far stay in the list.
    Result CheckConfiguration(CheckFindingList& findings) const;
    Result CheckUniqueValues(CheckFindingList& findings) const;
    // Entries whose "IsActive" reads exactly 1.
    Result CountActiveHardware(int& count) const;
    // Entries whose "IsDefault" reads as anything but 0.
    Result CountDefaultHardware(int& count) const;

private:
    Result CheckUniqueValuesOfType(int type, CheckFindingList& findings) const;
    Result CheckUniqueValue(int type, const ParameterDefinition& definition,
                            CheckFindingList& findings) const;

    const ConfigDocument& m_document;
};

}  // namespace trelink
