#pragma once

#include "ui/UiResults.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace trelink {

class DialogUnits;
class DriverPage;
class EntryDetails;
class GeneralPage;
class SettingsPage;

// The right half of the main window: the tab strip with its three pages, "Allgemein",
// "Treiber" and "Einstellungen", each a page of its own that fills, clears and retexts itself.
class DetailPages {
public:
    enum Page { kGeneralPage = 0, kDriverPage = 1, kSettingsPage = 2, kPageCount = 3 };

    // Creates the tab strip and the pages on client, placed in dialog units; the tabs
    // themselves come with RebuildTabs.
    DetailPages(QWidget* client, const DialogUnits& units, const EntryDetails& details);

    // Shows the page; kPageOutOfRange for another number, which changes nothing.
    Result ShowPage(int page);
    // Removes every tab and inserts the three pages, captions from the string table.
    Result RebuildTabs();
    Result SetUpDriverColumns();
    Result SetUpSettingsColumns();

    // All three pages for the entry, in page order.
    void Fill(int hardwareNumber);
    // Empties the type name and the driver and settings lists.
    void ClearEntry();
    void ClearDeviceStatus();

    GeneralPage& General() const { return *m_general; }
    DriverPage& Drivers() const { return *m_drivers; }
    SettingsPage& Settings() const { return *m_settings; }
    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* DiagnoseButton() const;
    QLabel* TypeName() const;
    QPlainTextEdit* DeviceStatus() const;
    QTableWidget* DriverList() const;
    QTableWidget* SettingsList() const;

private:
    QTabWidget* m_tabs;
    GeneralPage* m_general;
    DriverPage* m_drivers;
    SettingsPage* m_settings;
};

}  // namespace trelink
