#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace trelink {

// Shows the findings of the configuration check, one per line, sorted; changes nothing.
class ErrorListDialog : public QDialog {
    Q_OBJECT

public:
    explicit ErrorListDialog(const QStringList& findings, QWidget* parent = nullptr);

    QListWidget* FindingList() const { return m_list; }
    QPushButton* OkButton() const { return m_okButton; }

private:
    QListWidget* m_list;
    QPushButton* m_okButton;
};

}  // namespace trelink
