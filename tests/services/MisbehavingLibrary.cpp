// Stands in for both outside libraries in the tests of their front ends, and breaks the rules
// a well-behaved library keeps.
#include <cstdint>
#include <cstring>
#include <string>

#define EXPORTED extern "C" __attribute__((visibility("default")))

namespace {
std::string g_calls;
std::int32_t g_connectResult = 0;
constexpr std::int32_t kHandle = 7;

std::int32_t Record(const std::string& call, std::int32_t result = 0) {
    g_calls += (g_calls.empty() ? "" : " ") + call;
    return result;
}
}  // namespace

// Controls for the tests.
EXPORTED const char* MisbehavingCalls() {
    return g_calls.c_str();
}
EXPORTED void MisbehavingReset() {
    g_calls.clear();
    g_connectResult = 0;
}
EXPORTED void MisbehavingSetConnectResult(std::int32_t connect) {
    g_connectResult = connect;
}

// The bus driver; SetHardwareID is missing on purpose. The entry points no test calls through
// it are there only to be found.
EXPORTED std::int32_t SetXMLFile(const char* fileName) {
    return Record(std::string("SetXMLFile(") + (fileName ? fileName : "null") + ")");
}
EXPORTED std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) {
    const std::string call =
        "ConnectDiagnosis(" + std::to_string(hardwareNumber) + "," + std::to_string(*handle) + ")";
    if (g_connectResult == 0) *handle = kHandle;
    return Record(call, g_connectResult);
}
EXPORTED std::int32_t Disconnect(std::int32_t) {
    return 0;
}
EXPORTED std::int32_t ScanBus(std::int32_t, std::uint8_t*, std::uint8_t**) {
    return 0;
}
EXPORTED std::int32_t Delete(std::uint8_t*) {
    return 0;
}
EXPORTED std::int32_t SaveProprietaryConfiguration() {
    return 0;
}

// The error lookup: never terminates and fills every byte it is allowed; GetSolution is missing.
EXPORTED void GetErrorDescription(std::int32_t code, std::int32_t capacity, char* buffer) {
    Record("GetErrorDescription(" + std::to_string(code) + "," + std::to_string(capacity) + ")");
    if (buffer && capacity > 0) std::memset(buffer, 'x', static_cast<std::size_t>(capacity));
}
EXPORTED void SetLanguage(std::int32_t language) {
    Record("SetLanguage(" + std::to_string(language) + ")");
}
