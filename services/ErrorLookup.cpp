#include "services/ErrorLookup.h"

#include "services/SharedLibrary.h"

namespace trelink {

namespace {
constexpr const char* kLibraryName = "ErrorLookUp.dll";
constexpr std::size_t kBufferSize = 256;
// One byte of the buffer stays ours, for the terminating zero a library may forget.
constexpr std::int32_t kCapacity = kBufferSize - 1;
}  // namespace

ErrorLookup::ErrorLookup(const std::string& libraryFolder, bool withSetLanguage) {
    int errorCode = 0;
    m_library = SharedLibrary::Open(kLibraryName, libraryFolder, &errorCode);
    if (!m_library) {
        m_failure = LoadFailure{SharedLibrary::FileNameFor(kLibraryName), errorCode};
        return;
    }
    m_getErrorDescription = m_library->Entry<TextFunction>("GetErrorDescription");
    m_getSolution = m_library->Entry<TextFunction>("GetSolution");
    if (withSetLanguage) m_setLanguage = m_library->Entry<LanguageFunction>("SetLanguage");
}

ErrorLookup::~ErrorLookup() = default;

bool ErrorLookup::IsLoaded() const {
    return m_library != nullptr;
}

std::string ErrorLookup::Description(Result code) const {
    return Ask(m_getErrorDescription, code);
}

std::string ErrorLookup::Remedy(Result code) const {
    return Ask(m_getSolution, code);
}

void ErrorLookup::SetLanguage(int language) {
    if (m_setLanguage) m_setLanguage(language);
}

std::string ErrorLookup::Ask(TextFunction function, Result code) {
    if (!function) return {};
    char buffer[kBufferSize] = {};
    function(code, kCapacity, buffer);
    buffer[kBufferSize - 1] = '\0';
    return buffer;
}

}  // namespace trelink
