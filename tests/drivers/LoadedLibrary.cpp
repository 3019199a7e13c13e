#include "tests/drivers/LoadedLibrary.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

namespace trelink::test {

LoadedLibrary::LoadedLibrary(const std::string& fileName) {
    const std::filesystem::path copy = m_folder.Path() / fileName;
    std::filesystem::copy_file(std::filesystem::path(BinaryFolder()) / fileName, copy);
    m_handle = ::dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) throw std::runtime_error(::dlerror());
}

LoadedLibrary::~LoadedLibrary() {
    ::dlclose(m_handle);
}

std::string LoadedLibrary::BinaryFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

void* LoadedLibrary::Symbol(const char* name) const {
    void* symbol = ::dlsym(m_handle, name);
    if (symbol == nullptr) throw std::runtime_error(std::string("missing entry point ") + name);
    return symbol;
}

}  // namespace trelink::test
