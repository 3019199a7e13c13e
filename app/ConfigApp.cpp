#include "app/ConfigApp.h"

#include <QApplication>

#include "commands/CommandContext.h"
#include "commands/ProgramSettings.h"
#include "services/ErrorLookup.h"
#include "services/ProgramPath.h"
#include "store/ConfigDocument.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/StringTable.h"

namespace trelink {

ConfigApp::ConfigApp() = default;

// The document goes last, after the window and the toolkit that showed it.
ConfigApp::~ConfigApp() = default;

int ConfigApp::Run(int& argc, char** argv) {
    // Checked before the toolkit starts, so that a second copy ends at once and shows nothing.
    if (m_lock.Acquire() == SingleInstanceLock::Outcome::kAnotherCopy) return 0;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trelinkkonfigurator"));
    StringTable::InstallBuiltInCatalogue();
    m_prompter = std::make_unique<MessageBoxPrompter>();
    const std::string program = ProgramFilePath();
    m_settings = std::make_unique<ProgramSettings>(SettingsPathFor(program));
    m_helpFilePath = program;
    CreateDocument();
    RunMainWindow();
    return 0;
}

void ConfigApp::CreateDocument() {
    auto lookup = std::make_unique<ErrorLookup>(ProgramFolder());
    if (const auto& failure = lookup->Failure()) {
        m_prompter->ShowMessage(nullptr, StringTable::LoadFailureText(*failure),
                                Prompter::Icon::Stop);
    }
    m_document = std::make_unique<ConfigDocument>(std::move(lookup));
    // Failures are not reported here: the main window loads the file again and reports them.
    m_document->SetConfigFile(m_settings->ConfigFileName());
}

void ConfigApp::RunMainWindow() {
    const LibraryBusDriverFactory busDrivers(ProgramFolder());
    const CommandContext context{*m_document, *m_settings, busDrivers};
    MainWindow window(context, *m_prompter, ProgramFolder(), m_helpFilePath);
    window.Initialise();
    window.exec();
}

}  // namespace trelink
