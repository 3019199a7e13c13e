#include "ui/MainWindow.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <functional>

#include "commands/ProgramSettings.h"
#include "services/ErrorLookup.h"
#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "ui/AddHardwareDialog.h"
#include "ui/DetailPages.h"
#include "ui/DialogUnits.h"
#include "ui/DriverPage.h"
#include "ui/EntryActions.h"
#include "ui/ErrorListDialog.h"
#include "ui/GeneralPage.h"
#include "ui/HardwareContextMenu.h"
#include "ui/HardwareList.h"
#include "ui/LanguageSwitch.h"
#include "ui/MainMenu.h"
#include "ui/ProgramHelp.h"
#include "ui/Prompter.h"
#include "ui/SettingsPage.h"
#include "ui/StringTable.h"

namespace trelink {

MainWindow::MainWindow(const CommandContext& context, Prompter& prompter,
                       const std::string& libraryFolder, std::string& helpFilePath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_context(context),
      m_commands(context),
      m_details(context),
      m_prompter(prompter),
      m_helpFilePath(helpFilePath),
      m_errorLookup(std::make_unique<ErrorLookup>(libraryFolder, true)),
      m_notices(prompter, this),
      m_changes(context.document, m_notices, [this] { RetextWindow(); }) {
    // A missing lookup library is reported here, before the window shows.
    if (const auto& failure = m_errorLookup->Failure()) {
        m_prompter.ShowMessage(nullptr, StringTable::LoadFailureText(*failure),
                               Prompter::Icon::Stop);
    }
    CreateControls();
    ConnectCommands();
}

// The help viewer goes first, before anything it might still show is torn down.
MainWindow::~MainWindow() {
    m_help->Close();
}

void MainWindow::CreateControls() {
    setFont(DialogUnits::DialogFont());
    setWindowIcon(QIcon(QStringLiteral(":/icons/program.png")));
    const DialogUnits units(font());
    auto* client = new QWidget(this);
    client->setFixedSize(units.Size(499, 252));
    m_list = new HardwareList(client);
    m_list->setObjectName(QStringLiteral("hardwareList"));
    m_list->setGeometry(units.Rect(7, 7, 260, 207));
    m_pages = std::make_unique<DetailPages>(client, units, m_details);
    m_add = NewButton(client, "addButton", units.Rect(7, 222, 50, 14));
    m_remove = NewButton(client, "removeButton", units.Rect(62, 222, 50, 14));
    m_check = NewButton(client, "checkButton", units.Rect(159, 222, 50, 14));
    m_leave = NewButton(client, "leaveButton", units.Rect(217, 222, 50, 14));
    m_leave->setDefault(true);
    RetextCaptions();
    SetEntryCommandsEnabled(false);

    m_menu = std::make_unique<MainMenu>(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menu->Bar());
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_language =
        std::make_unique<LanguageSwitch>(m_context.document, m_context.settings, *m_errorLookup,
                                         *m_menu, m_prompter, m_helpFilePath);
    m_entryActions =
        std::make_unique<EntryActions>(m_context, *m_errorLookup, m_prompter, *m_pages, this);
    m_help = std::make_unique<ProgramHelp>(this, m_prompter, m_helpFilePath);
}

QPushButton* MainWindow::NewButton(QWidget* client, const char* name, const QRect& geometry) {
    auto* button = new QPushButton(client);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void MainWindow::ConnectCommands() {
    connect(m_add, &QPushButton::clicked, this, [this] { m_changes.Run([this] { Add(); }); });
    connect(m_remove, &QPushButton::clicked, this, [this] { m_changes.Run([this] { Remove(); }); });
    connect(m_check, &QPushButton::clicked, this, &MainWindow::Check);
    connect(m_leave, &QPushButton::clicked, this, &MainWindow::Leave);
    connect(m_list, &HardwareList::RowClicked, this, &MainWindow::OnListClicked);
    for (const auto& [command, language] : {std::pair{MainMenu::kGerman, ProgramSettings::kGerman},
                                            {MainMenu::kEnglish, ProgramSettings::kEnglish}}) {
        // Stored first, so that the next start tries the language again even when its
        // catalogue cannot be loaded now; a settings file the user may not write is left as it is.
        connect(m_menu->Action(command), &QAction::triggered, this, [this, language] {
            m_context.settings.WriteLanguage(language);
            LoadLanguage(language);
        });
    }
    connect(m_menu->Action(MainMenu::kHelpTopics), &QAction::triggered, this,
            [this] { m_help->Show(); });
    connect(m_menu->Action(MainMenu::kInfo), &QAction::triggered, this,
            [this] { m_help->ShowAbout(); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { m_help->ShowForFocus(); });
    connect(m_list, &HardwareList::ContextMenuWanted, this, &MainWindow::ShowContextMenu);
    connect(m_list, &HardwareList::RowChanged, this, [this](int row) { m_pages->Fill(row + 1); });
    connect(&m_pages->Settings(), &SettingsPage::SettingClicked, this, [this](const QString& name) {
        m_changes.Run([this, name] { m_entryActions->EditSetting(SelectedNumber(), name); });
    });
    connect(m_pages->DiagnoseButton(), &QPushButton::clicked, this, [this] {
        m_changes.Run(
            [this] { m_entryActions->Diagnose(SelectedNumber(), [this] { FillHardwareList(); }); });
    });
}

void MainWindow::Initialise() {
    struct Step {
        int site;  // 0: the step reports its own failures and never stops the set-up
        std::function<Result()> run;
    };
    const Step steps[] = {
        {kSiteLoadConfiguration, [this] { return m_commands.LoadConfiguration(); }},
        {kSiteProbe, [this] { return ProbeAllHardware(); }},
        {0, [this] { return LoadStoredLanguage(); }},
        {kSiteImageList, [this] { return m_images.Create(); }},
        {kSiteHardwareColumns, [this] { return m_list->SetUpColumns(&m_images); }},
        {kSiteFillList, [this] { return FillHardwareList(); }},
        {kSiteTabs, [this] { return m_pages->RebuildTabs(); }},
        {kSiteShowPage, [this] { return m_pages->ShowPage(DetailPages::kGeneralPage); }},
        {kSiteDriverColumns, [this] { return m_pages->SetUpDriverColumns(); }},
        {kSiteSettingsColumns, [this] { return m_pages->SetUpSettingsColumns(); }},
    };
    for (const Step& step : steps) {
        const Result code = step.run();
        if (code != kOk && step.site != 0) {
            ReportInternalError(step.site, code);
            return;
        }
    }
    SetEntryCommandsEnabled(false);
    m_initialised = true;
}

Result MainWindow::LoadStoredLanguage() {
    LoadLanguage(m_context.settings.Language());
    return kOk;
}

Result MainWindow::FillHardwareList() {
    std::vector<HardwareRow> rows;
    const Result result = m_commands.ListHardware(rows);
    m_list->ShowRows(rows, result == kOk);
    return result;
}

Result MainWindow::ProbeAllHardware() {
    const ProbeOutcome outcome = m_commands.ProbeAllHardware();
    if (outcome.saveFailed) m_notices.CannotSave();
    return outcome.result;
}

void MainWindow::ReportInternalError(int site, Result code) {
    m_notices.InternalError(kModuleName, site, code);
}

bool MainWindow::LoadLanguage(int language) {
    if (!m_language->Switch(language, this)) return false;
    RetextWindow();
    return true;
}

// Captions follow the catalogue through the language-change event; what the switch rebuilds
// (rows, pages, selection, tabs) happens here in its fixed order.
void MainWindow::RetextWindow() {
    m_list->SetUpColumns(&m_images);
    FillHardwareList();
    m_pages->General().Fill(kNoHardware);
    m_pages->SetUpDriverColumns();
    m_pages->Drivers().Fill(kNoHardware);
    m_pages->SetUpSettingsColumns();
    m_pages->Settings().Fill(kNoHardware);
    m_list->clearSelection();
    OnListClicked(-1);
    m_pages->RebuildTabs();
    m_pages->ShowPage(DetailPages::kGeneralPage);
    m_pages->ClearDeviceStatus();
    m_retexted = true;
    RetextCaptions();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        RetextCaptions();
        m_menu->Retext();
    }
    QDialog::changeEvent(event);
}

void MainWindow::RetextCaptions() {
    m_add->setText(StringTable::Text(Msg::kCaptionAdd));
    m_remove->setText(StringTable::Text(Msg::kCaptionRemove));
    m_leave->setText(StringTable::Text(Msg::kCaptionLeave));
    // The layout's own captions differ from the string table's until a language is applied.
    m_check->setText(StringTable::Text(m_retexted ? Msg::kCaptionCheck : Msg::kLayoutCheck));
    setWindowTitle(StringTable::Text(m_retexted ? Msg::kWindowTitle : Msg::kLayoutTitle));
}

void MainWindow::Add() {
    if (!m_initialised) return;
    TextList offered;
    if (const Result result = m_commands.OfferedTypes(offered); result != kOk) {
        ReportInternalError(kSiteAddLookup, result);
        return;
    }
    AddHardwareDialog dialog(StringTable::ToStringList(offered), this);
    if (m_prompter.RunDialog(dialog) != QDialog::Accepted) return;
    const AddOutcome outcome = m_commands.AddHardware(dialog.ChosenName().toStdString());
    if (outcome.status == AddOutcome::Status::kNoFreeSlot) {
        m_notices.Inform(Msg::kNoFreeSlot);
        return;
    }
    if (outcome.result == kCannotSave) m_notices.CannotSave();
    if (outcome.probe.saveFailed) m_notices.CannotSave();
    FillHardwareList();
}

void MainWindow::Remove() {
    if (!m_initialised) return;
    // Without a selection the number is 0, which names no entry.
    if (m_commands.RemoveHardware(SelectedNumber()) == kCannotSave) m_notices.CannotSave();
    OnListClicked(-1);
    FillHardwareList();
}

void MainWindow::Activate() {
    if (!m_initialised || SelectedNumber() == 0) return;
    using Status = ActivateOutcome::Status;
    const ActivateOutcome outcome = m_commands.Activate(SelectedNumber());
    static constexpr std::pair<Status, Site> kFailures[] = {
        {Status::kNameLookupFailed, kSiteActivateName},
        {Status::kRuleFailed, kSiteActivateRule},
        {Status::kWriteFailed, kSiteActivateWrite}};
    for (const auto& [status, site] : kFailures) {
        if (outcome.status == status) return ReportInternalError(site, outcome.result);
    }
    if (outcome.status == Status::kIncompatible) m_notices.Inform(Msg::kIncompatibleActive);
    if (outcome.status == Status::kActivated) FillHardwareList();
}

void MainWindow::Deactivate() {
    if (m_initialised && SelectedNumber() != 0) {
        ShowStateChange(m_commands.Deactivate(SelectedNumber()));
    }
}

void MainWindow::SetDefault() {
    if (m_initialised && SelectedNumber() != 0) {
        ShowStateChange(m_commands.SetDefault(SelectedNumber()));
    }
}

void MainWindow::ShowStateChange(const StateChange& change) {
    if (!change.stateRead) return;
    if (change.result == kCannotSave) m_notices.CannotSave();
    FillHardwareList();
}

void MainWindow::ShowContextMenu(const QPoint& screenPosition) {
    if (!m_initialised) return;
    using Menu = HardwareContextMenu;
    Menu menu(this);
    if (const Result result = menu.EnableFor(m_context.document, SelectedNumber()); result != kOk) {
        return ReportInternalError(kSiteContextMenu, result);
    }
    static constexpr std::pair<int, void (MainWindow::*)()> kCommands[] = {
        {Menu::kActivate, &MainWindow::Activate},     {Menu::kDeactivate, &MainWindow::Deactivate},
        {Menu::kSetDefault, &MainWindow::SetDefault}, {Menu::kAdd, &MainWindow::Add},
        {Menu::kRemove, &MainWindow::Remove},
    };
    const int chosen = Menu::CommandOf(m_prompter.PopUpMenu(menu.Menu(), screenPosition));
    for (const auto& [command, run] : kCommands) {
        if (command == chosen) m_changes.Run([this, run = run] { (this->*run)(); });
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
    const CheckFindingList findings = m_commands.Check();
    if (findings.empty()) return m_notices.Inform(Msg::kCheckPassed);
    ErrorListDialog dialog(StringTable::Texts(findings), this);
    m_prompter.RunDialog(dialog);
}

void MainWindow::Leave() {
    LeaveWith(QDialog::Accepted, true);
}

void MainWindow::reject() {
    LeaveWith(QDialog::Rejected, false);
}

void MainWindow::LeaveWith(int result, bool saveDriverConfiguration) {
    // The driver stays loaded until the question is answered.
    const Leaving leaving = m_commands.BeginLeave(saveDriverConfiguration);
    if (!leaving.Findings().empty() &&
        m_prompter.AskYesNo(this, StringTable::Text(Msg::kLeaveDespiteFindings),
                            Prompter::Icon::Question,
                            Prompter::Answer::No) != Prompter::Answer::Yes) {
        return;
    }
    done(result);
}

int MainWindow::SelectedNumber() const {
    return m_list->SelectedRow() + 1;
}

}  // namespace trelink
