#include "ui/MainWindow.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "commands/CommandResults.h"
#include "services/BusDriverSession.h"
#include "services/ErrorLookup.h"
#include "store/ConfigDocument.h"
#include "store/HardwareOffer.h"
#include "store/MessageIds.h"
#include "ui/AddHardwareDialog.h"
#include "ui/DetailPages.h"
#include "ui/DialogUnits.h"
#include "ui/ErrorListDialog.h"
#include "ui/HardwareContextMenu.h"
#include "ui/HardwareList.h"
#include "ui/MainMenu.h"
#include "ui/Prompter.h"
#include "ui/StringTable.h"

namespace trelink {
namespace {

QStringList ToStringList(const TextList& texts) {
    QStringList list;
    for (const std::string& text : texts) list.append(QString::fromStdString(text));
    return list;
}

}  // namespace

MainWindow::MainWindow(ConfigDocument& document, const std::string& settingsPath,
                       Prompter& prompter, const std::string& libraryFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_document(document),
      m_settings(settingsPath),
      m_busDrivers(libraryFolder),
      m_prompter(prompter),
      m_checker(document) {
    // A missing lookup library is reported here, before the window shows.
    m_errorLookup = std::make_unique<ErrorLookup>(libraryFolder, true);
    if (const auto& failure = m_errorLookup->Failure()) {
        m_prompter.ShowMessage(nullptr, StringTable::LoadFailureText(*failure),
                               Prompter::Icon::Stop);
    }
    CreateControls();
    ConnectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls() {
    setFont(DialogUnits::DialogFont());
    const DialogUnits units(font());
    //% "Morvak Trelinkkonfigurator"
    setWindowTitle(qtTrId("mainwindow.title"));

    auto* client = new QWidget(this);
    client->setFixedSize(units.Size(499, 252));
    m_list = new HardwareList(client);
    m_list->setObjectName(QStringLiteral("hardwareList"));
    m_list->setGeometry(units.Rect(7, 7, 260, 207));
    m_pages = std::make_unique<DetailPages>(client, units);
    m_add = NewButton(client, "addButton", units.Rect(7, 222, 50, 14));
    m_remove = NewButton(client, "removeButton", units.Rect(62, 222, 50, 14));
    m_check = NewButton(client, "checkButton", units.Rect(159, 222, 50, 14));
    m_leave = NewButton(client, "leaveButton", units.Rect(217, 222, 50, 14));
    m_leave->setDefault(true);
    //% "&Hinzufügen"
    m_add->setText(qtTrId("mainwindow.add"));
    //% "&Entfernen"
    m_remove->setText(qtTrId("mainwindow.remove"));
    //% "&Überprüfen"
    m_check->setText(qtTrId("mainwindow.check"));
    //% "&Beenden"
    m_leave->setText(qtTrId("mainwindow.leave"));
    SetEntryCommandsEnabled(false);

    m_menu = std::make_unique<MainMenu>(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menu->Bar());
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* MainWindow::NewButton(QWidget* client, const char* name, const QRect& geometry) {
    auto* button = new QPushButton(client);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void MainWindow::ConnectCommands() {
    connect(m_add, &QPushButton::clicked, this, &MainWindow::Add);
    connect(m_remove, &QPushButton::clicked, this, &MainWindow::Remove);
    connect(m_check, &QPushButton::clicked, this, &MainWindow::Check);
    connect(m_leave, &QPushButton::clicked, this, &MainWindow::Leave);
    connect(m_list, &HardwareList::RowClicked, this, &MainWindow::OnListClicked);
    connect(m_list, &HardwareList::ContextMenuWanted, this, &MainWindow::ShowContextMenu);
}

void MainWindow::Initialise() {
    SetUpWindow();
    struct Step {
        int site;
        Result (MainWindow::*run)();
    };
    // Site 0: the step reports its own failures and never stops the set-up.
    static constexpr Step kSteps[] = {
        {kSiteLoadConfiguration, &MainWindow::LoadConfiguration},
        {kSiteProbe, &MainWindow::ProbeAllHardware},
        {0, &MainWindow::LoadStoredLanguage},
        {kSiteImageList, &MainWindow::CreateImageList},
        {kSiteHardwareColumns, &MainWindow::SetUpHardwareColumns},
        {kSiteFillList, &MainWindow::FillHardwareList},
        {kSiteTabs, &MainWindow::RebuildTabs},
        {kSiteShowPage, &MainWindow::ShowFirstPage},
        {kSiteDriverColumns, &MainWindow::SetUpDriverColumns},
        {kSiteSettingsColumns, &MainWindow::SetUpSettingsColumns},
    };
    for (const Step& step : kSteps) {
        const Result code = (this->*step.run)();
        if (code != kOk && step.site != 0) {
            ReportInternalError(step.site, code);
            return;
        }
    }
    SetEntryCommandsEnabled(false);
    m_initialised = true;
}

void MainWindow::SetUpWindow() {
    setWindowIcon(QIcon(QStringLiteral(":/icons/program.png")));
}

Result MainWindow::LoadConfiguration() {
    const std::string fileName = m_settings.ConfiguredFileName();
    if (fileName.empty()) return kNoConfigFileName;
    return m_document.SetConfigFile(fileName);
}

Result MainWindow::LoadStoredLanguage() {
    LoadLanguage(m_settings.Language());
    return kOk;
}

Result MainWindow::CreateImageList() {
    return m_images.Create();
}

Result MainWindow::SetUpHardwareColumns() {
    m_list->SetUpColumns(&m_images);
    return kOk;
}

Result MainWindow::RebuildTabs() {
    m_pages->RebuildTabs();
    return kOk;
}

Result MainWindow::ShowFirstPage() {
    return m_pages->ShowPage(DetailPages::kGeneralPage);
}

Result MainWindow::SetUpDriverColumns() {
    return m_pages->SetUpDriverColumns();
}

Result MainWindow::SetUpSettingsColumns() {
    return m_pages->SetUpSettingsColumns();
}

Result MainWindow::FillHardwareList() {
    int count = 0;
    if (const Result result = m_document.GetHardwareCount(count); result != kOk) return result;
    // The selection is kept by its row index, not by its entry.
    const int selected = m_list->SelectedRow();
    m_list->RemoveAllRows();
    for (int number = 1; number <= count; ++number) {
        if (const Result result = AppendHardwareRow(number); result != kOk) return result;
    }
    m_list->SelectRow(selected);
    return kOk;
}

Result MainWindow::AppendHardwareRow(int hardwareNumber) {
    const int type = m_document.GetHardwareType(hardwareNumber);
    int isActive = 0;
    int isDefault = 0;
    int errorCode = 0;
    const Result result =
        m_document.GetHardwareState(hardwareNumber, isActive, isDefault, errorCode);
    if (result != kOk) return result;
    const QString number = QString::number(hardwareNumber);
    const int row = m_list->AppendRow(
        number, errorCode != kOk ? HardwareImageList::kWarning : HardwareList::kNoImage);
    std::string name;
    const bool named = m_document.GetHardwareName(name, hardwareNumber, "") == kOk && !name.empty();
    m_list->SetNameCell(row, named ? QString::fromStdString(name) : number,
                        HardwareImageList::TypeImage(type));
    m_list->SetStatusCell(row, HardwareImageList::StatusImage(isActive, isDefault));
    return kOk;
}

Result MainWindow::ProbeAllHardware() {
    int count = 0;
    if (const Result result = m_document.GetHardwareCount(count); result != kOk) return result;
    const std::string fileName = BusDriverFileName();
    // One message for a read-only file, however many entries there are.
    bool saveFailureReported = false;
    for (int number = 1; number <= count; ++number) {
        BusDriverSession library(m_busDrivers);
        library.TestConnection(fileName, number);
        int isActive = 0;
        int isDefault = 0;
        int errorCode = 0;
        const Result read = m_document.GetHardwareState(number, isActive, isDefault, errorCode);
        if (read != kOk) return read;
        if (saveFailureReported) continue;
        if (m_document.SetHardwareState(number, isActive, isDefault, library.LastResult()) ==
            kCannotSave) {
            ShowCannotSave();
            saveFailureReported = true;
        }
    }
    return kOk;
}

void MainWindow::ReportInternalError(int site, Result code) {
    const QString text = StringTable::Format(
        Msg::kInternalError,
        {QString::fromLatin1(kModuleName), QString::number(site), QString::number(code)});
    m_prompter.ShowMessage(this, text, Prompter::Icon::Stop);
}

bool MainWindow::LoadLanguage(int language) {
    m_catalogue.Unload();
    if (!m_catalogue.Load(language)) {
        m_prompter.ShowMessage(this,
                               StringTable::Format(Msg::kCannotLoadLanguage,
                                                   {LanguageCatalogue::FileNameFor(language)}),
                               Prompter::Icon::Stop);
        return false;
    }
    m_menu->Retext();
    m_errorLookup->SetLanguage(language);
    m_document.SetLanguage(language);
    m_menu->MarkLanguage(m_settings.Language());
    RetextWindow();
    return true;
}

void MainWindow::RetextWindow() {
    m_list->SetUpColumns(&m_images);
    FillHardwareList();
    m_pages->SetUpDriverColumns();
    m_pages->SetUpSettingsColumns();
    m_list->clearSelection();
    SetEntryCommandsEnabled(false);
    m_pages->ClearEntry();
    m_pages->RebuildTabs();
    m_pages->ShowPage(DetailPages::kGeneralPage);
    m_pages->ClearDeviceStatus();
    RetextCaptions();
}

void MainWindow::RetextCaptions() {
    m_add->setText(StringTable::Text(Msg::kCaptionAdd));
    m_remove->setText(StringTable::Text(Msg::kCaptionRemove));
    m_check->setText(StringTable::Text(Msg::kCaptionCheck));
    m_leave->setText(StringTable::Text(Msg::kCaptionLeave));
    m_pages->Retext();
    setWindowTitle(StringTable::Text(Msg::kWindowTitle));
}

void MainWindow::Add() {
    if (!m_initialised) return;
    TextList offered;
    if (const Result result = HardwareOffer(m_document).Collect(offered); result != kOk) {
        ReportInternalError(kSiteAddLookup, result);
        return;
    }
    AddHardwareDialog dialog(ToStringList(offered), this);
    if (m_prompter.RunDialog(dialog) != QDialog::Accepted) return;
    const std::string chosen = dialog.ChosenName().toStdString();
    int freeSlots = 0;
    m_checker.GetFreeSlots(chosen, freeSlots);
    if (freeSlots <= 0) {
        Inform(Msg::kNoFreeSlot);
        return;
    }
    if (m_document.AddHardware(chosen) == kCannotSave) ShowCannotSave();
    ProbeAllHardware();
    FillHardwareList();
}

void MainWindow::Remove() {
    if (!m_initialised) return;
    // Without a selection the number is 0, which names no entry.
    if (m_document.RemoveHardware(m_list->SelectedRow() + 1) == kCannotSave) ShowCannotSave();
    SetEntryCommandsEnabled(false);
    m_pages->ClearEntry();
    m_pages->ClearDeviceStatus();
    FillHardwareList();
}

void MainWindow::Activate() {
    const int row = m_list->SelectedRow();
    if (!m_initialised || row < 0) return;
    const int number = row + 1;
    std::string name;
    if (const Result result = m_document.GetHardwareName(name, number, ""); result != kOk) {
        ReportInternalError(kSiteActivateName, result);
        return;
    }
    int permission = 0;
    if (const Result result = m_checker.CanActivate(name, permission); result != kOk) {
        ReportInternalError(kSiteActivateRule, result);
        return;
    }
    if (permission == 0) {
        Inform(Msg::kIncompatibleActive);
        return;
    }
    int isActive = 0;
    int isDefault = 0;
    int errorCode = 0;
    if (m_document.GetHardwareState(number, isActive, isDefault, errorCode) != kOk) return;
    if (const Result result = m_document.SetHardwareState(number, 1, 0, errorCode); result != kOk) {
        ReportInternalError(kSiteActivateWrite, result);
        return;
    }
    FillHardwareList();
    BusDriverSession library(m_busDrivers);
    library.SaveProprietaryConfiguration(BusDriverFileName());
}

void MainWindow::Deactivate() {
    WriteSelectedState(0, 0);
}

void MainWindow::SetDefault() {
    WriteSelectedState(1, 1);
}

void MainWindow::WriteSelectedState(int isActive, int isDefault) {
    const int row = m_list->SelectedRow();
    if (!m_initialised || row < 0) return;
    int wasActive = 0;
    int wasDefault = 0;
    int errorCode = 0;
    if (m_document.GetHardwareState(row + 1, wasActive, wasDefault, errorCode) != kOk) return;
    if (m_document.SetHardwareState(row + 1, isActive, isDefault, errorCode) == kCannotSave) {
        ShowCannotSave();
    }
    FillHardwareList();
}

void MainWindow::ShowContextMenu(const QPoint& screenPosition) {
    if (!m_initialised) return;
    HardwareContextMenu menu(this);
    const int row = m_list->SelectedRow();
    if (row < 0) {
        menu.EnableForNoRow();
    } else {
        int isActive = 0;
        int isDefault = 0;
        int errorCode = 0;
        const Result result = m_document.GetHardwareState(row + 1, isActive, isDefault, errorCode);
        if (result != kOk) {
            ReportInternalError(kSiteContextMenu, result);
            return;
        }
        menu.EnableForEntry(isActive, isDefault);
    }
    RunContextCommand(
        HardwareContextMenu::CommandOf(m_prompter.PopUpMenu(menu.Menu(), screenPosition)));
}

void MainWindow::RunContextCommand(int command) {
    switch (command) {
        case HardwareContextMenu::kActivate:
            Activate();
            break;
        case HardwareContextMenu::kDeactivate:
            Deactivate();
            break;
        case HardwareContextMenu::kSetDefault:
            SetDefault();
            break;
        case HardwareContextMenu::kAdd:
            Add();
            break;
        case HardwareContextMenu::kRemove:
            Remove();
            break;
        default:
            break;
    }
}

void MainWindow::OnListClicked(int row) {
    const bool onRow = row >= 0 && m_initialised;
    SetEntryCommandsEnabled(onRow);
    if (!onRow) m_pages->ClearEntry();
    m_pages->ClearDeviceStatus();
}

void MainWindow::SetEntryCommandsEnabled(bool enabled) {
    m_remove->setEnabled(enabled);
    m_pages->DiagnoseButton()->setEnabled(enabled);
}

void MainWindow::Check() {
    CheckFindingList findings;
    m_checker.CheckConfiguration(findings);
    if (findings.empty()) {
        Inform(Msg::kCheckPassed);
        return;
    }
    ErrorListDialog dialog(FindingTexts(findings), this);
    m_prompter.RunDialog(dialog);
}

QStringList MainWindow::FindingTexts(const CheckFindingList& findings) const {
    QStringList texts;
    for (const Message& finding : findings) {
        texts.append(StringTable::Format(finding.id, ToStringList(finding.arguments)));
    }
    return texts;
}

void MainWindow::Leave() {
    LeaveWith(QDialog::Accepted, true);
}

void MainWindow::reject() {
    LeaveWith(QDialog::Rejected, false);
}

void MainWindow::LeaveWith(int result, bool saveDriverConfiguration) {
    CheckFindingList findings;
    m_checker.CheckConfiguration(findings);
    // Held until the question is answered, then unloaded.
    std::unique_ptr<BusDriverSession> library;
    if (saveDriverConfiguration) {
        library = std::make_unique<BusDriverSession>(m_busDrivers);
        library->SaveProprietaryConfiguration(BusDriverFileName());
    }
    if (!findings.empty() &&
        m_prompter.AskYesNo(this, StringTable::Text(Msg::kLeaveDespiteFindings),
                            Prompter::Icon::Question,
                            Prompter::Answer::No) != Prompter::Answer::Yes) {
        return;
    }
    done(result);
}

std::string MainWindow::BusDriverFileName() const {
    return m_settings.ConfigFileName();
}

void MainWindow::ShowCannotSave() {
    m_prompter.ShowMessage(this, StringTable::Text(Msg::kCannotSave), Prompter::Icon::Stop);
}

void MainWindow::Inform(int messageId) {
    m_prompter.ShowMessage(this, StringTable::Text(messageId), Prompter::Icon::Information);
}

}  // namespace trelink
