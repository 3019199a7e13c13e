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
    // A directory that contains a placeholder is not expanded into itself again.
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%SYS%", FakeDirectories("/%SYS%", "")), "/%SYS%");
}

// The stand-in library beside the test program carries the version the build wrote into it.
TEST(DriverFileInfoTest, FilesShowTheirNameCreationDayAndVersionIfAny) {
    const test::TempDir dir;
    const std::string readme = dir.Write("readme.txt", "no version here");
    const std::string bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const FakeDirectories directories(bin, dir.Path().string());
    const auto shown = [&](const std::string& path) {
        const DriverFileInfo info(path, directories);
        return info.FileName() + " " + info.Version() + " " + info.Date();
    };
    EXPECT_EQ(shown("%WIN%\\nowhere\\libgone.so.1.2"), "libgone.so.1.2 - -");
    EXPECT_EQ(shown("%WIN%\\readme.txt"),
              "readme.txt - " + FileDate::CreationDateOf(readme)->ToText());
    EXPECT_EQ(shown("%SYS%/libMTrelinkL1.so"),
              "libMTrelinkL1.so " TRELINK_PROJECT_VERSION " " +
                  FileDate::CreationDateOf(bin + "/libMTrelinkL1.so")->ToText());
}

}  // namespace
}  // namespace trelink
