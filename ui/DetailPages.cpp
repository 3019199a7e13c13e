#include "ui/DetailPages.h"

#include <QTabWidget>

#include "store/MessageIds.h"
#include "ui/DialogUnits.h"
#include "ui/DriverPage.h"
#include "ui/GeneralPage.h"
#include "ui/SettingsPage.h"
#include "ui/StringTable.h"

namespace trelink {

DetailPages::DetailPages(QWidget* client, const DialogUnits& units, const EntryDetails& details)
    : m_tabs(new QTabWidget(client)), m_general(nullptr), m_drivers(nullptr), m_settings(nullptr) {
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setGeometry(units.Rect(276, 7, 216, 207));
    m_general = new GeneralPage(client, m_tabs, units, details);
    m_drivers = new DriverPage(client, m_tabs, units, details);
    m_settings = new SettingsPage(client, m_tabs, units, details);
}

Result DetailPages::ShowPage(int page) {
    if (page < 0 || page >= kPageCount) return kPageOutOfRange;
    m_tabs->setCurrentIndex(page);
    return kOk;
}

Result DetailPages::RebuildTabs() {
    // The pages outlive their tabs: clear() only takes them out.
    m_tabs->clear();
    m_tabs->addTab(m_general, StringTable::Text(Msg::kTabGeneral));
    m_tabs->addTab(m_drivers, StringTable::Text(Msg::kTabDriver));
    m_tabs->addTab(m_settings, StringTable::Text(Msg::kTabSettings));
    return kOk;
}

Result DetailPages::SetUpDriverColumns() {
    m_drivers->SetUpColumns();
    return kOk;
}

Result DetailPages::SetUpSettingsColumns() {
    m_settings->SetUpColumns();
    return kOk;
}

void DetailPages::Fill(int hardwareNumber) {
    m_general->Fill(hardwareNumber);
    m_drivers->Fill(hardwareNumber);
    m_settings->Fill(hardwareNumber);
}

void DetailPages::ClearEntry() {
    m_general->ClearTypeName();
    m_drivers->Clear();
    m_settings->Clear();
}

void DetailPages::ClearDeviceStatus() {
    m_general->ClearDeviceStatus();
}

QPushButton* DetailPages::DiagnoseButton() const {
    return m_general->DiagnoseButton();
}

QLabel* DetailPages::TypeName() const {
    return m_general->TypeName();
}

QPlainTextEdit* DetailPages::DeviceStatus() const {
    return m_general->DeviceStatus();
}

QTableWidget* DetailPages::DriverList() const {
    return m_drivers->List();
}

QTableWidget* DetailPages::SettingsList() const {
    return m_settings->List();
}

}  // namespace trelink
