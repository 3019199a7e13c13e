#include "services/SharedLibrary.h"

#include <dlfcn.h>

#include <cerrno>
#include <string_view>

#include "services/ElfImage.h"

namespace trelink {

namespace {

constexpr int kLoadFlags = RTLD_NOW | RTLD_LOCAL;

bool EndsWithDll(const std::string& name) {
    constexpr std::string_view kSuffix = ".dll";
    if (name.size() < kSuffix.size()) return false;
    for (std::size_t i = 0; i < kSuffix.size(); ++i) {
        const char c = name[name.size() - kSuffix.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != kSuffix[i]) return false;
    }
    return true;
}

struct LoadAttempt {
    void* handle = nullptr;
    int error = 0;
};

LoadAttempt TryLoad(const std::string& file) {
    errno = 0;
    LoadAttempt attempt;
    attempt.handle = ::dlopen(file.c_str(), kLoadFlags);
    attempt.error = errno;
    ::dlerror();  // the message is not used; clear it so it does not linger for the next caller
    return attempt;
}

// dlopen does not promise to leave errno telling why a file failed, so ask the file itself:
// the error of opening it, EISDIR for a folder, or ENOEXEC when it is no ELF file or lacks part
// of a segment (the loader would map the missing part and die of SIGBUS touching it). 0 when
// it looks loadable.
int ProbeFile(const std::string& path) {
    ElfImage image;
    if (const int error = image.Open(path); error != 0) return error;
    return image.HoldsEverySegment() ? 0 : ENOEXEC;
}

// A file that is there but does not load says more about the failure than the system search
// that follows; a missing one says nothing.
LoadAttempt TryLoadFile(const std::string& path) {
    const int probed = ProbeFile(path);
    if (probed == ENOENT || probed == ENOTDIR) return {};
    if (probed != 0) return {nullptr, probed};
    return TryLoad(path);
}

}  // namespace

std::string SharedLibrary::FileNameFor(const std::string& bareName) {
    const std::string base =
        EndsWithDll(bareName) ? bareName.substr(0, bareName.size() - 4) : bareName;
    return "lib" + base + ".so";
}

std::unique_ptr<SharedLibrary> SharedLibrary::Open(const std::string& bareName,
                                                   const std::string& folder, int* errorCode) {
    const std::string fileName = FileNameFor(bareName);
    LoadAttempt inFolder;
    if (!folder.empty()) {
        inFolder = TryLoadFile(folder + "/" + fileName);
        if (inFolder.handle)
            return std::unique_ptr<SharedLibrary>(new SharedLibrary(inFolder.handle));
    }
    // No "/" in the name: the system loader searches its usual places, never the working folder.
    const LoadAttempt bySystem = TryLoad(fileName);
    if (bySystem.handle) return std::unique_ptr<SharedLibrary>(new SharedLibrary(bySystem.handle));
    if (errorCode) {
        const int error = inFolder.error != 0 ? inFolder.error : bySystem.error;
        *errorCode = error != 0 ? error : ENOENT;
    }
    return nullptr;
}

SharedLibrary::~SharedLibrary() {
    ::dlclose(m_handle);
}

void* SharedLibrary::Symbol(const char* name) const {
    if (!name) return nullptr;
    void* address = ::dlsym(m_handle, name);
    ::dlerror();
    return address;
}

}  // namespace trelink
