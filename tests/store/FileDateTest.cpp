#include "services/FileDate.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <ctime>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

constexpr long long kFifthOfMarch2002 = 1015286400;  // 00:00:00 UTC

// Asked in a zone fourteen hours ahead, where the last second of the day is the next day.
TEST(FileDateTest, UnixSecondsBecomeTheUtcCalendarDay) {
    ::setenv("TZ", "XST-14", 1);
    ::tzset();
    EXPECT_EQ(FileDate::FromUnixSeconds(kFifthOfMarch2002).ToText(), "05.03.2002");
    EXPECT_EQ(FileDate::FromUnixSeconds(kFifthOfMarch2002 + 86399).ToText(), "05.03.2002");
    EXPECT_EQ(FileDate::FromUnixSeconds(kFifthOfMarch2002 - 1).ToText(), "04.03.2002");
    EXPECT_EQ(FileDate::FromUnixSeconds(-3600).ToText(), "31.12.1969");
    EXPECT_EQ(FileDate::FromUnixSeconds(951782400).ToText(), "29.02.2000");
    // Times no calendar of four-digit years holds stay within it.
    EXPECT_EQ(FileDate::FromUnixSeconds(LLONG_MAX).ToText(), "31.12.9999");
    EXPECT_EQ(FileDate::FromUnixSeconds(LLONG_MIN).ToText(), "01.01.0001");
    ::unsetenv("TZ");
    ::tzset();
}

TEST(FileDateTest, BirthTimeWinsOverAnOlderModificationTime) {
    const test::TempDir dir;
    const std::string path = dir.Write("driver.so", "x");
    const struct timespec times[2] = {{kFifthOfMarch2002, 0}, {kFifthOfMarch2002, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);

    struct statx status {};
    ASSERT_EQ(statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &status), 0);
    if ((status.stx_mask & STATX_BTIME) == 0) {
        EXPECT_EQ(FileDate::CreationDateOf(path)->ToText(), "05.03.2002");
        GTEST_SKIP() << "this file system records no birth time";
    }
    const std::string born = FileDate::FromUnixSeconds(status.stx_btime.tv_sec).ToText();
    ASSERT_NE(born, "05.03.2002");
    EXPECT_EQ(FileDate::CreationDateOf(path)->ToText(), born);
}

}  // namespace
}  // namespace trelink
