#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace trelink {

// Lets the user pick one of the offered hardware type names. Knows nothing of the catalogue.
class AddHardwareDialog : public QDialog {
    Q_OBJECT

public:
    explicit AddHardwareDialog(const QStringList& offeredNames, QWidget* parent = nullptr);

    // The entry selected last; empty until one was selected.
    QString ChosenName() const { return m_chosenName; }

    QListWidget* NameList() const { return m_list; }
    QPushButton* AddButton() const { return m_addButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

private:
    void OnSelectionChanged();

    QListWidget* m_list;
    QPushButton* m_addButton;
    QPushButton* m_cancelButton;
    QString m_chosenName;
};

}  // namespace trelink
