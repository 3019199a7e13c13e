#include "services/BusDriverLibrary.h"

#include "services/SharedLibrary.h"

namespace trelink {

namespace {
constexpr const char* kLibraryName = "MTrelinkL1.dll";
constexpr int kScanFailed = -1;
}  // namespace

BusDriverLibrary::BusDriverLibrary() : m_library(SharedLibrary::Open(kLibraryName)) {
    if (!m_library) {
        m_lastResult = kBusDriverNotLoaded;
        m_loadResult = kBusDriverNotLoaded;
        return;
    }
    m_loaded = true;
    ResolveEntryPoints();
}

BusDriverLibrary::~BusDriverLibrary() = default;

void BusDriverLibrary::ResolveEntryPoints() {
    const SharedLibrary& library = *m_library;
    m_connect = library.Entry<AnyFunction>("Connect");
    m_connectDiagnosis = library.Entry<ConnectDiagnosisFunction>("ConnectDiagnosis");
    m_disconnect = library.Entry<DisconnectFunction>("Disconnect");
    m_reset = library.Entry<AnyFunction>("Reset");
    m_readIndex = library.Entry<AnyFunction>("ReadIndex");
    m_writeIndex = library.Entry<AnyFunction>("WriteIndex");
    m_sendPDO = library.Entry<AnyFunction>("SendPDO");
    m_setMsgFilter = library.Entry<AnyFunction>("SetMsgFilter");
    m_scanBus = library.Entry<ScanBusFunction>("ScanBus");
    m_setXMLFile = library.Entry<SetXMLFileFunction>("SetXMLFile");
    m_getErrorText = library.Entry<AnyFunction>("GetErrorText");
    m_setLanguage = library.Entry<AnyFunction>("SetLanguage");
    m_getParameterChannel = library.Entry<AnyFunction>("GetParameterChannel");
    m_delete = library.Entry<DeleteFunction>("Delete");
    m_setHardwareID = library.Entry<SetHardwareIDFunction>("SetHardwareID");
    m_saveProprietaryConfiguration = library.Entry<SaveFunction>("SaveProprietaryConfiguration");
}

bool BusDriverLibrary::Usable(bool entryPointsPresent) {
    if (m_loaded && entryPointsPresent) return true;
    m_lastResult = kBusDriverNotLoaded;
    return false;
}

Result BusDriverLibrary::Store(Result result) {
    m_lastResult = result;
    return result;
}

bool BusDriverLibrary::NameFile(const std::string& fileName) {
    return Store(m_setXMLFile(fileName.c_str())) == kOk;
}

// Disconnect's own result is of no interest: it only releases what the connect took.
void BusDriverLibrary::TestConnection(const std::string& fileName, std::int32_t hardwareNumber) {
    if (!CanCall(m_setXMLFile, m_connectDiagnosis, m_disconnect) || !NameFile(fileName)) return;
    std::int32_t handle = 0;
    Store(m_connectDiagnosis(hardwareNumber, &handle));
    m_disconnect(handle);
}

int BusDriverLibrary::ScanBus(const std::string& fileName, std::int32_t hardwareNumber,
                              std::vector<std::uint8_t>& addresses) {
    addresses.clear();
    if (!CanCall(m_setXMLFile, m_connectDiagnosis, m_disconnect, m_scanBus, m_delete) ||
        !NameFile(fileName)) {
        return kScanFailed;
    }
    std::int32_t handle = 0;
    int count = kScanFailed;
    if (Store(m_connectDiagnosis(hardwareNumber, &handle)) == kOk) {
        count = CopyScan(handle, addresses);
    }
    m_disconnect(handle);
    return count;
}

int BusDriverLibrary::CopyScan(std::int32_t handle, std::vector<std::uint8_t>& addresses) {
    std::uint8_t count = 0;
    std::uint8_t* buffer = nullptr;
    if (Store(m_scanBus(handle, &count, &buffer)) != kOk) return kScanFailed;
    // A library that reports nodes without a buffer to read them from has failed all the same.
    if (!buffer) return count == 0 ? 0 : kScanFailed;
    addresses.assign(buffer, buffer + count);
    m_delete(buffer);
    return count;
}

Result BusDriverLibrary::SetDeviceNumber(const std::string& fileName, std::int32_t hardwareNumber,
                                         std::int32_t deviceNumber) {
    if (!CanCall(m_setXMLFile, m_setHardwareID)) return m_lastResult;
    if (!NameFile(fileName)) return m_lastResult;
    std::int32_t unused = 0;
    return Store(m_setHardwareID(hardwareNumber, deviceNumber, &unused));
}

Result BusDriverLibrary::SaveProprietaryConfiguration(const std::string& fileName) {
    if (!CanCall(m_setXMLFile, m_saveProprietaryConfiguration)) return m_lastResult;
    if (!NameFile(fileName)) return m_lastResult;
    return Store(m_saveProprietaryConfiguration());
}

}  // namespace trelink
