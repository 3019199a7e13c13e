// Reads the version and the segments of any file as an ELF file, and the version from any text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/ScratchFolder.h"
#include "services/ElfImage.h"
#include "services/FileVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = trelink::fuzz::ScratchFolder::Get().Write("libX.so", bytes);
    using trelink::FileVersion;
    using trelink::fuzz::Require;
    if (const auto version = FileVersion::Read(path)) {
        Require(FileVersion::FromExactText(version->ToText()) == version,
                "a version does not read back from its text");
    }
    trelink::ElfImage image;
    if (image.Open(path) == 0) {
        image.HoldsEverySegment();
        image.ModuleInfo("version");
    }
    if (const auto version = FileVersion::FromText(bytes)) {
        Require(FileVersion::FromText(version->ToText()) == version,
                "a version does not read back from its text");
    }
    return 0;
}
