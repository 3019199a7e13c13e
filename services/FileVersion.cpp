#include "services/FileVersion.h"

#include <cstdlib>
#include <memory>

#include "services/ElfImage.h"

namespace trelink {

namespace {

constexpr std::uint64_t kMaxVersionNumber = 0xFFFF;
// The key of the version in the package note's JSON and in a module's .modinfo.
constexpr std::string_view kVersionKey = "version";

// The JSON string value of the first "version" key; a deliberately small reader, since the
// note holds one flat object.
std::optional<std::string> JsonVersion(std::string_view json) {
    std::string last;
    bool lastWasString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            std::string token;
            for (++i; i < json.size() && json[i] != '"'; ++i) {
                if (json[i] == '\\' && i + 1 < json.size()) ++i;
                token += json[i];
            }
            if (lastWasString && last == kVersionKey) return token;  // the value after "version":
            last = std::move(token);
            lastWasString = true;
        } else if (c == ':' && lastWasString && last == kVersionKey) {
            continue;
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            lastWasString = false;
        }
    }
    return std::nullopt;
}

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The real name wins: libX.so.1 is usually a link to libX.so.1.2.3.
std::optional<FileVersion> VersionFromName(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    if (real) {
        if (auto version = FileVersion::FromLibraryName(FileNameOf(real.get()))) return version;
    }
    return FileVersion::FromLibraryName(FileNameOf(path));
}

// Reads the leading numbers; end receives where reading stopped.
std::optional<FileVersion> ParseNumbers(std::string_view text, std::size_t& end) {
    FileVersion version;
    std::size_t i = 0;
    for (std::size_t part = 0; part < version.parts.size(); ++part) {
        if (part > 0) {
            if (i + 1 >= text.size() || text[i] != '.' || text[i + 1] < '0' || text[i + 1] > '9') {
                break;
            }
            ++i;
        }
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
        std::uint64_t number = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            number = number * 10 + static_cast<std::uint64_t>(text[i] - '0');
            if (number > kMaxVersionNumber) return std::nullopt;
        }
        version.parts[part] = static_cast<std::uint16_t>(number);
    }
    end = i;
    return version;
}

}  // namespace

std::optional<FileVersion> FileVersion::Read(const std::string& path) {
    ElfImage image;
    if (image.Open(path) != 0) return std::nullopt;
    if (auto json = image.PackageMetadata()) {
        if (auto text = JsonVersion(*json)) {
            if (auto version = FromText(*text)) return version;
        }
    }
    if (auto text = image.ModuleInfo(kVersionKey)) {
        if (auto version = FromText(*text)) return version;
    }
    return VersionFromName(path);
}

std::optional<FileVersion> FileVersion::FromText(std::string_view text) {
    std::size_t end = 0;
    return ParseNumbers(text, end);
}

std::optional<FileVersion> FileVersion::FromExactText(std::string_view text) {
    std::size_t end = 0;
    auto version = ParseNumbers(text, end);
    if (!version || end != text.size()) return std::nullopt;
    return version;
}

std::optional<FileVersion> FileVersion::FromLibraryName(std::string_view fileName) {
    constexpr std::string_view kMarker = ".so.";
    const std::size_t at = fileName.rfind(kMarker);
    if (at == std::string_view::npos || at == 0) return std::nullopt;
    return FromExactText(fileName.substr(at + kMarker.size()));
}

std::string FileVersion::ToText() const {
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
           std::to_string(parts[2]) + "." + std::to_string(parts[3]);
}

}  // namespace trelink
