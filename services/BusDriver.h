#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace trelink {

// The entry points of the bus-driver library that the tool calls, one virtual per entry point,
// so that the call sequences built on them (BusDriverSession) can be run against a scripted
// driver in tests. BusDriverLibrary is the real one and the only one that loads a library.
class BusDriver {
public:
    // The operations of a session; each needs its own set of entry points.
    enum class Operation { kConnectionTest, kScan, kSetDeviceNumber, kSaveConfiguration };

    virtual ~BusDriver() = default;

    // True when the library is loaded and has every entry point the operation calls; nothing is
    // called otherwise.
    virtual bool CanRun(Operation operation) const = 0;

    virtual std::int32_t SetXMLFile(const char* fileName) = 0;
    virtual std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) = 0;
    virtual std::int32_t Disconnect(std::int32_t handle) = 0;
    virtual std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count,
                                 std::uint8_t** buffer) = 0;
    virtual std::int32_t Delete(std::uint8_t* buffer) = 0;
    virtual std::int32_t SetHardwareID(std::int32_t hardwareNumber, std::int32_t deviceNumber,
                                       std::int32_t* value) = 0;
    virtual std::int32_t SaveProprietaryConfiguration() = 0;
};

// Loads a bus driver for one command; the driver is unloaded when the pointer goes.
class BusDriverFactory {
public:
    virtual ~BusDriverFactory() = default;
    virtual std::unique_ptr<BusDriver> Load() const = 0;
};

// Loads the real library, looking in libraryFolder first (the program's folder).
class LibraryBusDriverFactory : public BusDriverFactory {
public:
    explicit LibraryBusDriverFactory(std::string libraryFolder)
        : m_libraryFolder(std::move(libraryFolder)) {}
    std::unique_ptr<BusDriver> Load() const override;

private:
    std::string m_libraryFolder;
};

}  // namespace trelink
