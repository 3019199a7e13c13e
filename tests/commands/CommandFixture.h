#pragma once

#include <string>

#include "commands/CommandContext.h"
#include "commands/ProgramSettings.h"
#include "tests/common/DocumentFixture.h"
#include "tests/common/FakeBusDriver.h"

namespace trelink::test {

// The catalogue of tests/data with the given entries, opened in German beside a settings file
// that names it; saves are counted and the bus driver is scripted.
class CommandFixture : public DocumentFixture {
protected:
    void Open(const std::string& entries) {
        WriteFile(m_settingsPath, "[XMLConfig]\nConfigfilename=" + m_path + "\n");
        OpenCatalogue(entries, ProgramSettings::kGerman);
    }

    int StoredCode(int hardwareNumber) const {
        ConfigDocument onDisk;
        onDisk.SetConfigFile(m_path);
        int isActive = 0, isDefault = 0, code = 0;
        onDisk.GetHardwareState(hardwareNumber, isActive, isDefault, code);
        return code;
    }
    BusDriverScript& Script() { return m_drivers.script; }

    std::string m_settingsPath = m_dir.File("trelinkkonfigurator.ini");
    ProgramSettings m_settings{m_settingsPath};
    FakeBusDriverFactory m_drivers;
    CommandContext m_context{m_document, m_settings, m_drivers};
};

}  // namespace trelink::test
