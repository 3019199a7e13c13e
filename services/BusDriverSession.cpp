#include "services/BusDriverSession.h"

namespace trelink {

namespace {
constexpr int kScanFailed = -1;
}  // namespace

BusDriverSession::BusDriverSession(std::unique_ptr<BusDriver> driver)
    : m_driver(std::move(driver)) {}

bool BusDriverSession::Begin(BusDriver::Operation operation, const std::string& fileName) {
    if (!m_driver || !m_driver->CanRun(operation)) {
        m_lastResult = kBusDriverNotLoaded;
        return false;
    }
    return Store(m_driver->SetXMLFile(fileName.c_str())) == kOk;
}

Result BusDriverSession::Store(Result result) {
    m_lastResult = result;
    return result;
}

// Disconnect's own result is of no interest: it only releases what the connect took.
void BusDriverSession::TestConnection(const std::string& fileName, std::int32_t hardwareNumber) {
    if (!Begin(BusDriver::Operation::kConnectionTest, fileName)) return;
    std::int32_t handle = 0;
    Store(m_driver->ConnectDiagnosis(hardwareNumber, &handle));
    m_driver->Disconnect(handle);
}

int BusDriverSession::ScanBus(const std::string& fileName, std::int32_t hardwareNumber,
                              std::vector<std::uint8_t>& addresses) {
    addresses.clear();
    if (!Begin(BusDriver::Operation::kScan, fileName)) return kScanFailed;
    std::int32_t handle = 0;
    int count = kScanFailed;
    if (Store(m_driver->ConnectDiagnosis(hardwareNumber, &handle)) == kOk) {
        count = CopyScan(handle, addresses);
    }
    m_driver->Disconnect(handle);
    return count;
}

int BusDriverSession::CopyScan(std::int32_t handle, std::vector<std::uint8_t>& addresses) {
    std::uint8_t count = 0;
    std::uint8_t* buffer = nullptr;
    const Result scanned = Store(m_driver->ScanBus(handle, &count, &buffer));
    // A buffer is handed back even when the scan failed: the library may have given one out.
    if (scanned == kOk && buffer) addresses.assign(buffer, buffer + count);
    if (buffer) m_driver->Delete(buffer);
    if (scanned != kOk) return kScanFailed;
    // A library that reports nodes without a buffer to read them from has failed all the same.
    if (!buffer) return count == 0 ? 0 : kScanFailed;
    return count;
}

Result BusDriverSession::SetDeviceNumber(const std::string& fileName, std::int32_t hardwareNumber,
                                         std::int32_t deviceNumber) {
    if (!Begin(BusDriver::Operation::kSetDeviceNumber, fileName)) return m_lastResult;
    std::int32_t unused = 0;
    return Store(m_driver->SetHardwareID(hardwareNumber, deviceNumber, &unused));
}

Result BusDriverSession::SaveProprietaryConfiguration(const std::string& fileName) {
    if (!Begin(BusDriver::Operation::kSaveConfiguration, fileName)) return m_lastResult;
    return Store(m_driver->SaveProprietaryConfiguration());
}

}  // namespace trelink
