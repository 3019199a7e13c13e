#include "store/DriverFileInfo.h"

#include <algorithm>
#include <string_view>

#include "services/FileDate.h"
#include "services/FileVersion.h"

namespace trelink {

namespace {

// Replaces every occurrence; a replacement that itself contains the placeholder is not
// expanded again.
template <typename Directory>
void ReplaceAll(std::string& text, std::string_view placeholder, Directory directory) {
    std::size_t at = text.find(placeholder);
    if (at == std::string::npos) return;
    const std::string replacement = directory();
    while (at != std::string::npos) {
        text.replace(at, placeholder.size(), replacement);
        at = text.find(placeholder, at + replacement.size());
    }
}

}  // namespace

DriverFileInfo::DriverFileInfo(const std::string& path, const PlatformDirectories& directories)
    : m_fullPath(ExpandPlaceholders(path, directories)) {
    const std::size_t slash = m_fullPath.find_last_of('/');
    m_fileName = slash == std::string::npos ? m_fullPath : m_fullPath.substr(slash + 1);
    const std::optional<FileDate> date = FileDate::CreationDateOf(m_fullPath);
    if (!date) return;
    m_date = date->ToText();
    if (const std::optional<FileVersion> version = FileVersion::Read(m_fullPath)) {
        m_version = version->ToText();
    }
}

std::string DriverFileInfo::ExpandPlaceholders(const std::string& path,
                                               const PlatformDirectories& directories) {
    std::string expanded = path;
    ReplaceAll(expanded, "%SYS%", [&] { return directories.SystemDirectory(); });
    ReplaceAll(expanded, "%WIN%", [&] { return directories.InstallationDirectory(); });
    ReplaceAll(expanded, "%DRIVERS%", [&] { return directories.DriversDirectory(); });
    std::replace(expanded.begin(), expanded.end(), '\\', '/');
    return expanded;
}

}  // namespace trelink
