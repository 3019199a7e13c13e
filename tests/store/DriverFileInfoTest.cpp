#include "store/DriverFileInfo.h"

#include <gtest/gtest.h>

#include "tests/store/FakeDirectories.h"

namespace trelink {
namespace {

using test::FakeDirectories;

TEST(DriverFileInfoTest, PlaceholdersAreReplacedWhereverTheyStand) {
    const FakeDirectories directories("/sys32", "/win");
    EXPECT_EQ(DriverFileInfo("%DRIVERS%\\a.sys", directories).FullPath(),
              "/win/System32/Drivers/a.sys");
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%SYS%/x:%SYS%/y:%WIN%", directories),
              "/sys32/x:/sys32/y:/win");
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%sys%/%SYS", directories), "%sys%/%SYS");
    // A directory that contains a placeholder is not expanded into itself again.
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%SYS%", FakeDirectories("/%SYS%", "")), "/%SYS%");
}

}  // namespace
}  // namespace trelink
