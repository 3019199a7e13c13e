// The C entry points of libMTrelinkL1.so. Every call is serialised and no exception leaves the
// library: a caller written in C would have no way to catch it.
#include "drivers/MTrelinkL1.h"

#include <mutex>

#include "drivers/BusDriver.h"
#include "drivers/L1ResultCodes.h"

namespace {

using trelink::sim::BusDriver;

// One driver state for the whole library (kept outside the template below, which every entry
// point instantiates anew).
struct LibraryState {
    std::mutex mutex;
    BusDriver driver;
};

LibraryState& State() {
    static LibraryState state;
    return state;
}

template <typename Call>
std::int32_t Guarded(Call call) {
    try {
        LibraryState& state = State();
        const std::lock_guard lock(state.mutex);
        return call(state.driver);
    } catch (...) {
        return trelink::sim::kInternalFault;
    }
}

}  // namespace

extern "C" {

std::int32_t SetXMLFile(const char* fileName) {
    return Guarded([&](BusDriver& d) { return d.SetXMLFile(fileName); });
}

std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) {
    return Guarded([&](BusDriver& d) { return d.ConnectDiagnosis(hardwareNumber, handle); });
}

std::int32_t Disconnect(std::int32_t handle) {
    return Guarded([&](BusDriver& d) { return d.Disconnect(handle); });
}

std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count, std::uint8_t** buffer) {
    return Guarded([&](BusDriver& d) { return d.ScanBus(handle, count, buffer); });
}

std::int32_t Delete(std::uint8_t* buffer) {
    return Guarded([&](BusDriver& d) { return d.Delete(buffer); });
}

std::int32_t SetHardwareID(std::int32_t hardwareNumber, std::int32_t newDeviceNumber,
                           std::int32_t* value) {
    return Guarded(
        [&](BusDriver& d) { return d.SetHardwareID(hardwareNumber, newDeviceNumber, value); });
}

std::int32_t SaveProprietaryConfiguration(void) {
    return Guarded([](BusDriver& d) { return d.SaveProprietaryConfiguration(); });
}

std::int32_t Connect(std::int32_t, std::int32_t* handle) {
    if (handle != nullptr) *handle = 0;
    return trelink::sim::kNotSupported;
}

std::int32_t Reset(std::int32_t) {
    return trelink::sim::kNotSupported;
}

std::int32_t ReadIndex(std::int32_t, std::uint8_t, std::uint16_t, std::uint8_t, std::uint8_t*,
                       std::uint32_t*) {
    return trelink::sim::kNotSupported;
}

std::int32_t WriteIndex(std::int32_t, std::uint8_t, std::uint16_t, std::uint8_t,
                        const std::uint8_t*, std::uint32_t) {
    return trelink::sim::kNotSupported;
}

std::int32_t SendPDO(std::int32_t, std::uint32_t, const std::uint8_t*, std::uint8_t) {
    return trelink::sim::kNotSupported;
}

std::int32_t SetMsgFilter(std::int32_t, std::uint32_t, std::uint32_t) {
    return trelink::sim::kNotSupported;
}

std::int32_t GetErrorText(std::int32_t, std::int32_t capacity, char* buffer) {
    if (buffer != nullptr && capacity > 0) buffer[0] = '\0';
    return trelink::sim::kNotSupported;
}

std::int32_t SetLanguage(std::int32_t) {
    return trelink::sim::kNotSupported;
}

std::int32_t GetParameterChannel(std::int32_t, std::uint8_t, std::int32_t* channel) {
    if (channel != nullptr) *channel = 0;
    return trelink::sim::kNotSupported;
}

}  // extern "C"
