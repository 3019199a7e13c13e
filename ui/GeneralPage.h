#pragma once

#include "ui/DetailPage.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace trelink {

class EntryDetails;

// "Allgemein": the device status with its "&Diagnose" button, and above all pages the name
// of the shown entry's hardware type.
class GeneralPage : public DetailPage {
    Q_OBJECT

public:
    GeneralPage(QWidget* client, QWidget* tabs, const DialogUnits& units,
                const EntryDetails& details);

    // The type name of the entry; kNoHardware shows none.
    void Fill(int hardwareNumber);
    void ClearTypeName();
    void ClearDeviceStatus();

    QPushButton* DiagnoseButton() const { return m_diagnose; }
    QLabel* TypeName() const { return m_typeName; }
    QPlainTextEdit* DeviceStatus() const { return m_deviceStatus; }

protected:
    void Retext() override;

private:
    const EntryDetails& m_details;
    QLabel* m_iconArea;
    QLabel* m_typeName;
    QGroupBox* m_statusGroup;
    QPlainTextEdit* m_deviceStatus;
    QPushButton* m_diagnose;
};

}  // namespace trelink
