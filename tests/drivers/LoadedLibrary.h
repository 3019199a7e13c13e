#pragma once

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "tests/common/TempDir.h"

namespace trelink::test {

// A private copy of one of the stand-in libraries beside the test binary, loaded with dlopen
// as the tool loads it. Each instance starts from fresh library state, as the tool's own
// load-call-unload does.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& fileName) {
        const std::filesystem::path copy = m_folder.Path() / fileName;
        std::filesystem::copy_file(
            std::filesystem::read_symlink("/proc/self/exe").parent_path() / fileName, copy);
        m_handle = ::dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (m_handle == nullptr) throw std::runtime_error(::dlerror());
    }
    ~LoadedLibrary() { ::dlclose(m_handle); }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    // The entry point as a function pointer of the declared type; throws when it is missing.
    template <typename Function>
    Function* Get(const char* name) const {
        void* symbol = ::dlsym(m_handle, name);
        if (symbol == nullptr) throw std::runtime_error(std::string("missing entry point ") + name);
        return reinterpret_cast<Function*>(symbol);
    }

private:
    TempDir m_folder;
    void* m_handle = nullptr;
};

}  // namespace trelink::test
