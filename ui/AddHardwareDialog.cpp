#include "ui/AddHardwareDialog.h"

#include <QListWidget>
#include <QPushButton>

#include "store/MessageIds.h"
#include "ui/CaselessOrder.h"
#include "ui/DialogUnits.h"
#include "ui/StringTable.h"

namespace trelink {

AddHardwareDialog::AddHardwareDialog(const QStringList& offeredNames, QWidget* parent)
    : QDialog(parent),
      m_list(new QListWidget(this)),
      m_addButton(new QPushButton(this)),
      m_cancelButton(new QPushButton(this)) {
    setFont(DialogUnits::DialogFont());
    const DialogUnits units(font());
    //% "Hardware hinzufügen"
    setWindowTitle(qtTrId("addhardware.title"));
    setFixedSize(units.Size(316, 178));

    m_list->setObjectName(QStringLiteral("typeList"));
    m_list->setGeometry(units.Rect(7, 7, 302, 135));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->addItems(SortedWithoutCase(offeredNames));

    m_addButton->setText(StringTable::Text(Msg::kCaptionAdd));
    m_addButton->setGeometry(units.Rect(201, 157, 50, 14));
    m_addButton->setDefault(true);
    m_addButton->setEnabled(false);
    m_cancelButton->setText(StringTable::Text(Msg::kButtonCancel));
    m_cancelButton->setGeometry(units.Rect(259, 157, 50, 14));
    m_cancelButton->setAutoDefault(false);

    connect(m_list, &QListWidget::itemSelectionChanged, this,
            &AddHardwareDialog::OnSelectionChanged);
    connect(m_addButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void AddHardwareDialog::OnSelectionChanged() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) return;
    // Once a name was chosen the button stays enabled, as the chosen name stays set.
    m_addButton->setEnabled(true);
    m_chosenName = selected.first()->text();
}

}  // namespace trelink
