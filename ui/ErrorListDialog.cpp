#include "ui/ErrorListDialog.h"

#include <QListWidget>
#include <QPushButton>

#include "store/MessageIds.h"
#include "ui/CaselessOrder.h"
#include "ui/DialogUnits.h"
#include "ui/StringTable.h"

namespace trelink {

ErrorListDialog::ErrorListDialog(const QStringList& findings, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_list(new QListWidget(this)), m_okButton(new QPushButton(this)) {
    setFont(DialogUnits::DialogFont());
    const DialogUnits units(font());
    //% "Fehlerliste"
    setWindowTitle(qtTrId("errorlist.title"));
    setFixedSize(units.Size(440, 149));

    m_list->setObjectName(QStringLiteral("findingList"));
    m_list->setGeometry(units.Rect(7, 7, 426, 108));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    // A long finding is cut at the right edge rather than scrolled to.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->addItems(SortedWithoutCase(findings));
    for (int row = 0; row < m_list->count(); ++row) {
        m_list->item(row)->setFlags(Qt::ItemIsEnabled);
    }

    m_okButton->setText(StringTable::Text(Msg::kButtonOk));
    m_okButton->setGeometry(units.Rect(383, 128, 50, 14));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace trelink
