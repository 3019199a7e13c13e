// Runs the simulated bus driver on any configuration and simulation file: every entry is
// connected, scanned and renumbered, and a renumbered adapter must be found by its new number.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "drivers/BusDriver.h"
#include "drivers/ConfigFile.h"
#include "drivers/L1ResultCodes.h"
#include "drivers/Simulation.h"
#include "fuzz/ScratchFolder.h"

namespace {

using namespace trelink::sim;
using trelink::fuzz::Require;

// More entries only repeat what the first ones exercise.
constexpr std::int32_t kMaxEntries = 8;
constexpr std::size_t kMaxConfigBytes = 4096;

void Scan(BusDriver& driver, std::int32_t handle) {
    std::uint8_t count = 0;
    std::uint8_t* buffer = nullptr;
    if (driver.ScanBus(handle, &count, &buffer) != kOk) return;
    Require(buffer != nullptr, "a successful scan gives no buffer");
    Require(driver.Delete(buffer) == kOk, "a scan buffer cannot be handed back");
}

void Renumber(BusDriver& driver, const std::string& configPath, std::int32_t number,
              std::int32_t deviceNumber) {
    if (driver.SetHardwareID(number, deviceNumber, nullptr) != kOk) return;
    ConfigFile config;
    Simulation simulation;
    Require(config.Load(configPath) == kOk, "the configuration no longer loads");
    Require(simulation.Load(Simulation::PathFor(configPath)) == kOk,
            "a renumbered simulation does not load");
    const auto entry = config.Entry(number);
    Require(entry && simulation.Find(entry->type, deviceNumber).has_value(),
            "a renumbered adapter is not found by its new number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto deviceNumber = input.ConsumeIntegralInRange<std::int32_t>(0, 255);
    const auto& folder = trelink::fuzz::ScratchFolder::Get();
    const std::string config =
        folder.Write("trelinkconfig.xml", input.ConsumeRandomLengthString(kMaxConfigBytes));
    folder.Write("mtrelinksim.xml", input.ConsumeRemainingBytesAsString());
    BusDriver driver;
    if (driver.SetXMLFile(config.c_str()) != kOk) return 0;
    for (std::int32_t number = 1; number <= kMaxEntries; ++number) {
        std::int32_t handle = 0;
        if (driver.ConnectDiagnosis(number, &handle) == kNoSuchHardware) break;
        if (handle != 0) {
            Scan(driver, handle);
            Require(driver.Disconnect(handle) == kOk, "a connection cannot be closed");
        }
        Renumber(driver, config, number, deviceNumber);
    }
    driver.SaveProprietaryConfiguration();
    return 0;
}
