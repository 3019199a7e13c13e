#include "services/ProgramPath.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace trelink {

std::string ProgramFilePath() {
    // readlink does not report truncation, so grow the buffer until the path fits.
    for (std::size_t size = 256; size <= 65536; size *= 2) {
        std::vector<char> buffer(size);
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
    }
    return {};
}

std::string ProgramFolder() {
    const std::string program = ProgramFilePath();
    if (program.empty()) return {};
    return std::filesystem::path(program).parent_path().string();
}

}  // namespace trelink
