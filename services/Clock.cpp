#include "services/Clock.h"

namespace trelink {

std::tm Clock::LocalNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

const Clock& Clock::System() {
    static const Clock clock;
    return clock;
}

}  // namespace trelink
