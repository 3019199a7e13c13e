#include "services/ConfigFileLock.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

// Another process that takes the lock of path and holds it until told to let go through
// the pipe, or for holdFor when that is given.
class LockHolder {
public:
    explicit LockHolder(const std::string& path, std::chrono::milliseconds holdFor = 0ms) {
        int taken[2], release[2];
        if (::pipe(taken) != 0 || ::pipe(release) != 0) throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(release[1]);
            const ConfigFileLock lock(path, 0ms);
            char byte = lock.IsHeld() ? 'y' : 'n';
            if (::write(taken[1], &byte, 1) != 1) ::_exit(1);
            if (holdFor > 0ms) {
                std::this_thread::sleep_for(holdFor);
            } else if (::read(release[0], &byte, 1) != 1) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        char byte = 'n';
        m_held = ::read(taken[0], &byte, 1) == 1 && byte == 'y';
        m_release = release[1];
        ::close(taken[0]);
        ::close(taken[1]);
        ::close(release[0]);
    }
    ~LockHolder() {
        ::close(m_release);  // an end of the pipe without a byte lets the holder go too
        ::waitpid(m_pid, nullptr, 0);
    }
    bool Held() const { return m_held; }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_held = false;
};

TEST(ConfigFileLockTest, EveryNameOfTheFileMeetsTheLockAnotherProcessHolds) {
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
}

TEST(ConfigFileLockTest, AWaitingLockIsTakenOnceTheHolderLetsGo) {
    const TempDir dir;
    const std::string file = dir.File("trelinkconfig.xml");
    const LockHolder other(file, 100ms);
    ASSERT_TRUE(other.Held());
    const ConfigFileLock lock(file, 10s);
    EXPECT_TRUE(lock.IsHeld());
    // While this one holds it, the next one must wait.
    EXPECT_EQ(LockHolder(file).Held(), false);
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

TEST(ConfigFileLockTest, AFolderThatCannotBeOpenedIsReportedWithTheReason) {
    const TempDir dir;
    const ConfigFileLock lock(dir.File("missing/trelinkconfig.xml"), 0ms);
    EXPECT_EQ(lock.GetStatus(), ConfigFileLock::Status::kFolderUnavailable);
    EXPECT_EQ(lock.ErrorNumber(), ENOENT);
    EXPECT_EQ(lock.Folder(), dir.File("missing"));
}

}  // namespace
}  // namespace trelink
