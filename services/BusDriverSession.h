#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "services/BusDriver.h"
#include "services/ResultCodes.h"

namespace trelink {

// The call sequences of the bus-driver library for one command: the library is loaded when
// the session is made and unloaded when it goes. Every operation first names the configuration
// file to the library and stops when the library refuses it. When the library is missing, or
// lacks an entry point the operation calls, nothing is called and the result is
// kBusDriverNotLoaded.
class BusDriverSession {
public:
    explicit BusDriverSession(std::unique_ptr<BusDriver> driver);
    explicit BusDriverSession(const BusDriverFactory& factory) : BusDriverSession(factory.Load()) {}

    // The result of the last library call that counts for the operation.
    Result LastResult() const { return m_lastResult; }

    // Connects for diagnosis and always disconnects again; the outcome is LastResult().
    void TestConnection(const std::string& fileName, std::int32_t hardwareNumber);
    // The node addresses that answered on the bus, copied into addresses; their count, or -1
    // on any failure (addresses is then empty). The library's buffer is always handed back and
    // the connection always closed.
    int ScanBus(const std::string& fileName, std::int32_t hardwareNumber,
                std::vector<std::uint8_t>& addresses);
    Result SetDeviceNumber(const std::string& fileName, std::int32_t hardwareNumber,
                           std::int32_t deviceNumber);
    Result SaveProprietaryConfiguration(const std::string& fileName);

private:
    // Whether the operation may call the library; otherwise the last result says why not.
    bool Begin(BusDriver::Operation operation, const std::string& fileName);
    Result Store(Result result);
    int CopyScan(std::int32_t handle, std::vector<std::uint8_t>& addresses);

    std::unique_ptr<BusDriver> m_driver;
    Result m_lastResult = kOk;
};

}  // namespace trelink
