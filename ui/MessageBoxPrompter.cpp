#include "ui/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include "store/MessageIds.h"
#include "ui/StringTable.h"

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

// The standard buttons take their captions from our catalogues, so that they follow the
// interface language rather than the system's.
void SetButtonTexts(QMessageBox& box) {
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setText(StringTable::Text(Msg::kButtonOk));
    }
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) {
        //% "&Ja"
        yes->setText(qtTrId("messagebox.yes"));
    }
    if (QAbstractButton* no = box.button(QMessageBox::No)) {
        //% "&Nein"
        no->setText(qtTrId("messagebox.no"));
    }
}

}  // namespace

void MessageBoxPrompter::ShowMessage(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), TitleFor(parent), text, QMessageBox::Ok, parent);
    SetButtonTexts(box);
    box.exec();
}

Prompter::Answer MessageBoxPrompter::AskYesNo(QWidget* parent, const QString& text, Icon icon,
                                              Answer preselected) {
    QMessageBox box(BoxIcon(icon), TitleFor(parent), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    SetButtonTexts(box);
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
