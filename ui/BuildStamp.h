#pragma once

#include <QString>

namespace trelink {

// When this program was built, in the compiler's forms: the date as the month's English
// abbreviation, the day padded with a blank to two places and the year ("Apr  9 2003"), the
// time as "16:04:19".
QString BuildDate();
QString BuildTime();

}  // namespace trelink
