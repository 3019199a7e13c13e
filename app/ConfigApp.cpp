#include "app/ConfigApp.h"

#include <QApplication>

#include "services/ErrorLookup.h"
#include "services/IniFile.h"
#include "services/ProgramPath.h"
#include "store/ConfigDocument.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/StringTable.h"

namespace trelink {
namespace {

constexpr const char* kDefaultConfigFile = "trelinkconfig.xml";

}  // namespace

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
    m_settingsPath = SettingsPathFor(ProgramFilePath());
    m_helpFilePath = ProgramFilePath();
    CreateDocument();
    RunMainWindow();
    return 0;
}

void ConfigApp::CreateDocument() {
    auto lookup = std::make_unique<ErrorLookup>(false, [this](const std::string& text) {
        m_prompter->ShowMessage(nullptr, QString::fromStdString(text), Prompter::Icon::Stop);
    });
    m_document = std::make_unique<ConfigDocument>(std::move(lookup));
    // Failures are not reported here: the main window loads the file again and reports them.
    const IniFile settings(m_settingsPath);
    m_document->SetConfigFile(
        settings.ReadString("XMLConfig", "Configfilename", kDefaultConfigFile));
}

void ConfigApp::RunMainWindow() {
    MainWindow window(*m_document, m_settingsPath, *m_prompter);
    window.Initialise();
    window.exec();
}

}  // namespace trelink
