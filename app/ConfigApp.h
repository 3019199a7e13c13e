#pragma once

#include <memory>
#include <string>

#include "app/SingleInstanceLock.h"

namespace trelink {

class ConfigDocument;
class ProgramSettings;
class Prompter;

// The application object: refuses a second copy, finds the settings file beside the program,
// owns the one configuration document and runs the main window until it closes.
class ConfigApp {
public:
    ConfigApp();
    ~ConfigApp();
    ConfigApp(const ConfigApp&) = delete;
    ConfigApp& operator=(const ConfigApp&) = delete;

    // Runs the program from start to end; gives its exit code.
    int Run(int& argc, char** argv);

    const std::string& HelpFilePath() const { return m_helpFilePath; }
    ConfigDocument* Document() const { return m_document.get(); }

private:
    void CreateDocument();
    void RunMainWindow();

    SingleInstanceLock m_lock;
    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<ProgramSettings> m_settings;
    std::unique_ptr<ConfigDocument> m_document;
    std::string m_helpFilePath;
};

}  // namespace trelink
