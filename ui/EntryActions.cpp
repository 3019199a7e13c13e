#include "ui/EntryActions.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "commands/CommandResults.h"
#include "commands/Diagnosis.h"
#include "commands/SettingEdit.h"
#include "store/MessageIds.h"
#include "ui/DetailPages.h"
#include "ui/Prompter.h"
#include "ui/SettingsPage.h"
#include "ui/StringTable.h"
#include "ui/ValueChoiceDialog.h"

namespace trelink {

namespace {

// The wait cursor for as long as the object lives.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

EntryActions::EntryActions(const CommandContext& context, const ErrorLookup& errorLookup,
                           Prompter& prompter, DetailPages& pages, QWidget* window)
    : m_context(context),
      m_errorLookup(errorLookup),
      m_prompter(prompter),
      m_pages(pages),
      m_window(window),
      m_notices(prompter, window) {}

void EntryActions::Diagnose(int hardwareNumber, const std::function<void()>& refillList) {
    m_pages.ClearDeviceStatus();
    Diagnosis diagnosis(m_context, m_errorLookup, hardwareNumber);
    switch (diagnosis.StoreCode()) {
        case Diagnosis::Storing::kStored:
            break;
        case Diagnosis::Storing::kNotSaved:
            return m_notices.CannotSave();
        case Diagnosis::Storing::kStateUnreadable:
        case Diagnosis::Storing::kWriteFailed:
            return;
    }
    refillList();
    if (diagnosis.OffersScan() &&
        m_prompter.AskYesNo(m_window, StringTable::Text(Msg::kAskScanBus), Prompter::Icon::Stop,
                            Prompter::Answer::No) == Prompter::Answer::Yes) {
        const WaitCursor wait;
        diagnosis.Scan();
    }
    m_pages.DeviceStatus()->setPlainText(
        QString::fromStdString(diagnosis.Report(CurrentCatalogue())));
}

Result EntryActions::EditSetting(int hardwareNumber, const QString& displayName) {
    SettingsPage& page = m_pages.Settings();
    ParameterDefinition* record = SettingEdit::Find(page.Records(), displayName.toStdString());
    if (!record) return kNoSuchSetting;
    ValueChoiceDialog dialog(*record, m_window);
    const int answer = m_prompter.RunDialog(dialog);
    // The dialog covered the page: the tabs with the list and its caption, and the type name.
    m_pages.Tabs()->update();
    m_pages.TypeName()->update();
    if (answer != QDialog::Accepted) return kOk;
    SettingEdit edit(m_context, hardwareNumber);
    if (SettingEdit::TransfersToAdapter(*record)) {
        const Result code = edit.TransferDeviceNumber(*record);
        if (code == kOk) {
            m_prompter.ShowMessage(m_window, StringTable::Text(Msg::kDeviceNumberTransferred),
                                   Prompter::Icon::Information);
        } else if (!KeepAfterFailedTransfer(code)) {
            page.Fill(hardwareNumber);
            return kDeviceNumberDeclined;
        }
        edit.EndTransfer();
    }
    if (edit.WriteValue(*record) == kCannotSave) m_notices.CannotSave();
    page.Fill(hardwareNumber);
    return kOk;
}

bool EntryActions::KeepAfterFailedTransfer(Result code) {
    const Message question = SettingEdit::TransferFailure(m_errorLookup, code);
    return m_prompter.AskYesNo(m_window, StringTable::Text(question), Prompter::Icon::Stop,
                               Prompter::Answer::Yes) == Prompter::Answer::Yes;
}

}  // namespace trelink
