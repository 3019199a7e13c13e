#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace trelink::fuzz {

// A folder of the fuzzer's own, removed when the process ends. On a memory file system where
// there is one: the code under test flushes every save to disk, thousands of times a second.
class ScratchFolder {
public:
    static const ScratchFolder& Get() {
        static const ScratchFolder folder;
        return folder;
    }

    // Writes bytes into the named file of the folder and gives its path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const std::string path = (m_path / name).string();
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

private:
    ScratchFolder() {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/trelink-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        m_path = pattern;
    }

    std::filesystem::path m_path;
};

// A broken invariant is a finding: say which and stop, so that libFuzzer keeps the input.
inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace trelink::fuzz
