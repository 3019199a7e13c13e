#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "commands/ProgramSettings.h"
#include "services/BusDriver.h"
#include "services/ResultCodes.h"
#include "store/ConfigChecker.h"
#include "store/Message.h"
#include "ui/HardwareImageList.h"
#include "ui/LanguageCatalogue.h"

class QPushButton;
class QWidget;

namespace trelink {

class ConfigDocument;
class DetailPages;
class ErrorLookup;
class HardwareList;
class MainMenu;
class Prompter;

// The program's one window: the list of configured hardware on the left, the detail pages on
// the right, and the commands that change the list. It keeps no configuration of its own:
// after every change it rebuilds the list from the document.
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

    // settingsPath is the program's settings file; every prompt goes through prompter; the
    // outside libraries are looked for in libraryFolder first.
    MainWindow(ConfigDocument& document, const std::string& settingsPath, Prompter& prompter,
               const std::string& libraryFolder, QWidget* parent = nullptr);
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
    LanguageCatalogue& Catalogue() { return m_catalogue; }

private:
    void CreateControls();
    QPushButton* NewButton(QWidget* client, const char* name, const QRect& geometry);
    void ConnectCommands();
    void SetUpWindow();
    Result LoadConfiguration();
    Result LoadStoredLanguage();
    Result CreateImageList();
    Result SetUpHardwareColumns();
    Result RebuildTabs();
    Result ShowFirstPage();
    Result SetUpDriverColumns();
    Result SetUpSettingsColumns();
    Result AppendHardwareRow(int hardwareNumber);
    void WriteSelectedState(int isActive, int isDefault);
    void RunContextCommand(int command);
    void LeaveWith(int result, bool saveDriverConfiguration);
    void SetEntryCommandsEnabled(bool enabled);
    void RetextCaptions();
    QStringList FindingTexts(const CheckFindingList& findings) const;
    // The configuration file name handed to the bus-driver library.
    std::string BusDriverFileName() const;
    void ShowCannotSave();
    void Inform(int messageId);

    ConfigDocument& m_document;
    ProgramSettings m_settings;
    LibraryBusDriverFactory m_busDrivers;
    Prompter& m_prompter;
    ConfigChecker m_checker;
    std::unique_ptr<ErrorLookup> m_errorLookup;
    HardwareImageList m_images;
    LanguageCatalogue m_catalogue;
    std::unique_ptr<MainMenu> m_menu;
    std::unique_ptr<DetailPages> m_pages;
    HardwareList* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_check = nullptr;
    QPushButton* m_leave = nullptr;
    bool m_initialised = false;
};

}  // namespace trelink
