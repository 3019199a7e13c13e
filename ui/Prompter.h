#pragma once

#include <QString>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

namespace trelink {

// Every question the program puts to the user goes through here: message boxes, modal dialogs
// and pop-up menus. The program runs on the message-box implementation; tests answer instead.
class Prompter {
public:
    enum class Icon { None, Stop, Information, Question };
    enum class Answer { Ok, Yes, No };

    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text, Icon icon) = 0;
    // A question with Yes and No; preselected is the default button.
    virtual Answer AskYesNo(QWidget* parent, const QString& text, Icon icon,
                            Answer preselected) = 0;
    // Runs the dialog modally and gives its result (QDialog::Accepted or Rejected).
    virtual int RunDialog(QDialog& dialog) = 0;
    // Shows the menu at a screen position; the chosen entry, or null when none was chosen.
    virtual QAction* PopUpMenu(QMenu& menu, const QPoint& screenPosition) = 0;
};

}  // namespace trelink
