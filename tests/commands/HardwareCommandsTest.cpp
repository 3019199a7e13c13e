#include "commands/HardwareCommands.h"

#include <sys/stat.h>

#include <cerrno>
#include <tuple>

#include <gtest/gtest.h>

#include "commands/CommandResults.h"
#include "store/MessageIds.h"
#include "tests/commands/CommandFixture.h"

namespace trelink {
namespace {

using test::Entry;
using Call = FileSystem::Call;

constexpr const char* kUsbAdapter = "USB-Adapter";  // type 1: at most 2, not beside type 9
constexpr int kUsbType = 1;
constexpr int kSimulatorType = 9;

class HardwareCommandsTest : public test::CommandFixture {
protected:
    std::string Connection(int number, const std::string& handle) const {
        return "SetXMLFile(" + m_path + ") ConnectDiagnosis(" + std::to_string(number) +
               ",0) Disconnect(" + handle + ")";
    }

    HardwareCommands m_commands{m_context};
};

// Disconnect follows every attempt, and its own answer never becomes a code. One library and
// one save serve the whole probe; a file that cannot be saved is reported once, and every entry
// is tested all the same.
TEST_F(HardwareCommandsTest, TheProbeStoresWhatEachConnectionTestGaveWithOneSave) {
    const std::string file = "SetXMLFile(" + m_path + ")";
    const std::string probed =
        Connection(1, "7") + " " + Connection(2, "0") + " " + Connection(3, "7");
    const Result missing = kBusDriverNotLoaded;
    const struct {
        bool loaded;
        std::int32_t setXMLFile;
        int writeError;
        bool readOnly;
        std::vector<Result> stored;
        std::string calls;
        int saves;
    } cases[] = {
        {true, 0, 0, false, {kOk, 40963, kOk}, probed, 1},
        {true, 40967, 0, false, {40967, 40967, 40967}, file + " " + file + " " + file, 1},
        {false, 0, 0, false, {missing, missing, missing}, "", 1},
        // A disk that takes no more bytes, and a file that may not be written: the old codes stay.
        {true, 0, ENOSPC, false, {5, 5, 5}, probed, 1},
        {true, 0, ENOSPC, true, {5, 5, 5}, probed, 0},
    };
    for (const auto& c : cases) {
        Open(Entry("0", "0", "5", "1") + Entry("0", "0", "5", "1") + Entry("0", "0", "5", "9"));
        m_system.before = [&c](Call call) { return call == Call::Write ? c.writeError : 0; };
        if (c.readOnly) ::chmod(m_path.c_str(), 0444);
        Script() = {};
        Script().loaded = c.loaded;
        Script().setXMLFile = c.setXMLFile;
        Script().connect[2] = 40963;
        const ProbeOutcome outcome = m_commands.ProbeAllHardware();
        EXPECT_EQ(outcome.result, kOk);
        EXPECT_EQ(outcome.saveFailed, c.writeError != 0) << c.calls;
        EXPECT_EQ(Script().calls, c.calls);
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(StoredCode(n), c.stored[n - 1]) << n << c.calls;
        EXPECT_EQ(Saves(), c.saves) << c.calls;
        EXPECT_EQ(std::make_pair(Script().loads, Script().unloads), std::make_pair(1, 1));
    }
}

TEST_F(HardwareCommandsTest, TheWindowsOwnLoadNeedsAConfiguredFile) {
    Open("");
    test::WriteFile(m_settingsPath, "[Options]\nLanguage=49\n");
    EXPECT_EQ(m_commands.LoadConfiguration(), kNoConfigFileName);
    test::WriteFile(m_settingsPath, "[XMLConfig]\nConfigfilename=" + m_dir.File("none.xml"));
    EXPECT_EQ(m_commands.LoadConfiguration(), kCannotLoad);
}

TEST_F(HardwareCommandsTest, AddingWithinTheLimitAddsAndTestsEveryEntryAgain) {
    Open(Entry("1", "1", "5", "1"));
    const AddOutcome outcome = m_commands.AddHardware(kUsbAdapter);
    EXPECT_EQ(outcome.status, AddOutcome::Status::kAdded);
    EXPECT_EQ(outcome.result, kOk);
    EXPECT_EQ(Script().calls, Connection(1, "7") + " " + Connection(2, "7"));
    EXPECT_EQ(StoredCode(1), kOk);
    std::vector<HardwareRow> rows;
    ASSERT_EQ(m_commands.ListHardware(rows), kOk);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::tie(rows[1].type, rows[1].typeName, rows[1].isActive),
              std::make_tuple(kUsbType, std::string(kUsbAdapter), 0));
}

TEST_F(HardwareCommandsTest, AddingBeyondTheLimitNamesTheLimitAndTheEntriesThatUseIt) {
    Open(Entry("0", "0", "5", "9") + Entry("0", "0", "5", "1") + Entry("0", "0", "5", "1"));
    const std::string before = test::ReadFile(m_path);
    for (const AddOutcome& outcome :
         {m_commands.AddHardware(kUsbAdapter), m_commands.AddHardwareOfType(kUsbType)}) {
        EXPECT_EQ(outcome.status, AddOutcome::Status::kNoFreeSlot);
        EXPECT_EQ(outcome.maximum, 2);
        EXPECT_EQ(outcome.entriesOfType, (std::vector<int>{2, 3}));
    }
    // A type without "MaxNumHW" takes no entry at all.
    EXPECT_EQ(m_commands.AddHardwareOfType(kSimulatorType).status, AddOutcome::Status::kNoFreeSlot);
    EXPECT_EQ(test::ReadFile(m_path), before);
    EXPECT_EQ(Script().loads, 0);
}

TEST_F(HardwareCommandsTest, AnIncompatibleActiveTypeBlocksActivatingAndIsNamed) {
    Open(Entry("1", "1", "0", "9") + Entry("0", "0", "0", "1"));
    const std::string before = test::ReadFile(m_path);
    const ActivateOutcome refused = m_commands.Activate(2);
    EXPECT_EQ(refused.status, ActivateOutcome::Status::kIncompatible);
    EXPECT_EQ(refused.blockingEntries, std::vector<int>{1});
    EXPECT_EQ(test::ReadFile(m_path), before);
    EXPECT_EQ(Script().loads, 0);
}

TEST_F(HardwareCommandsTest, ActivatingWritesTheStateThenLetsTheDriverSaveItsOwnForm) {
    Open(Entry("0", "1", "40963", "1"));
    EXPECT_EQ(m_commands.Activate(1).status, ActivateOutcome::Status::kActivated);
    int isActive = 0, isDefault = 1, code = 0;
    m_document.GetHardwareState(1, isActive, isDefault, code);
    EXPECT_EQ(std::make_tuple(isActive, isDefault, code), std::make_tuple(1, 0, 40963));
    EXPECT_EQ(Script().calls, "SetXMLFile(" + m_path + ") SaveProprietaryConfiguration");
    EXPECT_EQ(Script().loads, Script().unloads);
}

TEST_F(HardwareCommandsTest, LeavingHoldsTheDriverUntilTheQuestionIsAnswered) {
    Open(Entry("0", "0", "0", "1"));
    {
        const Leaving leaving = m_commands.BeginLeave(true);
        EXPECT_EQ(leaving.Findings(),
                  (CheckFindingList{{Msg::kNothingActive, {}}, {Msg::kNoSingleDefault, {}}}));
        EXPECT_EQ(Script().calls, "SetXMLFile(" + m_path + ") SaveProprietaryConfiguration");
        EXPECT_EQ(Script().loads - Script().unloads, 1);
    }
    EXPECT_EQ(Script().loads, Script().unloads);
    Script() = {};
    m_commands.BeginLeave(false);
    EXPECT_EQ(Script().loads, 0);
}

}  // namespace
}  // namespace trelink
