#pragma once

#include <ctime>

namespace trelink {

// The local wall clock, behind a seam so that a test can fix the time a diagnosis is stamped
// with. The default reads the system clock in the local time zone.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::tm LocalNow() const;

    static const Clock& System();
};

}  // namespace trelink
