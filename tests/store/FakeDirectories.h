#pragma once

#include <string>
#include <utility>

#include "services/PlatformDirectories.h"

namespace trelink::test {

// The folders behind "%SYS%" and "%WIN%" as a test chooses them; "%DRIVERS%" as on the
// platform the catalogues were written for.
class FakeDirectories : public PlatformDirectories {
public:
    FakeDirectories(std::string system, std::string installation)
        : m_system(std::move(system)), m_installation(std::move(installation)) {}
    std::string SystemDirectory() const override { return m_system; }
    std::string InstallationDirectory() const override { return m_installation; }
    std::string DriversDirectory() const override { return m_installation + "/System32/Drivers"; }

private:
    std::string m_system;
    std::string m_installation;
};

}  // namespace trelink::test
