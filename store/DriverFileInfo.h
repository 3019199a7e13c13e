#pragma once

#include <string>

#include "services/PlatformDirectories.h"

namespace trelink {

// What the driver page shows of one driver file that the catalogue names: the path with its
// placeholders ("%SYS%", "%WIN%", "%DRIVERS%") replaced, the file name, the version and the
// date. Everything is filled in by the constructor; nothing fails.
class DriverFileInfo {
public:
    static constexpr const char* kUnknown = "-";

    explicit DriverFileInfo(const std::string& path, const PlatformDirectories& directories =
                                                         PlatformDirectories::Default());

    const std::string& FullPath() const { return m_fullPath; }
    const std::string& FileName() const { return m_fileName; }
    // "%i.%i.%i.%i", or "-" when the file is missing or carries no version.
    const std::string& Version() const { return m_version; }
    // The creation day "%02i.%02i.%04i" in UTC, or "-" when the file is missing.
    const std::string& Date() const { return m_date; }

    // Replaces each placeholder wherever it occurs; a directory is asked for only when its
    // placeholder occurs. Backslashes become "/", since catalogues are written with them.
    static std::string ExpandPlaceholders(const std::string& path,
                                          const PlatformDirectories& directories);

private:
    std::string m_fullPath;
    std::string m_fileName;
    std::string m_version = kUnknown;
    std::string m_date = kUnknown;
};

}  // namespace trelink
