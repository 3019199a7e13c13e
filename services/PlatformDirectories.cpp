#include "services/PlatformDirectories.h"

#include <sys/utsname.h>

namespace trelink {

std::string PlatformDirectories::SystemDirectory() const {
    return "/usr/lib";
}

std::string PlatformDirectories::InstallationDirectory() const {
    return "/usr";
}

std::string PlatformDirectories::DriversDirectory() const {
    struct utsname names {};
    // Without a release the path names no real folder, so driver files read as missing.
    const std::string release = uname(&names) == 0 ? names.release : "";
    return "/lib/modules/" + release + "/extra";
}

const PlatformDirectories& PlatformDirectories::Default() {
    static const PlatformDirectories directories;
    return directories;
}

}  // namespace trelink
