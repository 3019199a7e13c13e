#include "ui/LanguageSwitch.h"

#include "commands/ProgramSettings.h"
#include "services/ErrorLookup.h"
#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "ui/MainMenu.h"
#include "ui/Prompter.h"
#include "ui/StringTable.h"

namespace trelink {

LanguageSwitch::LanguageSwitch(ConfigDocument& document, const ProgramSettings& settings,
                               ErrorLookup& errorLookup, MainMenu& menu, Prompter& prompter,
                               std::string& helpFilePath)
    : m_document(document),
      m_settings(settings),
      m_errorLookup(errorLookup),
      m_menu(menu),
      m_prompter(prompter),
      m_helpFilePath(helpFilePath) {}

bool LanguageSwitch::Switch(int language, QWidget* parent) {
    m_catalogue.Unload();
    if (!m_catalogue.Load(language)) {
        m_prompter.ShowMessage(parent,
                               StringTable::Format(Msg::kCannotLoadLanguage,
                                                   {LanguageCatalogue::FileNameFor(language)}),
                               Prompter::Icon::Stop);
        return false;
    }
    // The help file of the language stands in the folder of the one before.
    m_helpFilePath = m_helpFilePath.substr(0, m_helpFilePath.rfind('/') + 1) +
                     "TrelinkKonfiguratorHlp_" + std::to_string(language);
    m_errorLookup.SetLanguage(language);
    m_document.SetLanguage(language);
    // The marks show the stored choice, which is not always the language just loaded.
    m_menu.MarkLanguage(m_settings.Language());
    return true;
}

}  // namespace trelink
