#include "commands/ProgramSettings.h"

#include "store/ConfigDocument.h"

namespace trelink {

namespace {
constexpr const char* kConfigSection = "XMLConfig";
constexpr const char* kConfigKey = "Configfilename";
constexpr const char* kOptionsSection = "Options";
constexpr const char* kLanguageKey = "Language";
}  // namespace

std::string ProgramSettings::ConfigFileName() const {
    if (m_configFile) return *m_configFile;
    return m_file.ReadString(kConfigSection, kConfigKey, ConfigDocument::kDefaultFileName);
}

std::string ProgramSettings::ConfiguredFileName() const {
    if (m_configFile) return *m_configFile;
    return m_file.ReadString(kConfigSection, kConfigKey, "");
}

int ProgramSettings::Language() const {
    return m_file.ReadInt(kOptionsSection, kLanguageKey, kEnglish);
}

bool ProgramSettings::WriteLanguage(int language) const {
    return m_file.WriteInt(kOptionsSection, kLanguageKey, language);
}

}  // namespace trelink
