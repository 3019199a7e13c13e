#pragma once

#include <QDialog>
#include <memory>

class QPushButton;

namespace trelink {

class ParameterDefinition;
class PropertyList;
struct PropertyItem;

// Edits the value of one setting as a single row of a property list. Changes nothing but the
// record it is given, and that only when confirmed; the caller writes the value afterwards.
class ValueChoiceDialog : public QDialog {
    Q_OBJECT

public:
    explicit ValueChoiceDialog(ParameterDefinition& record, QWidget* parent = nullptr);
    ~ValueChoiceDialog() override;

    // The row being edited; null for a setting that cannot be edited.
    const PropertyItem* Row() const { return m_row.get(); }

    PropertyList* List() const { return m_list; }
    QPushButton* StandardButton() const { return m_standardButton; }
    QPushButton* ApplyButton() const { return m_applyButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

private:
    void OnStandard();
    void OnApply();

    ParameterDefinition& m_record;
    std::unique_ptr<PropertyItem> m_row;
    PropertyList* m_list;
    QPushButton* m_standardButton;
    QPushButton* m_applyButton;
    QPushButton* m_cancelButton;
};

}  // namespace trelink
