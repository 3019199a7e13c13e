#pragma once

#include <initializer_list>

class QTableWidget;

namespace trelink {

// One column of a report list: its caption's text id and its share of the list's outer width.
struct ReportColumn {
    int textId;
    double widthShare;
};

// A read-only report list without row headers, as the detail pages use them.
QTableWidget* NewReportList(const char* objectName);
// Removes every column, then inserts the given ones, each as wide as its share of the list's
// outer width, cut to whole pixels.
void SetUpReportColumns(QTableWidget* list, std::initializer_list<ReportColumn> columns);

}  // namespace trelink
