#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelink {

// The version of an ELF file as four 16-bit numbers, most significant first.
struct FileVersion {
    std::array<std::uint16_t, 4> parts{};

    // Looks in this order at the package-metadata note (the JSON "version" that
    // `ld --package-metadata` writes), a kernel module's "version=" tag, and a shared
    // library's real name (libX.so.1.2.3 gives 1.2.3.0, also through a symbolic link).
    // Empty when the file is missing, is no ELF file, or carries none of these. Any file may
    // be given: a damaged or hostile one only yields no version.
    static std::optional<FileVersion> Read(const std::string& path);

    // Up to four numbers separated by dots at the start of text, each at most 65535; missing
    // numbers are 0 and what follows the last number is ignored ("1.2.3-1" gives 1.2.3.0).
    static std::optional<FileVersion> FromText(std::string_view text);
    // As FromText, but the whole text must be the numbers ("6.0.30", not "6.0.30-1").
    static std::optional<FileVersion> FromExactText(std::string_view text);
    // From a file name such as "libX.so.1.2.3"; empty when the name carries no version.
    static std::optional<FileVersion> FromLibraryName(std::string_view fileName);

    // "%i.%i.%i.%i".
    std::string ToText() const;

    bool operator==(const FileVersion&) const = default;
};

}  // namespace trelink
