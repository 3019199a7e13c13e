#include "ui/DetailPages.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "store/MessageIds.h"
#include "ui/DialogUnits.h"
#include "ui/StringTable.h"

namespace trelink {
namespace {

struct ColumnSpec {
    int textId;
    double widthShare;
};

// Removes every column, then inserts the given ones with widths from the list's outer width.
void SetUpColumns(QTableWidget* list, std::initializer_list<ColumnSpec> columns) {
    list->setColumnCount(0);
    list->setColumnCount(static_cast<int>(columns.size()));
    const int outerWidth = list->width();
    int column = 0;
    for (const ColumnSpec& spec : columns) {
        list->setHorizontalHeaderItem(column, new QTableWidgetItem(StringTable::Text(spec.textId)));
        list->setColumnWidth(column, static_cast<int>(outerWidth * spec.widthShare));
        ++column;
    }
}

QTableWidget* NewReportList(QWidget* client, const QString& name) {
    auto* list = new QTableWidget(client);
    list->setObjectName(name);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    return list;
}

}  // namespace

DetailPages::DetailPages(QWidget* client, const DialogUnits& units)
    : m_tabs(new QTabWidget(client)) {
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setGeometry(units.Rect(276, 7, 216, 207));
    QObject::connect(m_tabs, &QTabWidget::currentChanged, client, [this](int page) {
        if (page >= 0) ShowPage(page);
    });

    m_iconArea = new QLabel(client);
    m_iconArea->setObjectName(QStringLiteral("iconArea"));
    m_iconArea->setGeometry(units.Rect(290, 30, 20, 20));
    m_typeName = new QLabel(client);
    m_typeName->setObjectName(QStringLiteral("typeName"));
    m_typeName->setGeometry(units.Rect(321, 34, 120, 14));

    CreateGeneralPage(client, units);
    CreateDriverPage(client, units);
    CreateSettingsPage(client, units);
}

void DetailPages::CreateGeneralPage(QWidget* client, const DialogUnits& units) {
    m_statusGroup = new QGroupBox(client);
    m_statusGroup->setObjectName(QStringLiteral("statusGroup"));
    m_statusGroup->setGeometry(units.Rect(290, 57, 187, 143));
    //% "Gerätestatus"
    m_statusGroup->setTitle(qtTrId("mainwindow.statusgroup"));
    m_deviceStatus = new QPlainTextEdit(client);
    m_deviceStatus->setObjectName(QStringLiteral("deviceStatus"));
    m_deviceStatus->setGeometry(units.Rect(299, 74, 169, 96));
    m_deviceStatus->setReadOnly(true);
    m_diagnose = new QPushButton(client);
    m_diagnose->setObjectName(QStringLiteral("diagnoseButton"));
    m_diagnose->setGeometry(units.Rect(418, 178, 50, 14));
    m_diagnose->setAutoDefault(false);
    //% "&Diagnose"
    m_diagnose->setText(qtTrId("mainwindow.diagnose"));
}

void DetailPages::CreateDriverPage(QWidget* client, const DialogUnits& units) {
    m_driverLabel = new QLabel(client);
    m_driverLabel->setObjectName(QStringLiteral("driverLabel"));
    m_driverLabel->setGeometry(units.Rect(288, 55, 171, 11));
    //% "Treiberinformationen:"
    m_driverLabel->setText(qtTrId("mainwindow.driverlabel"));
    m_driverList = NewReportList(client, QStringLiteral("driverList"));
    m_driverList->setGeometry(units.Rect(287, 72, 193, 127));
    m_driverList->setShowGrid(false);
}

void DetailPages::CreateSettingsPage(QWidget* client, const DialogUnits& units) {
    m_settingsLabel = new QLabel(client);
    m_settingsLabel->setObjectName(QStringLiteral("settingsLabel"));
    m_settingsLabel->setGeometry(units.Rect(287, 55, 171, 11));
    //% "Einstellungen:"
    m_settingsLabel->setText(qtTrId("mainwindow.settingslabel"));
    m_settingsList = NewReportList(client, QStringLiteral("settingsList"));
    m_settingsList->setGeometry(units.Rect(286, 71, 193, 127));
    m_settingsList->setSelectionMode(QAbstractItemView::SingleSelection);
}

Result DetailPages::ShowPage(int page) {
    if (page < 0 || page >= kPageCount) return kPageOutOfRange;
    m_statusGroup->setVisible(page == kGeneralPage);
    m_deviceStatus->setVisible(page == kGeneralPage);
    m_diagnose->setVisible(page == kGeneralPage);
    m_driverLabel->setVisible(page == kDriverPage);
    m_driverList->setVisible(page == kDriverPage);
    m_settingsLabel->setVisible(page == kSettingsPage);
    m_settingsList->setVisible(page == kSettingsPage);
    return kOk;
}

void DetailPages::RebuildTabs() {
    while (m_tabs->count() > 0) {
        QWidget* page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete page;
    }
    for (const int textId : {Msg::kTabGeneral, Msg::kTabDriver, Msg::kTabSettings}) {
        m_tabs->addTab(new QWidget, StringTable::Text(textId));
    }
}

Result DetailPages::SetUpDriverColumns() {
    // The driver list only displays.
    m_driverList->setEnabled(false);
    SetUpColumns(
        m_driverList,
        {{Msg::kColumnFileName, 0.5}, {Msg::kColumnVersion, 0.24}, {Msg::kColumnDate, 0.24}});
    return kOk;
}

Result DetailPages::SetUpSettingsColumns() {
    m_settingsList->setShowGrid(true);
    m_settingsList->setSelectionBehavior(QAbstractItemView::SelectRows);
    SetUpColumns(m_settingsList, {{Msg::kColumnParameter, 0.6}, {Msg::kColumnValue, 0.35}});
    return kOk;
}

void DetailPages::ClearEntry() {
    m_driverList->setRowCount(0);
    m_settingsList->setRowCount(0);
    m_typeName->clear();
}

void DetailPages::ClearDeviceStatus() {
    m_deviceStatus->clear();
}

void DetailPages::Retext() {
    m_diagnose->setText(StringTable::Text(Msg::kCaptionDiagnose));
    m_statusGroup->setTitle(StringTable::Text(Msg::kCaptionDeviceStatus));
    m_driverLabel->setText(StringTable::Text(Msg::kCaptionDriverInfo));
    m_settingsLabel->setText(StringTable::Text(Msg::kCaptionSettings));
}

}  // namespace trelink
