#pragma once

#include "ui/Prompter.h"

namespace trelink {

// The prompts as the user sees them: QMessageBox, QDialog::exec and QMenu::exec.
class MessageBoxPrompter : public Prompter {
public:
    void ShowMessage(QWidget* parent, const QString& text, Icon icon) override;
    Answer AskYesNo(QWidget* parent, const QString& text, Icon icon, Answer preselected) override;
    int RunDialog(QDialog& dialog) override;
    QAction* PopUpMenu(QMenu& menu, const QPoint& screenPosition) override;
};

}  // namespace trelink
