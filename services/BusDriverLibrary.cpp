#include "services/BusDriverLibrary.h"

#include "services/SharedLibrary.h"

namespace trelink {

namespace {
constexpr const char* kLibraryName = "MTrelinkL1.dll";
}  // namespace

std::unique_ptr<BusDriver> LibraryBusDriverFactory::Load() const {
    return std::make_unique<BusDriverLibrary>(m_libraryFolder);
}

BusDriverLibrary::BusDriverLibrary(const std::string& libraryFolder)
    : m_library(SharedLibrary::Open(kLibraryName, libraryFolder)) {
    if (m_library) ResolveEntryPoints();
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

bool BusDriverLibrary::CanRun(Operation operation) const {
    if (!m_library || !m_setXMLFile) return false;
    switch (operation) {
        case Operation::kConnectionTest:
            return m_connectDiagnosis && m_disconnect;
        case Operation::kScan:
            return m_connectDiagnosis && m_disconnect && m_scanBus && m_delete;
        case Operation::kSetDeviceNumber:
            return m_setHardwareID != nullptr;
        case Operation::kSaveConfiguration:
            return m_saveProprietaryConfiguration != nullptr;
    }
    return false;
}

std::int32_t BusDriverLibrary::SetXMLFile(const char* fileName) {
    return m_setXMLFile(fileName);
}

std::int32_t BusDriverLibrary::ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) {
    return m_connectDiagnosis(hardwareNumber, handle);
}

std::int32_t BusDriverLibrary::Disconnect(std::int32_t handle) {
    return m_disconnect(handle);
}

std::int32_t BusDriverLibrary::ScanBus(std::int32_t handle, std::uint8_t* count,
                                       std::uint8_t** buffer) {
    return m_scanBus(handle, count, buffer);
}

std::int32_t BusDriverLibrary::Delete(std::uint8_t* buffer) {
    return m_delete(buffer);
}

std::int32_t BusDriverLibrary::SetHardwareID(std::int32_t hardwareNumber, std::int32_t deviceNumber,
                                             std::int32_t* value) {
    return m_setHardwareID(hardwareNumber, deviceNumber, value);
}

std::int32_t BusDriverLibrary::SaveProprietaryConfiguration() {
    return m_saveProprietaryConfiguration();
}

}  // namespace trelink
