#pragma once

#include <string>

#include <gtest/gtest.h>

#include "commands/CommandContext.h"
#include "commands/ProgramSettings.h"
#include "store/ConfigDocument.h"
#include "tests/common/ConfigEntries.h"
#include "tests/common/FakeBusDriver.h"
#include "tests/common/TempDir.h"

namespace trelink::test {

// The catalogue of tests/data with the given entries, in a fresh folder with a settings file
// that names it, opened in German; the bus driver is scripted.
class CommandFixture : public ::testing::Test {
protected:
    void Open(const std::string& entries) {
        WriteFile(m_path, CatalogueWith(entries));
        WriteFile(m_settingsPath, "[XMLConfig]\nConfigfilename=" + m_path + "\n");
        ASSERT_EQ(m_document.SetConfigFile(m_path), kOk);
        m_document.SetLanguage(ProgramSettings::kGerman);
    }

    // What the file on disk holds now.
    std::string FileBytes() const { return ReadFile(m_path); }
    int StoredCode(int hardwareNumber) const {
        ConfigDocument onDisk;
        onDisk.SetConfigFile(m_path);
        int isActive = 0, isDefault = 0, code = 0;
        onDisk.GetHardwareState(hardwareNumber, isActive, isDefault, code);
        return code;
    }
    BusDriverScript& Script() { return m_drivers.script; }

    TempDir m_dir;
    std::string m_path = m_dir.File("trelinkconfig.xml");
    std::string m_settingsPath = m_dir.File("trelinkkonfigurator.ini");
    ConfigDocument m_document;
    ProgramSettings m_settings{m_settingsPath};
    FakeBusDriverFactory m_drivers;
    CommandContext m_context{m_document, m_settings, m_drivers};
};

}  // namespace trelink::test
