#pragma once

#include "ui/UiResults.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace trelink {

class DialogUnits;

// The right half of the main window: the tab strip and the controls of its three pages. The
// pages are groups of the window's own controls that are shown and hidden together.
class DetailPages {
public:
    enum Page { kGeneralPage = 0, kDriverPage = 1, kSettingsPage = 2, kPageCount = 3 };

    // Creates the controls on client, placed in dialog units.
    DetailPages(QWidget* client, const DialogUnits& units);

    // Shows the page's controls and hides the others'; kPageOutOfRange for another number.
    Result ShowPage(int page);
    // Removes every tab and inserts the three, texts from the string table.
    void RebuildTabs();
    Result SetUpDriverColumns();
    Result SetUpSettingsColumns();

    // Empties the type name and the driver and settings lists.
    void ClearEntry();
    void ClearDeviceStatus();
    // Captions from the string table in the current language.
    void Retext();

    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* DiagnoseButton() const { return m_diagnose; }
    QLabel* TypeName() const { return m_typeName; }
    QPlainTextEdit* DeviceStatus() const { return m_deviceStatus; }
    QTableWidget* DriverList() const { return m_driverList; }
    QTableWidget* SettingsList() const { return m_settingsList; }

private:
    void CreateGeneralPage(QWidget* client, const DialogUnits& units);
    void CreateDriverPage(QWidget* client, const DialogUnits& units);
    void CreateSettingsPage(QWidget* client, const DialogUnits& units);

    QTabWidget* m_tabs;
    QLabel* m_iconArea = nullptr;
    QLabel* m_typeName = nullptr;
    QGroupBox* m_statusGroup = nullptr;
    QPlainTextEdit* m_deviceStatus = nullptr;
    QPushButton* m_diagnose = nullptr;
    QLabel* m_driverLabel = nullptr;
    QTableWidget* m_driverList = nullptr;
    QLabel* m_settingsLabel = nullptr;
    QTableWidget* m_settingsList = nullptr;
};

}  // namespace trelink
