#pragma once

#include <optional>
#include <string>

#include "services/IniFile.h"

namespace trelink {

// The program's settings file beside the program, and the typed values it holds: the name of
// the configuration file and the interface language. Every read goes to the file, since a
// person may edit it while the program runs.
class ProgramSettings {
public:
    static constexpr int kGerman = 49;
    static constexpr int kEnglish = 44;

    explicit ProgramSettings(std::string path) : m_file(std::move(path)) {}

    // From now on the configuration file is this one, whatever the settings file names: for a
    // front end that is told on its command line which file to work on.
    void SetConfigFile(std::string fileName) { m_configFile = std::move(fileName); }

    // The configuration file as start-up and the bus-driver library take it: the driver
    // layer's usual file name when none is configured.
    std::string ConfigFileName() const;
    // The configuration file as the main window loads it: empty when none is configured, which
    // the window reports.
    std::string ConfiguredFileName() const;

    // The interface language number; English when none is stored.
    int Language() const;
    // False when the file could not be written; it is then left as it was.
    bool WriteLanguage(int language) const;

private:
    IniFile m_file;
    std::optional<std::string> m_configFile;
};

}  // namespace trelink
