#pragma once

#include <string>

namespace trelink {

// The folders that driver paths of the catalogue name by placeholder: "%SYS%", "%WIN%" and
// "%DRIVERS%". The defaults are the system's own folders; a test derives from this class and
// points them somewhere harmless. No folder ends with a separator.
class PlatformDirectories {
public:
    virtual ~PlatformDirectories() = default;

    virtual std::string SystemDirectory() const;        // /usr/lib
    virtual std::string InstallationDirectory() const;  // /usr
    // Out-of-tree modules of the running kernel: /lib/modules/<release>/extra.
    virtual std::string DriversDirectory() const;

    static const PlatformDirectories& Default();
};

}  // namespace trelink
