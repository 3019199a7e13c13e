#pragma once

#include <QStringList>

namespace trelink {

// The order of the program's sorted lists: alphabetical without regard to case, equal texts
// kept in the order given.
QStringList SortedWithoutCase(QStringList texts);

}  // namespace trelink
