#include "commands/ConfigChange.h"

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/commands/CommandFixture.h"
#include "tests/common/LockHolder.h"

namespace trelink {
namespace {

using namespace std::chrono_literals;
using State = ConfigChange::State;

class ConfigChangeTest : public test::CommandFixture {
protected:
    void SetUp() override { Open(test::Entry("1", "1", "0", "1")); }
    int IsActive() const { return m_document.IsHardwareActive(1); }
};

TEST_F(ConfigChangeTest, AFileChangedElsewhereIsLoadedAgainAndStopsTheChange) {
    // The document's own saves are no change from elsewhere.
    ASSERT_EQ(m_document.SetHardwareState(1, 0, 0, 0), kOk);
    EXPECT_EQ(ConfigChange(m_document).GetState(), State::kReady);

    ConfigDocument other;
    ASSERT_EQ(other.SetConfigFile(m_path), kOk);
    ASSERT_EQ(other.SetHardwareState(1, 1, 0, 0), kOk);
    EXPECT_EQ(IsActive(), 0);
    EXPECT_EQ(ConfigChange(m_document).GetState(), State::kReloaded);
    EXPECT_EQ(IsActive(), 1);
    EXPECT_EQ(ConfigChange(m_document).GetState(), State::kReady);

    test::WriteFile(m_path, "<broken");
    EXPECT_EQ(ConfigChange(m_document).GetState(), State::kUnreadable);
    EXPECT_EQ(IsActive(), 1);
    // A file that is gone is written again by the next save, as before.
    std::filesystem::remove(m_path);
    EXPECT_EQ(ConfigChange(m_document).GetState(), State::kReady);
}

TEST_F(ConfigChangeTest, AChangeWaitsForTheLockAnotherProgramHoldsAndGivesUp) {
    const test::LockHolder other(m_path, 300ms);
    ASSERT_TRUE(other.Held());
    EXPECT_EQ(ConfigChange(m_document, 0ms).GetState(), State::kBusy);
    EXPECT_EQ(ConfigChange(m_document, 10s).GetState(), State::kReady);
}

}  // namespace
}  // namespace trelink
