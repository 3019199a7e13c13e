#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "services/BusDriver.h"

namespace trelink::test {

// What the scripted bus driver answers and what it was asked. One script is shared by every
// driver that a FakeBusDriverFactory loads, so a test sees the calls of a whole command.
struct BusDriverScript {
    bool loaded = true;
    std::set<BusDriver::Operation> missing;  // operations whose entry points are missing
    std::int32_t setXMLFile = 0;
    std::map<int, std::int32_t> connect;  // by hardware number; others answer 0
    std::int32_t scan = 0;
    std::vector<std::uint8_t> nodes{5, 6, 7};
    bool scanWithoutBuffer = false;
    bool bufferOnFailedScan = false;
    std::int32_t setHardwareID = 0;

    std::string calls;  // separated by blanks
    int loads = 0;
    int unloads = 0;
    // Buffers handed out and not yet given back.
    std::set<std::uint8_t*> outstanding;
};

class FakeBusDriver : public BusDriver {
public:
    explicit FakeBusDriver(BusDriverScript& script) : m_script(script) { ++m_script.loads; }
    ~FakeBusDriver() override { ++m_script.unloads; }

    bool CanRun(Operation operation) const override {
        return m_script.loaded && m_script.missing.count(operation) == 0;
    }
    std::int32_t SetXMLFile(const char* fileName) override {
        Record("SetXMLFile(" + std::string(fileName) + ")");
        return m_script.setXMLFile;
    }
    std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) override {
        Record("ConnectDiagnosis(" + std::to_string(hardwareNumber) + "," +
               std::to_string(*handle) + ")");
        const auto found = m_script.connect.find(hardwareNumber);
        const std::int32_t result = found == m_script.connect.end() ? 0 : found->second;
        *handle = result == 0 ? kHandle : 0;
        return result;
    }
    std::int32_t Disconnect(std::int32_t handle) override {
        Record("Disconnect(" + std::to_string(handle) + ")");
        return kDisconnectResult;
    }
    std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count, std::uint8_t** buffer) override {
        Record("ScanBus(" + std::to_string(handle) + ")");
        *count = static_cast<std::uint8_t>(m_script.nodes.size());
        const bool handOut =
            m_script.scan == 0 ? !m_script.scanWithoutBuffer : m_script.bufferOnFailedScan;
        if (handOut) {
            *buffer = new std::uint8_t[m_script.nodes.size() + 1];
            std::copy(m_script.nodes.begin(), m_script.nodes.end(), *buffer);
            m_script.outstanding.insert(*buffer);
        }
        return m_script.scan;
    }
    std::int32_t Delete(std::uint8_t* buffer) override {
        Record("Delete");
        m_script.outstanding.erase(buffer);
        delete[] buffer;
        return 0;
    }
    std::int32_t SetHardwareID(std::int32_t hardwareNumber, std::int32_t deviceNumber,
                               std::int32_t* value) override {
        Record("SetHardwareID(" + std::to_string(hardwareNumber) + "," +
               std::to_string(deviceNumber) + "," + std::to_string(*value) + ")");
        return m_script.setHardwareID;
    }
    std::int32_t SaveProprietaryConfiguration() override {
        Record("SaveProprietaryConfiguration");
        return 0;
    }

    static constexpr std::int32_t kHandle = 7;
    // Disconnect's answer, which must never become anybody's result.
    static constexpr std::int32_t kDisconnectResult = 99;

private:
    void Record(const std::string& call) {
        m_script.calls += (m_script.calls.empty() ? "" : " ") + call;
    }

    BusDriverScript& m_script;
};

class FakeBusDriverFactory : public BusDriverFactory {
public:
    std::unique_ptr<BusDriver> Load() const override {
        return std::make_unique<FakeBusDriver>(script);
    }

    mutable BusDriverScript script;
};

}  // namespace trelink::test
