#include "ui/CaselessOrder.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace trelink {

QStringList SortedWithoutCase(QStringList texts) {
    // German rules put umlauts beside their base letters, whatever the system's locale is.
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texts.begin(), texts.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    return texts;
}

}  // namespace trelink
