#include "drivers/FileStamp.h"

#include <time.h>

#include <cstdint>

namespace trelink::sim {

namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1000000000;
// Linux file systems stamp with the clock of one scheduler tick (at most 10 ms); whole-second
// stamps (FAT keeps even seconds only) come from file systems of a far coarser grain.
constexpr std::int64_t kFineGrain = kNanosecondsPerSecond / 10;
constexpr std::int64_t kCoarseGrain = 2 * kNanosecondsPerSecond;

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * kNanosecondsPerSecond + time.tv_nsec;
}

}  // namespace

std::optional<FileStamp> FileStamp::Of(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileStamp(status);
}

bool FileStamp::operator==(const FileStamp& other) const {
    const struct stat& a = m_status;
    const struct stat& b = other.m_status;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           Nanoseconds(a.st_mtim) == Nanoseconds(b.st_mtim);
}

bool FileStamp::IsSettled() const {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t grain = m_status.st_mtim.tv_nsec == 0 ? kCoarseGrain : kFineGrain;
    return Nanoseconds(m_status.st_mtim) + grain < Nanoseconds(now);
}

}  // namespace trelink::sim
