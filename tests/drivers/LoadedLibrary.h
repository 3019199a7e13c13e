#pragma once

#include <string>

#include "tests/common/TempDir.h"

namespace trelink::test {

// A private copy of one of the stand-in libraries beside the test binary, loaded with dlopen
// as the tool loads it. Each instance starts from fresh library state, as the tool's own
// load-call-unload does.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& fileName);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    // The entry point as a function pointer of the declared type; throws when it is missing.
    template <typename Function>
    Function* Get(const char* name) const {
        return reinterpret_cast<Function*>(Symbol(name));
    }

    // The folder that holds the test binary and the built libraries.
    static std::string BinaryFolder();

private:
    void* Symbol(const char* name) const;

    TempDir m_folder;
    void* m_handle = nullptr;
};

}  // namespace trelink::test
