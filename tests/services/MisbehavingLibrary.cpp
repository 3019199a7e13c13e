// Stands in for both outside libraries in the tests of their front ends, and breaks the rules
// a well-behaved library keeps.
#include <cstdint>
#include <cstring>
#include <string>

#define EXPORTED extern "C" __attribute__((visibility("default")))

namespace {
std::string g_calls;
std::int32_t g_setXMLFileResult = 0;
std::int32_t g_connectResult = 0;
std::int32_t g_scanResult = 0;
constexpr std::int32_t kHandle = 7;
constexpr std::int32_t kDisconnectResult = 99;

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
    g_setXMLFileResult = g_connectResult = g_scanResult = 0;
}
EXPORTED void MisbehavingSetResults(std::int32_t setXMLFile, std::int32_t connect,
                                    std::int32_t scan) {
    g_setXMLFileResult = setXMLFile;
    g_connectResult = connect;
    g_scanResult = scan;
}

// The bus driver; SetHardwareID is missing on purpose, and Disconnect answers what no caller
// may take for a result.
EXPORTED std::int32_t SetXMLFile(const char* fileName) {
    return Record(std::string("SetXMLFile(") + (fileName ? fileName : "null") + ")",
                  g_setXMLFileResult);
}
EXPORTED std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) {
    const std::string call =
        "ConnectDiagnosis(" + std::to_string(hardwareNumber) + "," + std::to_string(*handle) + ")";
    if (g_connectResult == 0) *handle = kHandle;
    return Record(call, g_connectResult);
}
EXPORTED std::int32_t Disconnect(std::int32_t handle) {
    return Record("Disconnect(" + std::to_string(handle) + ")", kDisconnectResult);
}
EXPORTED std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count, std::uint8_t** buffer) {
    *count = 0;
    *buffer = nullptr;
    return Record("ScanBus(" + std::to_string(handle) + ")", g_scanResult);
}
EXPORTED std::int32_t Delete(std::uint8_t*) {
    return Record("Delete");
}
EXPORTED std::int32_t SaveProprietaryConfiguration() {
    return Record("SaveProprietaryConfiguration");
}

// The error lookup: never terminates and fills every byte it is allowed; GetSolution is missing.
EXPORTED void GetErrorDescription(std::int32_t code, std::int32_t capacity, char* buffer) {
    Record("GetErrorDescription(" + std::to_string(code) + "," + std::to_string(capacity) + ")");
    if (buffer && capacity > 0) std::memset(buffer, 'x', static_cast<std::size_t>(capacity));
}
EXPORTED void SetLanguage(std::int32_t language) {
    Record("SetLanguage(" + std::to_string(language) + ")");
}
