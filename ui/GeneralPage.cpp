#include "ui/GeneralPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "commands/EntryDetails.h"
#include "store/MessageIds.h"
#include "ui/DialogUnits.h"
#include "ui/StringTable.h"

namespace trelink {

GeneralPage::GeneralPage(QWidget* client, QWidget* tabs, const DialogUnits& units,
                         const EntryDetails& details)
    : DetailPage(client, tabs, units),
      m_details(details),
      m_iconArea(new QLabel(client)),
      m_typeName(new QLabel(client)),
      m_statusGroup(new QGroupBox),
      m_deviceStatus(new QPlainTextEdit),
      m_diagnose(new QPushButton) {
    // The type name and the icon area stand above the pages, on every page alike.
    m_iconArea->setObjectName(QStringLiteral("iconArea"));
    m_iconArea->setGeometry(units.Rect(290, 30, 20, 20));
    m_typeName->setObjectName(QStringLiteral("typeName"));
    m_typeName->setGeometry(units.Rect(321, 34, 120, 14));
    m_statusGroup->setObjectName(QStringLiteral("statusGroup"));
    Place(m_statusGroup, QRect(290, 57, 187, 143));
    m_deviceStatus->setObjectName(QStringLiteral("deviceStatus"));
    m_deviceStatus->setReadOnly(true);
    Place(m_deviceStatus, QRect(299, 74, 169, 96));
    m_diagnose->setObjectName(QStringLiteral("diagnoseButton"));
    m_diagnose->setAutoDefault(false);
    Place(m_diagnose, QRect(418, 178, 50, 14));
    Retext();
}

void GeneralPage::Fill(int hardwareNumber) {
    m_typeName->setText(QString::fromStdString(m_details.TypeName(hardwareNumber)));
}

void GeneralPage::ClearTypeName() {
    m_typeName->clear();
}

void GeneralPage::ClearDeviceStatus() {
    m_deviceStatus->clear();
}

void GeneralPage::Retext() {
    m_statusGroup->setTitle(StringTable::Text(Msg::kCaptionDeviceStatus));
    m_diagnose->setText(StringTable::Text(Msg::kCaptionDiagnose));
}

}  // namespace trelink
