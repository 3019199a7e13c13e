#pragma once

#include <memory>
#include <optional>
#include <string>

namespace trelink {

// A library loaded at run time, unloaded when the object goes.
class SharedLibrary {
public:
    // bareName is the library's name on the platform the tool comes from, "X.dll"; here it is
    // the file "libX.so", looked for first in the program's own folder, then by the system
    // loader. Null on failure, with *errorCode (when given) set to the errno of the failed load.
    static std::unique_ptr<SharedLibrary> Open(const std::string& bareName,
                                               int* errorCode = nullptr);

    // "X.dll" gives "libX.so"; a name without ".dll" only gets "lib" and ".so" around it.
    static std::string FileNameFor(const std::string& bareName);

    // The folder looked in first, for every library of the process; empty restores the
    // program's own folder. Tests point it at a folder of their own.
    static void SetFirstFolderOverride(std::optional<std::string> folder);
    static std::string FirstFolder();

    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Null when the library has no such entry point.
    void* Symbol(const char* name) const;

    template <typename Function>
    Function Entry(const char* name) const {
        return reinterpret_cast<Function>(Symbol(name));
    }

private:
    explicit SharedLibrary(void* handle) : m_handle(handle) {}

    void* m_handle;
};

}  // namespace trelink
