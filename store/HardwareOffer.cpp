#include "store/HardwareOffer.h"

#include "store/ConfigDocument.h"
#include "store/DriverFileInfo.h"

namespace trelink {

Result HardwareOffer::Collect(TextList& offered) const {
    TextList names;
    if (const Result result = m_document.GetHardwareTypeNames(names); result != kOk) return result;
    for (const std::string& name : names) {
        int type = 0;
        if (const Result result = m_document.FindTypeByName(name, type); result != kOk) {
            return result;
        }
        if (IsOffered(type)) offered.push_back(name);
    }
    return kOk;
}

bool HardwareOffer::IsOffered(int type) const {
    TextList driverNames;
    m_document.GetDriverNames(kNoHardware, &driverNames, type);
    if (driverNames.empty()) return Offers(nullptr);
    const DriverFileInfo firstDriver(driverNames.front(), m_directories);
    return Offers(&firstDriver);
}

bool HardwareOffer::Offers(const DriverFileInfo* firstDriver) {
    return firstDriver == nullptr || firstDriver->Version() != DriverFileInfo::kUnknown;
}

}  // namespace trelink
