#include "ui/BuildStamp.h"

// The compiler takes these from SOURCE_DATE_EPOCH when it is set, so packages stay reproducible.
#pragma GCC diagnostic ignored "-Wdate-time"

namespace trelink {

QString BuildDate() {
    return QStringLiteral(__DATE__);
}

QString BuildTime() {
    return QStringLiteral(__TIME__);
}

}  // namespace trelink
