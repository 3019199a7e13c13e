#include "services/FileDate.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace trelink {

namespace {
// 0001-01-01 and 9999-12-31 23:59:59 UTC; beyond them the calendar has no four-digit year.
constexpr long long kEarliestSeconds = -62135596800LL;
constexpr long long kLatestSeconds = 253402300799LL;
}  // namespace

std::optional<FileDate> FileDate::CreationDateOf(const std::string& path) {
    struct statx status {};
    if (statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &status) != 0) {
        return std::nullopt;
    }
    const bool hasBirth = (status.stx_mask & STATX_BTIME) != 0;
    return FromUnixSeconds(hasBirth ? status.stx_btime.tv_sec : status.stx_mtime.tv_sec);
}

FileDate FileDate::FromUnixSeconds(long long seconds) {
    using namespace std::chrono;
    const long long clamped = std::clamp(seconds, kEarliestSeconds, kLatestSeconds);
    const year_month_day ymd{floor<days>(sys_seconds{std::chrono::seconds{clamped}})};
    return FileDate{static_cast<int>(static_cast<unsigned>(ymd.day())),
                    static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(ymd.year())};
}

std::string FileDate::ToText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%02i.%02i.%04i", day, month, year);
    return text;
}

}  // namespace trelink
