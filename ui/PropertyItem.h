#pragma once

#include <QString>

namespace trelink {

// One row of a PropertyList. The owner creates and deletes it; the list only refers to it, and
// its in-place editors write straight into value.
struct PropertyItem {
    enum Kind : int { kChoiceList = 0, kFreeText = 1 };

    QString name;
    QString value;
    int kind = kFreeText;
    // For a choice list: every entry followed by "|"; text after the last "|" is not an entry.
    QString choices;
};

}  // namespace trelink
