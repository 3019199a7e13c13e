#pragma once

#include <string>

#include "ui/LanguageCatalogue.h"

class QWidget;

namespace trelink {

class ConfigDocument;
class ErrorLookup;
class MainMenu;
class ProgramSettings;
class Prompter;

// Switches the interface to a language: its catalogue, the check marks of the language menu,
// the help file, the error lookup's texts and the language in which the document reads type
// and setting names. The window rebuilds itself afterwards.
class LanguageSwitch {
public:
    // helpFilePath is the application's: only its folder counts, and a switch replaces it.
    LanguageSwitch(ConfigDocument& document, const ProgramSettings& settings,
                   ErrorLookup& errorLookup, MainMenu& menu, Prompter& prompter,
                   std::string& helpFilePath);

    // False when the language's catalogue cannot be loaded: the user is told which file was
    // tried, the built-in German texts are current and every language number stays as it was.
    bool Switch(int language, QWidget* parent);

    LanguageCatalogue& Catalogue() { return m_catalogue; }

private:
    ConfigDocument& m_document;
    const ProgramSettings& m_settings;
    ErrorLookup& m_errorLookup;
    MainMenu& m_menu;
    Prompter& m_prompter;
    std::string& m_helpFilePath;
    LanguageCatalogue m_catalogue;
};

}  // namespace trelink
