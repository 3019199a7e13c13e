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
std::uint8_t g_scanCount = 3;
std::uint8_t g_scanNodes[] = {5, 6, 7};
constexpr std::int32_t kHandle = 7;
constexpr std::int32_t kDisconnectResult = 99;

void Record(const std::string& call) {
    if (!g_calls.empty()) g_calls += ' ';
    g_calls += call;
}
}  // namespace

// Controls for the tests.
EXPORTED const char* MisbehavingCalls() {
    return g_calls.c_str();
}
EXPORTED void MisbehavingReset() {
    g_calls.clear();
    g_setXMLFileResult = g_connectResult = g_scanResult = 0;
    g_scanCount = 3;
}
EXPORTED void MisbehavingSetResults(std::int32_t setXMLFile, std::int32_t connect,
                                    std::int32_t scan) {
    g_setXMLFileResult = setXMLFile;
    g_connectResult = connect;
    g_scanResult = scan;
}

// The bus driver; SetHardwareID is missing on purpose.
EXPORTED std::int32_t SetXMLFile(const char* fileName) {
    Record(std::string("SetXMLFile(") + (fileName ? fileName : "null") + ")");
    return g_setXMLFileResult;
}
EXPORTED std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle) {
    Record("ConnectDiagnosis(" + std::to_string(hardwareNumber) + "," + std::to_string(*handle) +
           ")");
    if (g_connectResult == 0) *handle = kHandle;
    return g_connectResult;
}
EXPORTED std::int32_t Disconnect(std::int32_t handle) {
    Record("Disconnect(" + std::to_string(handle) + ")");
    return kDisconnectResult;
}
EXPORTED std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count, std::uint8_t** buffer) {
    Record("ScanBus(" + std::to_string(handle) + ")");
    if (g_scanResult != 0) return g_scanResult;
    *count = g_scanCount;
    *buffer = new std::uint8_t[g_scanCount];
    std::memcpy(*buffer, g_scanNodes, g_scanCount);
    return 0;
}
EXPORTED std::int32_t Delete(std::uint8_t* buffer) {
    Record("Delete");
    delete[] buffer;
    return 0;
}
EXPORTED std::int32_t SaveProprietaryConfiguration() {
    Record("SaveProprietaryConfiguration");
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
