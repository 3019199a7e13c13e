#pragma once

#include "ui/DetailPage.h"

class QLabel;
class QTableWidget;

namespace trelink {

class EntryDetails;

// "Treiber": the driver files of the shown entry's type with version and date.
class DriverPage : public DetailPage {
    Q_OBJECT

public:
    DriverPage(QWidget* client, QWidget* tabs, const DialogUnits& units,
               const EntryDetails& details);

    // Columns "Dateiname", "Version", "Datum"; the list only displays and stays disabled.
    void SetUpColumns();
    // One row per driver file of the entry's type; a missing file shows "-" twice.
    void Fill(int hardwareNumber);
    void Clear();

    QTableWidget* List() const { return m_list; }

protected:
    void Retext() override;

private:
    const EntryDetails& m_details;
    QLabel* m_label;
    QTableWidget* m_list;
};

}  // namespace trelink
