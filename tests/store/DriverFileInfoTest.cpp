#include "store/DriverFileInfo.h"

#include <gtest/gtest.h>

#include "services/FileDate.h"
#include "tests/common/TempDir.h"

namespace trelink {
namespace {

// Directories of a made-up system; counts how often each is asked for.
class FakeDirectories : public PlatformDirectories {
public:
    explicit FakeDirectories(std::string system = "/sys32", std::string windows = "/win")
        : m_system(std::move(system)), m_windows(std::move(windows)) {}
    std::string SystemDirectory() const override {
        ++asked;
        return m_system;
    }
    std::string InstallationDirectory() const override {
        ++asked;
        return m_windows;
    }
    std::string DriversDirectory() const override {
        ++asked;
        return m_windows + "/System32/Drivers";
    }
    mutable int asked = 0;

private:
    std::string m_system;
    std::string m_windows;
};

// The smallest file that counts as ELF: a 64-bit header without sections.
std::string EmptyElf() {
    std::string bytes(64, '\0');
    bytes.replace(0, 7,
                  "\x7f"
                  "ELF\x02\x01\x01");
    return bytes;
}

TEST(DriverFileInfoTest, PlaceholdersAreReplacedWhereverTheyStand) {
    FakeDirectories directories;
    EXPECT_EQ(DriverFileInfo("%DRIVERS%\\a.sys", directories).FullPath(),
              "/win/System32/Drivers/a.sys");
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%SYS%/x:%SYS%/y:%WIN%", directories),
              "/sys32/x:/sys32/y:/win");
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%sys%/%SYS", directories), "%sys%/%SYS");
    directories.asked = 0;
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("/opt/lib/a.so", directories), "/opt/lib/a.so");
    EXPECT_EQ(directories.asked, 0);
    // A directory that contains a placeholder is not expanded into itself again.
    EXPECT_EQ(DriverFileInfo::ExpandPlaceholders("%SYS%", FakeDirectories("/%SYS%")), "/%SYS%");
}

TEST(DriverFileInfoTest, MissingFileKeepsItsNameButHasNeitherVersionNorDate) {
    const DriverFileInfo info("%SYS%\\nowhere\\libgone.so.1.2", FakeDirectories());
    EXPECT_EQ(info.FullPath(), "/sys32/nowhere/libgone.so.1.2");
    EXPECT_EQ(info.FileName(), "libgone.so.1.2");
    EXPECT_EQ(info.Version(), "-");
    EXPECT_EQ(info.Date(), "-");
    EXPECT_EQ(DriverFileInfo("", FakeDirectories()).FileName(), "");
}

TEST(DriverFileInfoTest, ExistingFilesShowTheirCreationDayAndVersionIfAny) {
    test::TempDir dir;
    const FakeDirectories directories(dir.Path().string());
    test::WriteFile(dir.File("readme.txt"), "no version here");
    test::WriteFile(dir.File("libdrv.so.3.1"), EmptyElf());
    const std::string today = FileDate::CreationDateOf(dir.File("readme.txt"))->ToText();

    const DriverFileInfo text("%SYS%\\readme.txt", directories);
    EXPECT_EQ(text.Version(), "-");
    EXPECT_EQ(text.Date(), today);

    const DriverFileInfo library("%SYS%/libdrv.so.3.1", directories);
    EXPECT_EQ(library.FullPath(), dir.File("libdrv.so.3.1"));
    EXPECT_EQ(library.FileName(), "libdrv.so.3.1");
    EXPECT_EQ(library.Version(), "3.1.0.0");
    EXPECT_EQ(library.Date(), today);
}

}  // namespace
}  // namespace trelink
