#include "ui/ValueChoiceDialog.h"

#include <QPushButton>

#include "store/MessageIds.h"
#include "store/ValueConversion.h"
#include "ui/DialogUnits.h"
#include "ui/PropertyItem.h"
#include "ui/PropertyList.h"
#include "ui/StringTable.h"

namespace trelink {
namespace {

std::unique_ptr<PropertyItem> RowFor(const ParameterDefinition& record) {
    const std::optional<EditRow> row = EditRowFor(record);
    if (!row) return nullptr;
    auto item = std::make_unique<PropertyItem>();
    item->name = QString::fromStdString(row->name);
    item->value = QString::fromStdString(row->text);
    item->kind =
        row->kind == EditRow::kChoiceList ? PropertyItem::kChoiceList : PropertyItem::kFreeText;
    item->choices = QString::fromStdString(row->choices);
    return item;
}

}  // namespace

ValueChoiceDialog::ValueChoiceDialog(ParameterDefinition& record, QWidget* parent)
    : QDialog(parent),
      m_record(record),
      m_row(RowFor(record)),
      m_list(new PropertyList(this)),
      m_standardButton(new QPushButton(this)),
      m_applyButton(new QPushButton(this)),
      m_cancelButton(new QPushButton(this)) {
    setFont(DialogUnits::DialogFont());
    const DialogUnits units(font());
    setWindowTitle(
        StringTable::Format(Msg::kEditSetting, {QString::fromStdString(record.displayName)}));
    setFixedSize(units.Size(236, 63));

    m_list->setObjectName(QStringLiteral("propertyList"));
    m_list->setGeometry(units.Rect(7, 7, 222, 23));
    if (m_row) m_list->AddRow(*m_row);

    //% "&Standard"
    m_standardButton->setText(qtTrId("valuechoice.standard"));
    m_standardButton->setGeometry(units.Rect(7, 42, 50, 14));
    m_standardButton->setAutoDefault(false);
    //% "&Übernehmen"
    m_applyButton->setText(qtTrId("valuechoice.apply"));
    m_applyButton->setGeometry(units.Rect(121, 42, 50, 14));
    m_applyButton->setDefault(true);
    m_cancelButton->setText(StringTable::Text(Msg::kButtonCancel));
    m_cancelButton->setGeometry(units.Rect(179, 42, 50, 14));
    m_cancelButton->setAutoDefault(false);

    connect(m_standardButton, &QPushButton::clicked, this, &ValueChoiceDialog::OnStandard);
    connect(m_applyButton, &QPushButton::clicked, this, &ValueChoiceDialog::OnApply);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The list refers to the row, so it goes first.
ValueChoiceDialog::~ValueChoiceDialog() {
    delete m_list;
}

void ValueChoiceDialog::OnStandard() {
    if (!m_row) return;
    m_row->value = QString::fromStdString(StandardText(m_record));
    m_list->RefreshRows();
}

void ValueChoiceDialog::OnApply() {
    if (m_row) {
        m_row->value =
            QString::fromStdString(ApplyEditedText(m_record, m_row->value.toStdString()));
    }
    accept();
}

}  // namespace trelink
