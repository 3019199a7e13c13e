#include "services/ConfigFileLock.h"

#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/common/LockHolder.h"
#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using namespace std::chrono_literals;
using test::LockHolder;
using test::TempDir;

TEST(ConfigFileLockTest, EveryNameOfTheFileMeetsTheLockOfAnotherProcessAndAMissingFolderIsTold) {
    const TempDir dir;
    std::filesystem::create_directory(dir.Path() / "elsewhere");
    const std::string file = dir.Write("trelinkconfig.xml", "<a/>");
    const std::string link = (dir.Path() / "elsewhere" / "link.xml").string();
    std::filesystem::create_symlink(file, link);
    const std::string missing = dir.File("not-yet-saved.xml");

    {
        const LockHolder other(file);
        ASSERT_TRUE(other.Held());
        for (const std::string& name : {file, link, missing}) {
            const ConfigFileLock lock(name, 30ms);
            EXPECT_EQ(lock.GetStatus(), ConfigFileLock::Status::kTimedOut) << name;
            EXPECT_EQ(lock.Folder(), dir.Path().string()) << name;
        }
    }
    // The holder has ended, and with it its lock.
    EXPECT_TRUE(ConfigFileLock(link, 0ms).IsHeld());

    const ConfigFileLock unavailable(dir.File("missing/trelinkconfig.xml"), 0ms);
    EXPECT_EQ(unavailable.GetStatus(), ConfigFileLock::Status::kFolderUnavailable);
    EXPECT_EQ(unavailable.ErrorNumber(), ENOENT);
    EXPECT_EQ(unavailable.Folder(), dir.File("missing"));
}

TEST(ConfigFileLockTest, WithinOneProcessTheLockNestsUntilItsLastHolderGoes) {
    const TempDir dir;
    const std::string file = dir.File("trelinkconfig.xml");
    {
        auto outer = std::make_unique<ConfigFileLock>(file, 0ms);
        ASSERT_TRUE(outer->IsHeld());
        const ConfigFileLock inner(dir.File("other.xml"), 0ms);
        EXPECT_TRUE(inner.IsHeld());
        outer.reset();
        EXPECT_FALSE(LockHolder(file).Held());
    }
    EXPECT_TRUE(LockHolder(file).Held());
}

}  // namespace
}  // namespace trelink
