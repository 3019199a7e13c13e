#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "services/ResultCodes.h"

namespace trelink {

class SharedLibrary;

// Front end of the bus-driver library (libMTrelinkL1.so), loaded for the duration of one
// command. Every operation first names the configuration file to the library and stops when
// the library refuses it. A library or entry point that is missing gives kBusDriverNotLoaded
// without calling anything.
class BusDriverLibrary {
public:
    BusDriverLibrary();
    virtual ~BusDriverLibrary();
    BusDriverLibrary(const BusDriverLibrary&) = delete;
    BusDriverLibrary& operator=(const BusDriverLibrary&) = delete;

    bool IsLoaded() const { return m_loaded; }
    // The result of the last library call that counts for the operation.
    Result LastResult() const { return m_lastResult; }
    Result LoadResult() const { return m_loadResult; }

    // Connects for diagnosis and disconnects again; the outcome is LastResult().
    void TestConnection(const std::string& fileName, std::int32_t hardwareNumber);
    // The node addresses that answered on the bus, copied into addresses; their count, or -1
    // on any failure (addresses is then empty).
    int ScanBus(const std::string& fileName, std::int32_t hardwareNumber,
                std::vector<std::uint8_t>& addresses);
    Result SetDeviceNumber(const std::string& fileName, std::int32_t hardwareNumber,
                           std::int32_t deviceNumber);
    Result SaveProprietaryConfiguration(const std::string& fileName);

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
    // True when the library is loaded and has every entry point the operation calls;
    // otherwise the last result becomes kBusDriverNotLoaded.
    template <typename... Functions>
    bool CanCall(Functions... functions) {
        return Usable(((functions != nullptr) && ...));
    }
    bool Usable(bool entryPointsPresent);
    Result Store(Result result);
    bool NameFile(const std::string& fileName);
    Result Connect(std::int32_t hardwareNumber, std::int32_t& handle);
    int CopyScan(std::int32_t handle, std::vector<std::uint8_t>& addresses);

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
    bool m_loaded = false;
    Result m_lastResult = kOk;
    Result m_loadResult = kOk;
};

}  // namespace trelink
