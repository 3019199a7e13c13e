#pragma once

#include <memory>
#include <string>

namespace trelink {

// A library loaded at run time, unloaded when the object goes.
class SharedLibrary {
public:
    // bareName is the library's name on the platform the tool comes from, "X.dll"; here it is
    // the file "libX.so", looked for first in firstFolder (the program's own folder; empty
    // skips it), then by the system loader. Null on failure, with *errorCode (when given) set
    // to the errno of the failed load.
    static std::unique_ptr<SharedLibrary> Open(const std::string& bareName,
                                               const std::string& firstFolder,
                                               int* errorCode = nullptr);

    // "X.dll" gives "libX.so"; a name without ".dll" only gets "lib" and ".so" around it.
    static std::string FileNameFor(const std::string& bareName);

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
