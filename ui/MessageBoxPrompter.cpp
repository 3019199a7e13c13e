#include "ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>

namespace trelink {
namespace {

QMessageBox::Icon BoxIcon(Prompter::Icon icon) {
    switch (icon) {
        case Prompter::Icon::Stop:
            return QMessageBox::Critical;
        case Prompter::Icon::Information:
            return QMessageBox::Information;
        case Prompter::Icon::Question:
            return QMessageBox::Question;
        case Prompter::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Message boxes carry the title of the window they belong to, else the program's name.
QString TitleFor(QWidget* parent) {
    if (parent && !parent->window()->windowTitle().isEmpty()) {
        return parent->window()->windowTitle();
    }
    return QApplication::applicationDisplayName();
}

}  // namespace

void MessageBoxPrompter::ShowMessage(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), TitleFor(parent), text, QMessageBox::Ok, parent);
    box.exec();
}

Prompter::Answer MessageBoxPrompter::AskYesNo(QWidget* parent, const QString& text, Icon icon,
                                              Answer preselected) {
    QMessageBox box(BoxIcon(icon), TitleFor(parent), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(preselected == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int MessageBoxPrompter::RunDialog(QDialog& dialog) {
    return dialog.exec();
}

QAction* MessageBoxPrompter::PopUpMenu(QMenu& menu, const QPoint& screenPosition) {
    return menu.exec(screenPosition);
}

}  // namespace trelink
