#include "store/HardwareOffer.h"

#include "store/ConfigDocument.h"
#include "store/DriverFileInfo.h"

namespace trelink {

Result HardwareOffer::Collect(TextList& offered) const {
    TextList names;
    if (const Result result = m_document.GetHardwareTypeNames(names); result != kOk) return result;
    for (const std::string& name : names) {
        bool isOffered = false;
        if (const Result result = IsOffered(name, isOffered); result != kOk) return result;
        if (isOffered) offered.push_back(name);
    }
    return kOk;
}

Result HardwareOffer::IsOffered(const std::string& displayName, bool& offered) const {
    int type = 0;
    if (const Result result = m_document.FindTypeByName(displayName, type); result != kOk) {
        return result;
    }
    offered = IsOffered(type);
    return kOk;
}

bool HardwareOffer::IsOffered(int type) const {
    TextList driverNames;
    m_document.GetDriverNames(kNoHardware, &driverNames, type);
    return driverNames.empty() ||
           DriverFileInfo(driverNames.front(), m_directories).Version() != DriverFileInfo::kUnknown;
}

}  // namespace trelink
