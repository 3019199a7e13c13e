#pragma once

#include "store/ParameterDefinition.h"
#include "ui/DetailPage.h"

class QLabel;
class QTableWidget;

namespace trelink {

class EntryDetails;

// "Einstellungen": the settings of the shown entry with value and unit, and the records they
// were read into, which the editing of a setting looks up by the row's display name.
class SettingsPage : public DetailPage {
    Q_OBJECT

public:
    SettingsPage(QWidget* client, QWidget* tabs, const DialogUnits& units,
                 const EntryDetails& details);

    // Columns "Parameter" and "Wert".
    void SetUpColumns();
    // Rebuilds the records and one row per setting: display name, then value, a blank and unit.
    void Fill(int hardwareNumber);
    // Empties the list; the records stay until the next fill.
    void Clear();

    const ParameterDefinitionList& Records() const { return m_records; }
    QTableWidget* List() const { return m_list; }

signals:
    // A left click on the list: the "Parameter" text of the row hit, empty beside the rows.
    void SettingClicked(const QString& displayName);

protected:
    void Retext() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const EntryDetails& m_details;
    ParameterDefinitionList m_records;
    QLabel* m_label;
    QTableWidget* m_list;
};

}  // namespace trelink
