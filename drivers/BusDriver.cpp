#include "drivers/BusDriver.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include "drivers/AtomicWrite.h"
#include "drivers/L1ResultCodes.h"

namespace trelink::sim {

namespace {

constexpr char kProprietarySuffix[] = ".l1";

std::string ProprietaryLine(const HardwareEntry& entry) {
    return std::to_string(entry.number) + ' ' + std::to_string(entry.type) + ' ' +
           std::to_string(entry.deviceNumber) + ' ' + (entry.active ? '1' : '0') + '\n';
}

}  // namespace

std::int32_t BusDriver::SetXMLFile(const char* fileName) {
    // A failed call forgets the previous file, so nothing acts on a file nobody named.
    m_configPath.clear();
    if (fileName == nullptr) return kInvalidArgument;
    if (*fileName == '\0') return kConfigUnreadable;
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(fileName, ec);
    std::int32_t result = kOk;
    if (ec || m_config.Load(path.string(), result) == nullptr) return kConfigUnreadable;
    m_configPath = path.string();
    return kOk;
}

std::int32_t BusDriver::ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) {
    if (handle == nullptr) return kInvalidArgument;
    *handle = 0;
    HardwareEntry entry;
    Simulation* simulation = nullptr;
    if (const std::int32_t result =
            LoadReadyEntry(hardwareNumber, "ConnectDiagnosis", entry, simulation);
        result != kOk) {
        return result;
    }
    if (m_connections.size() >= kMaxConnections) return kTooManyConnections;
    const std::int32_t newHandle = NewHandle();
    m_connections[newHandle] = {entry.type, entry.deviceNumber, Simulation::PathFor(m_configPath)};
    *handle = newHandle;
    return kOk;
}

std::int32_t BusDriver::Disconnect(std::int32_t handle) {
    return m_connections.erase(handle) == 1 ? kOk : kInvalidHandle;
}

std::int32_t BusDriver::ScanBus(std::int32_t handle, std::uint8_t* count, std::uint8_t** buffer) {
    if (count == nullptr || buffer == nullptr) return kInvalidArgument;
    *count = 0;
    *buffer = nullptr;
    const auto connection = m_connections.find(handle);
    if (connection == m_connections.end()) return kInvalidHandle;
    const Connection& c = connection->second;
    std::int32_t result = kOk;
    const Simulation* simulation = m_simulation.Load(c.simulationPath, result);
    if (simulation == nullptr) return result;
    const auto adapter = simulation->Find(c.type, c.deviceNumber);
    if (result = CheckAdapter(adapter, "ScanBus"); result != kOk) return result;

    // Never a null buffer, even for an empty bus: the caller hands every buffer back.
    auto nodes = std::make_unique<std::uint8_t[]>(std::max<std::size_t>(adapter->nodes.size(), 1));
    std::copy(adapter->nodes.begin(), adapter->nodes.end(), nodes.get());
    *count = static_cast<std::uint8_t>(adapter->nodes.size());
    *buffer = nodes.get();
    m_buffers.emplace(nodes.get(), std::move(nodes));
    return kOk;
}

std::int32_t BusDriver::Delete(std::uint8_t* buffer) {
    if (buffer == nullptr) return kInvalidArgument;
    return m_buffers.erase(buffer) == 1 ? kOk : kUnknownBuffer;
}

std::int32_t BusDriver::SetHardwareID(std::int32_t hardwareNumber, std::int32_t newDeviceNumber,
                                      std::int32_t* value) {
    if (m_configPath.empty()) return kNoXmlFile;
    if (newDeviceNumber < 0 || newDeviceNumber > kLargestDeviceNumber) return kInvalidDeviceNumber;
    HardwareEntry entry;
    Simulation* simulation = nullptr;
    if (const std::int32_t result =
            LoadReadyEntry(hardwareNumber, "SetHardwareID", entry, simulation);
        result != kOk) {
        return result;
    }
    if (value != nullptr) *value = entry.deviceNumber;
    if (newDeviceNumber == entry.deviceNumber) return kOk;
    // Two adapters answering to the same type and number could no longer be told apart.
    if (simulation->Find(entry.type, newDeviceNumber)) return kDeviceNumberTaken;
    const std::int32_t result =
        simulation->SetDeviceNumber(entry.type, entry.deviceNumber, newDeviceNumber);
    // Whether or not the file took the change, it is read from the file again.
    m_simulation.Forget();
    return result;
}

std::int32_t BusDriver::SaveProprietaryConfiguration() {
    if (m_configPath.empty()) return kNoXmlFile;
    std::int32_t result = kOk;
    const ConfigFile* config = m_config.Load(m_configPath, result);
    if (config == nullptr) return result;
    std::string text;
    for (const HardwareEntry& entry : config->Entries()) text += ProprietaryLine(entry);
    return WriteFileAtomically(m_configPath + kProprietarySuffix, text) ? kOk
                                                                        : kProprietaryNotWritten;
}

std::int32_t BusDriver::LoadReadyEntry(std::int32_t hardwareNumber, const std::string& entryPoint,
                                       HardwareEntry& entry, Simulation*& simulation) {
    if (m_configPath.empty()) return kNoXmlFile;
    std::int32_t result = kOk;
    const ConfigFile* config = m_config.Load(m_configPath, result);
    if (config == nullptr) return result;
    const std::optional<HardwareEntry> found = config->Entry(hardwareNumber);
    if (!found) return kNoSuchHardware;
    entry = *found;
    simulation = m_simulation.Load(Simulation::PathFor(m_configPath), result);
    if (simulation == nullptr) return result;
    return CheckAdapter(simulation->Find(entry.type, entry.deviceNumber), entryPoint);
}

std::int32_t BusDriver::CheckAdapter(const std::optional<SimulatedAdapter>& adapter,
                                     const std::string& entryPoint) {
    if (!adapter) return kAdapterNotFound;
    if (!adapter->pluggedIn) return kAdapterNotPluggedIn;
    return adapter->FaultOf(entryPoint);
}

std::int32_t BusDriver::NewHandle() {
    do {
        m_lastHandle =
            m_lastHandle == std::numeric_limits<std::int32_t>::max() ? 1 : m_lastHandle + 1;
    } while (m_connections.count(m_lastHandle) != 0);
    return m_lastHandle;
}

}  // namespace trelink::sim
