#include "ui/SettingsPage.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>

#include "commands/EntryDetails.h"
#include "store/MessageIds.h"
#include "ui/ReportColumns.h"
#include "ui/StringTable.h"

namespace trelink {

SettingsPage::SettingsPage(QWidget* client, QWidget* tabs, const DialogUnits& units,
                           const EntryDetails& details)
    : DetailPage(client, tabs, units),
      m_details(details),
      m_label(new QLabel),
      m_list(NewReportList("settingsList")) {
    m_label->setObjectName(QStringLiteral("settingsLabel"));
    Place(m_label, QRect(287, 55, 171, 11));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    Place(m_list, QRect(286, 71, 193, 127));
    m_list->viewport()->installEventFilter(this);
    Retext();
}

void SettingsPage::SetUpColumns() {
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    SetUpReportColumns(m_list, {{Msg::kColumnParameter, 0.6}, {Msg::kColumnValue, 0.35}});
}

void SettingsPage::Fill(int hardwareNumber) {
    Clear();
    m_details.ReadSettings(hardwareNumber, m_records);
    for (const auto& record : m_records) {
        const int row = m_list->rowCount();
        m_list->insertRow(row);
        m_list->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(record->displayName)));
        // The blank stands even without a unit.
        m_list->setItem(
            row, 1,
            new QTableWidgetItem(QString::fromStdString(record->value + " " + record->unit)));
    }
}

void SettingsPage::Clear() {
    m_list->setRowCount(0);
}

void SettingsPage::Retext() {
    m_label->setText(StringTable::Text(Msg::kCaptionSettings));
}

bool SettingsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QTableWidgetItem* hit = m_list->itemAt(mouse->position().toPoint());
            const QTableWidgetItem* name = hit ? m_list->item(hit->row(), 0) : nullptr;
            emit SettingClicked(name ? name->text() : QString());
        }
    }
    return DetailPage::eventFilter(watched, event);
}

}  // namespace trelink
