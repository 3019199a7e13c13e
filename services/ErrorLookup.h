#pragma once

#include <functional>
#include <memory>
#include <string>

#include "services/ResultCodes.h"

namespace trelink {

class SharedLibrary;

// Front end of the error-lookup library (libErrorLookUp.so): turns a result code into a
// description and a suggested remedy in the current language.
class ErrorLookup {
public:
    // Receives a finished message text that the caller shows to the user.
    using MessageSink = std::function<void(const std::string&)>;

    // Loads the library. When it cannot be loaded, sink (if any) receives
    // "Can't load ErrorLookUp.dll. Error code: %i (%x)" with errno, and the object exists
    // without entry points. withSetLanguage also resolves SetLanguage.
    explicit ErrorLookup(bool withSetLanguage = false, const MessageSink& sink = {});
    virtual ~ErrorLookup();
    ErrorLookup(const ErrorLookup&) = delete;
    ErrorLookup& operator=(const ErrorLookup&) = delete;

    bool IsLoaded() const;
    // Empty texts when the library or an entry point is missing.
    std::string Description(Result code) const;
    std::string Remedy(Result code) const;
    void SetLanguage(int language);

private:
    using TextFunction = void (*)(std::int32_t, std::int32_t, char*);
    using LanguageFunction = void (*)(std::int32_t);
    static std::string Ask(TextFunction function, Result code);

    std::unique_ptr<SharedLibrary> m_library;
    TextFunction m_getErrorDescription = nullptr;
    TextFunction m_getSolution = nullptr;
    LanguageFunction m_setLanguage = nullptr;
};

}  // namespace trelink
