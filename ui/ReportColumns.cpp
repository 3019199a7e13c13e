#include "ui/ReportColumns.h"

#include <QHeaderView>
#include <QTableWidget>

#include "ui/StringTable.h"

namespace trelink {

QTableWidget* NewReportList(const char* objectName) {
    auto* list = new QTableWidget;
    list->setObjectName(QString::fromLatin1(objectName));
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    return list;
}

void SetUpReportColumns(QTableWidget* list, std::initializer_list<ReportColumn> columns) {
    list->setColumnCount(0);
    list->setColumnCount(static_cast<int>(columns.size()));
    const int outerWidth = list->width();
    int column = 0;
    for (const ReportColumn& spec : columns) {
        list->setHorizontalHeaderItem(column, new QTableWidgetItem(StringTable::Text(spec.textId)));
        list->setColumnWidth(column, static_cast<int>(outerWidth * spec.widthShare));
        ++column;
    }
}

}  // namespace trelink
