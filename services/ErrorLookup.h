#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "services/ResultCodes.h"

namespace trelink {

class SharedLibrary;

// Front end of the error-lookup library (libErrorLookUp.so): turns a result code into a
// description and a suggested remedy in the current language.
class ErrorLookup {
public:
    // Why the library could not be loaded: the file tried and the system's error number.
    struct LoadFailure {
        std::string fileName;
        int errorCode = 0;
    };

    // Loads the library, looking in libraryFolder first. When it cannot be loaded the object
    // exists without entry points and Failure() tells why; the caller reports it.
    // withSetLanguage also resolves SetLanguage.
    explicit ErrorLookup(const std::string& libraryFolder, bool withSetLanguage = false);
    ~ErrorLookup();
    ErrorLookup(const ErrorLookup&) = delete;
    ErrorLookup& operator=(const ErrorLookup&) = delete;

    bool IsLoaded() const;
    const std::optional<LoadFailure>& Failure() const { return m_failure; }
    // Empty texts when the library or an entry point is missing.
    std::string Description(Result code) const;
    std::string Remedy(Result code) const;
    void SetLanguage(int language);

private:
    using TextFunction = void (*)(std::int32_t, std::int32_t, char*);
    using LanguageFunction = void (*)(std::int32_t);
    static std::string Ask(TextFunction function, Result code);

    std::unique_ptr<SharedLibrary> m_library;
    std::optional<LoadFailure> m_failure;
    TextFunction m_getErrorDescription = nullptr;
    TextFunction m_getSolution = nullptr;
    LanguageFunction m_setLanguage = nullptr;
};

}  // namespace trelink
