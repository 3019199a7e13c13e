#include "store/DriverFileInfo.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "services/FileDate.h"
#include "tests/common/TempDir.h"
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
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("/opt/lib/a.so", directories), "/opt/lib/a.so");
    // A directory that contains a placeholder is not expanded into itself again.
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%SYS%", FakeDirectories("/%SYS%", "")), "/%SYS%");
}

TEST(DriverFileInfoTest, MissingFileKeepsItsNameButHasNeitherVersionNorDate) {
    const DriverFileInfo info("%SYS%\\nowhere\\libgone.so.1.2", FakeDirectories("/sys32", "/win"));
    EXPECT_EQ(info.FullPath(), "/sys32/nowhere/libgone.so.1.2");
    EXPECT_EQ(info.FileName(), "libgone.so.1.2");
    EXPECT_EQ(info.Version(), "-");
    EXPECT_EQ(info.Date(), "-");
}

// The stand-in library beside the test program carries the version the build wrote into it.
TEST(DriverFileInfoTest, ExistingFilesShowTheirCreationDayAndVersionIfAny) {
    const test::TempDir dir;
    const std::string readme = dir.Write("readme.txt", "no version here");
    const std::string bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const FakeDirectories directories(bin, dir.Path().string());

    const DriverFileInfo text("%WIN%\\readme.txt", directories);
    EXPECT_EQ(text.Version(), "-");
    EXPECT_EQ(text.Date(), FileDate::CreationDateOf(readme)->ToText());

    const DriverFileInfo library("%SYS%/libMTrelinkL1.so", directories);
    EXPECT_EQ(library.FileName(), "libMTrelinkL1.so");
    EXPECT_EQ(library.Version(), TRELINK_PROJECT_VERSION);
    EXPECT_EQ(library.Date(), FileDate::CreationDateOf(bin + "/libMTrelinkL1.so")->ToText());
}

}  // namespace
}  // namespace trelink
