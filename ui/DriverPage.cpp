#include "ui/DriverPage.h"

#include <QLabel>
#include <QTableWidget>

#include "commands/EntryDetails.h"
#include "store/MessageIds.h"
#include "ui/ReportColumns.h"
#include "ui/StringTable.h"

namespace trelink {

namespace {

QTableWidgetItem* Cell(const std::string& text) {
    return new QTableWidgetItem(QString::fromStdString(text));
}

}  // namespace

DriverPage::DriverPage(QWidget* client, QWidget* tabs, const DialogUnits& units,
                       const EntryDetails& details)
    : DetailPage(client, tabs, units),
      m_details(details),
      m_label(new QLabel),
      m_list(NewReportList("driverList")) {
    m_label->setObjectName(QStringLiteral("driverLabel"));
    Place(m_label, QRect(288, 55, 171, 11));
    m_list->setShowGrid(false);
    Place(m_list, QRect(287, 72, 193, 127));
    Retext();
}

void DriverPage::SetUpColumns() {
    m_list->setEnabled(false);
    SetUpReportColumns(
        m_list,
        {{Msg::kColumnFileName, 0.5}, {Msg::kColumnVersion, 0.24}, {Msg::kColumnDate, 0.24}});
}

void DriverPage::Fill(int hardwareNumber) {
    Clear();
    for (const DriverFileInfo& file : m_details.DriverFiles(hardwareNumber)) {
        const int row = m_list->rowCount();
        m_list->insertRow(row);
        m_list->setItem(row, 0, Cell(file.FileName()));
        m_list->setItem(row, 1, Cell(file.Version()));
        m_list->setItem(row, 2, Cell(file.Date()));
    }
}

void DriverPage::Clear() {
    m_list->setRowCount(0);
}

void DriverPage::Retext() {
    m_label->setText(StringTable::Text(Msg::kCaptionDriverInfo));
}

}  // namespace trelink
