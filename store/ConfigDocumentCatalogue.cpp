// The hardware type catalogue below "Hardwaretypes": type ids, display names, driver files and
// the other per-type values, read from the tree at every lookup.
#include <functional>
#include <utility>

#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"

namespace trelink {

Result ConfigDocument::GetTypeIds(TextList& typeIds) const {
    return QueryValues({kCatalogue, "TypeId"}, typeIds, kNoHardware);
}

Result ConfigDocument::GetHardwareName(std::string& name, int hardwareNumber,
                                       const std::string& typeElementName) const {
    const std::string typeElement = hardwareNumber == kNoHardware
                                        ? typeElementName
                                        : TypeElementName(GetHardwareType(hardwareNumber));
    TextList found;
    const Result result = QueryValues(
        {kCatalogue, typeElement, "HWName" + std::to_string(m_language)}, found, kNoHardware);
    if (!found.empty()) name = found.front();
    return result;
}

Result ConfigDocument::VisitTypeNames(
    const std::function<bool(const std::string&, std::string&&)>& visit) const {
    TextList typeIds;
    if (const Result result = GetTypeIds(typeIds); result != kOk) return result;
    for (const std::string& typeId : typeIds) {
        std::string name;
        if (const Result result = GetHardwareName(name, kNoHardware, typeId); result != kOk) {
            return result;
        }
        if (visit(typeId, std::move(name))) break;
    }
    return kOk;
}

Result ConfigDocument::GetHardwareTypeNames(TextList& names) const {
    return VisitTypeNames([&names](const std::string&, std::string&& name) {
        names.push_back(std::move(name));
        return false;
    });
}

Result ConfigDocument::FindTypeByName(const std::string& displayName, int& type) const {
    bool found = false;
    const Result result = VisitTypeNames([&](const std::string& typeId, std::string&& name) {
        found = name == displayName;
        if (found) type = TypeNumberFromTypeId(typeId);
        return found;
    });
    if (result != kOk) return result;
    return found ? kOk : kUnknownTypeName;
}

Result ConfigDocument::GetTypeValues(int type, const std::string& elementName,
                                     TextList& values) const {
    return QueryValues({kCatalogue, TypeElementName(type), elementName}, values, kNoHardware);
}

Result ConfigDocument::GetDriverNames(int hardwareNumber, TextList* names, int type) const {
    if (names == nullptr) return kInvalidPointer;
    // Type 0 means "the entry's type"; without an entry that is 0 again, so type 0 stays
    // reachable.
    if (type == 0) type = GetHardwareType(hardwareNumber);
    return GetTypeValues(type, "DriverName", *names);
}

}  // namespace trelink
