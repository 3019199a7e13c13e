#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "services/BusDriver.h"

namespace trelink {

class SharedLibrary;

// The bus-driver library (libMTrelinkL1.so), loaded by dlopen when the object is made and
// unloaded when it goes. All sixteen entry points are looked up; the seven the tool calls are
// forwarded, and an operation whose entry points are missing cannot run.
class BusDriverLibrary : public BusDriver {
public:
    // libraryFolder is looked in first, then the system loader searches as usual.
    explicit BusDriverLibrary(const std::string& libraryFolder);
    ~BusDriverLibrary() override;
    BusDriverLibrary(const BusDriverLibrary&) = delete;
    BusDriverLibrary& operator=(const BusDriverLibrary&) = delete;

    bool IsLoaded() const { return m_library != nullptr; }

    bool CanRun(Operation operation) const override;
    std::int32_t SetXMLFile(const char* fileName) override;
    std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) override;
    std::int32_t Disconnect(std::int32_t handle) override;
    std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count, std::uint8_t** buffer) override;
    std::int32_t Delete(std::uint8_t* buffer) override;
    std::int32_t SetHardwareID(std::int32_t hardwareNumber, std::int32_t deviceNumber,
                               std::int32_t* value) override;
    std::int32_t SaveProprietaryConfiguration() override;

private:
    using AnyFunction = void (*)();
    using SetXMLFileFunction = std::int32_t (*)(const char*);
    using ConnectDiagnosisFunction = std::int32_t (*)(std::int32_t, std::int32_t*);
    using DisconnectFunction = std::int32_t (*)(std::int32_t);
    using ScanBusFunction = std::int32_t (*)(std::int32_t, std::uint8_t*, std::uint8_t**);
    using DeleteFunction = std::int32_t (*)(std::uint8_t*);
    using SetHardwareIDFunction = std::int32_t (*)(std::int32_t, std::int32_t, std::int32_t*);
    using SaveFunction = std::int32_t (*)();

    void ResolveEntryPoints();

    std::unique_ptr<SharedLibrary> m_library;
    // The entry points the tool never calls are resolved all the same, as pointers of no
    // particular signature.
    AnyFunction m_connect = nullptr;
    ConnectDiagnosisFunction m_connectDiagnosis = nullptr;
    DisconnectFunction m_disconnect = nullptr;
    AnyFunction m_reset = nullptr;
    AnyFunction m_readIndex = nullptr;
    AnyFunction m_writeIndex = nullptr;
    AnyFunction m_sendPDO = nullptr;
    AnyFunction m_setMsgFilter = nullptr;
    ScanBusFunction m_scanBus = nullptr;
    SetXMLFileFunction m_setXMLFile = nullptr;
    AnyFunction m_getErrorText = nullptr;
    AnyFunction m_setLanguage = nullptr;
    AnyFunction m_getParameterChannel = nullptr;
    DeleteFunction m_delete = nullptr;
    SetHardwareIDFunction m_setHardwareID = nullptr;
    SaveFunction m_saveProprietaryConfiguration = nullptr;
};

}  // namespace trelink
