#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "commands/CommandContext.h"
#include "commands/EntryDetails.h"
#include "commands/HardwareCommands.h"
#include "services/ResultCodes.h"
#include "ui/GuardedChanges.h"
#include "ui/HardwareImageList.h"
#include "ui/WindowNotices.h"

class QPushButton;
class QWidget;

namespace trelink {

class DetailPages;
class EntryActions;
class ErrorLookup;
class ProgramHelp;
class HardwareList;
class LanguageSwitch;
class MainMenu;
class Prompter;

// The program's one window: the list of configured hardware on the left, the detail pages on
// the right. Its commands are the command layer's; the window only asks, shows and rebuilds
// its list from the document after every change.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    // The unit name that internal-error messages report.
    static constexpr const char* kModuleName = "TrelinkkonfiguratorDlg";

    // Call sites reported by internal-error messages.
    enum Site {
        kSiteLoadConfiguration = 182,
        kSiteProbe = 189,
        kSiteImageList = 204,
        kSiteHardwareColumns = 212,
        kSiteFillList = 219,
        kSiteTabs = 226,
        kSiteShowPage = 233,
        kSiteDriverColumns = 240,
        kSiteSettingsColumns = 247,
        kSiteAddLookup = 989,
        kSiteContextMenu = 1190,
        kSiteActivateName = 1226,
        kSiteActivateRule = 1233,
        kSiteActivateWrite = 1250,
    };

    // Every prompt goes through prompter; the window's own error lookup is looked for in
    // libraryFolder first. helpFilePath is the application's, which a language switch sets.
    MainWindow(const CommandContext& context, Prompter& prompter, const std::string& libraryFolder,
               std::string& helpFilePath, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the set-up steps before the window is first shown. A failing step is reported and
    // ends the set-up; the window can then still be left, but not change the configuration.
    void Initialise();
    bool IsInitialised() const { return m_initialised; }

    Result FillHardwareList();
    Result ProbeAllHardware();
    void ReportInternalError(int site, Result code);
    // Switches the interface to a language catalogue; false when it cannot be loaded.
    bool LoadLanguage(int language);
    void RetextWindow();

    void Add();
    void Remove();
    void Activate();
    void Deactivate();
    void SetDefault();
    void Check();
    // "&Beenden": check, let the driver save its configuration, and close when confirmed.
    void Leave();
    // Closing the window or Escape: the same check and question, without the driver.
    void reject() override;
    void ShowContextMenu(const QPoint& screenPosition);
    // row -1: the click hit no row.
    void OnListClicked(int row);

    HardwareList* List() const { return m_list; }
    DetailPages& Pages() const { return *m_pages; }
    MainMenu& Menu() const { return *m_menu; }
    LanguageSwitch& Language() const { return *m_language; }
    ProgramHelp& Help() const { return *m_help; }
    // Diagnosis and the editing of a setting.
    EntryActions& Entries() const { return *m_entryActions; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    QPushButton* NewButton(QWidget* client, const char* name, const QRect& geometry);
    void ConnectCommands();
    // A language that cannot be loaded is reported by the switch; the set-up carries on.
    Result LoadStoredLanguage();
    void ShowStateChange(const StateChange& change);
    void LeaveWith(int result, bool saveDriverConfiguration);
    void SetEntryCommandsEnabled(bool enabled);
    void RetextCaptions();
    int SelectedNumber() const;

    CommandContext m_context;
    HardwareCommands m_commands;
    EntryDetails m_details;
    Prompter& m_prompter;
    std::string& m_helpFilePath;
    std::unique_ptr<ErrorLookup> m_errorLookup;
    WindowNotices m_notices;
    // Every command that changes the configuration runs through it.
    GuardedChanges m_changes;
    HardwareImageList m_images;
    std::unique_ptr<MainMenu> m_menu;
    std::unique_ptr<LanguageSwitch> m_language;
    std::unique_ptr<EntryActions> m_entryActions;
    std::unique_ptr<ProgramHelp> m_help;
    std::unique_ptr<DetailPages> m_pages;
    HardwareList* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_check = nullptr;
    QPushButton* m_leave = nullptr;
    bool m_initialised = false;
    // Whether the captions come from the string table yet; until the first language is
    // applied the window keeps the captions of its layout.
    bool m_retexted = false;
};

}  // namespace trelink
