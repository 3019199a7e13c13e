#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "drivers/ConfigFile.h"
#include "drivers/ParsedFileCache.h"
#include "drivers/SimulatedAdapter.h"
#include "drivers/Simulation.h"

namespace trelink::sim {

// The simulated bus driver behind the C entry points: remembers the configuration file, the
// open connections and the scan buffers given out. Not thread-safe; the entry points
// serialise the calls.
class BusDriver {
public:
    std::int32_t SetXMLFile(const char* fileName);
    std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle);
    std::int32_t Disconnect(std::int32_t handle);
    std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count, std::uint8_t** buffer);
    std::int32_t Delete(std::uint8_t* buffer);
    std::int32_t SetHardwareID(std::int32_t hardwareNumber, std::int32_t newDeviceNumber,
                               std::int32_t* value);
    std::int32_t SaveProprietaryConfiguration();

    static constexpr std::size_t kMaxConnections = 64;
    static constexpr std::int32_t kLargestDeviceNumber = 255;

private:
    struct Connection {
        std::uint8_t type = 0;
        std::int32_t deviceNumber = 0;
        std::string simulationPath;
    };

    // Entry n of the configuration and its adapter, which must be plugged in and free of an
    // injected fault for entryPoint; simulation is the simulation it was found in.
    std::int32_t LoadReadyEntry(std::int32_t hardwareNumber, const std::string& entryPoint,
                                HardwareEntry& entry, Simulation*& simulation);
    static std::int32_t CheckAdapter(const std::optional<SimulatedAdapter>& adapter,
                                     const std::string& entryPoint);
    std::int32_t NewHandle();

    std::string m_configPath;  // absolute; empty until SetXMLFile succeeds
    ParsedFileCache<ConfigFile> m_config;
    ParsedFileCache<Simulation> m_simulation;
    std::map<std::int32_t, Connection> m_connections;
    std::int32_t m_lastHandle = 0;
    std::map<const std::uint8_t*, std::unique_ptr<std::uint8_t[]>> m_buffers;
};

}  // namespace trelink::sim
