#include "commands/HardwareCommands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include "commands/CommandResults.h"

#include <cerrno>

#include "services/FileSystem.h"
#include "store/MessageIds.h"
#include "tests/commands/CommandFixture.h"

namespace trelink {
namespace {

using test::Entry;

constexpr const char* kUsbAdapter = "USB-Adapter";  // type 1: at most 2, not beside type 9
constexpr int kUsbType = 1;
constexpr int kSimulatorType = 9;

class HardwareCommandsTest : public test::CommandFixture {
protected:
    // Three inactive entries: two USB adapters and a simulator.
    void OpenThree() {
        Open(Entry("0", "0", "5", "1") + Entry("0", "0", "5", "1") + Entry("0", "0", "5", "9"));
    }

    std::string Connection(int number, const std::string& handle) const {
        return "SetXMLFile(" + m_path + ") ConnectDiagnosis(" + std::to_string(number) +
               ",0) Disconnect(" + handle + ")";
    }

    HardwareCommands m_commands{m_context};
};

TEST_F(HardwareCommandsTest, TheProbeStoresWhatEachConnectionTestGave) {
    OpenThree();
    Script().connect[2] = 40963;
    const ProbeOutcome outcome = m_commands.ProbeAllHardware();
    EXPECT_EQ(outcome.result, kOk);
    EXPECT_FALSE(outcome.saveFailed);
    // Disconnect follows every attempt, and its own answer never becomes a code.
    EXPECT_EQ(Script().Calls(),
              Connection(1, "7") + " " + Connection(2, "0") + " " + Connection(3, "7"));
    EXPECT_EQ(StoredCode(1), kOk);
    EXPECT_EQ(StoredCode(2), 40963);
    EXPECT_EQ(StoredCode(3), kOk);
    // One library for the whole probe.
    EXPECT_EQ(Script().loads, 1);
    EXPECT_EQ(Script().unloads, 1);
}

TEST_F(HardwareCommandsTest, TheProbeStoresARefusedFileOrAMissingLibraryWithoutConnecting) {
    const struct {
        bool loaded;
        std::int32_t setXMLFile;
        Result stored;
        std::string calls;
    } cases[] = {
        {true, 40967, 40967, "SetXMLFile(@) SetXMLFile(@) SetXMLFile(@)"},
        {false, 0, kBusDriverNotLoaded, ""},
    };
    for (const auto& c : cases) {
        OpenThree();
        Script() = {};
        Script().loaded = c.loaded;
        Script().setXMLFile = c.setXMLFile;
        m_commands.ProbeAllHardware();
        std::string calls = c.calls;
        for (std::size_t at = calls.find('@'); at != std::string::npos; at = calls.find('@'))
            calls.replace(at, 1, m_path);
        EXPECT_EQ(Script().Calls(), calls);
        for (int number = 1; number <= 3; ++number) EXPECT_EQ(StoredCode(number), c.stored);
    }
}

TEST_F(HardwareCommandsTest, TheProbeSavesOnceAndReportsAFileThatCannotBeSavedOnce) {
    // A disk that takes no more bytes, and a file that may not be written.
    struct FullDisk : test::SteeredFileSystem {
        FullDisk() {
            before = [](Call call) { return call == Call::Write ? ENOSPC : 0; };
        }
    };
    for (const bool readOnly : {false, true}) {
        OpenThree();
        const std::string before = FileBytes();
        FullDisk fullDisk;
        m_document.SetFileSystem(&fullDisk);
        if (readOnly) ::chmod(m_path.c_str(), 0444);
        Script() = {};
        Script().connect = {{1, 11}, {2, 22}, {3, 33}};
        const ProbeOutcome outcome = m_commands.ProbeAllHardware();
        EXPECT_TRUE(outcome.saveFailed);
        EXPECT_EQ(outcome.result, kOk);
        // Every entry is tested all the same.
        EXPECT_EQ(Script().Calls(),
                  Connection(1, "0") + " " + Connection(2, "0") + " " + Connection(3, "0"));
        EXPECT_EQ(FileBytes(), before);
        EXPECT_EQ(fullDisk.saves, readOnly ? 0 : 1);
        m_document.SetFileSystem(nullptr);
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
    EXPECT_EQ(Script().Calls(), Connection(1, "7") + " " + Connection(2, "7"));
    EXPECT_EQ(StoredCode(1), kOk);
    std::vector<HardwareRow> rows;
    ASSERT_EQ(m_commands.ListHardware(rows), kOk);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].type, kUsbType);
    EXPECT_EQ(rows[1].typeName, kUsbAdapter);
    EXPECT_EQ(rows[1].isActive, 0);
}

TEST_F(HardwareCommandsTest, AddingBeyondTheLimitNamesTheLimitAndTheEntriesThatUseIt) {
    Open(Entry("0", "0", "5", "9") + Entry("0", "0", "5", "1") + Entry("0", "0", "5", "1"));
    const std::string before = FileBytes();
    for (const AddOutcome& outcome :
         {m_commands.AddHardware(kUsbAdapter), m_commands.AddHardwareOfType(kUsbType)}) {
        EXPECT_EQ(outcome.status, AddOutcome::Status::kNoFreeSlot);
        EXPECT_EQ(outcome.maximum, 2);
        EXPECT_EQ(outcome.entriesOfType, (std::vector<int>{2, 3}));
    }
    // A type without "MaxNumHW" takes no entry at all.
    EXPECT_EQ(m_commands.AddHardwareOfType(kSimulatorType).status, AddOutcome::Status::kNoFreeSlot);
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(Script().loads, 0);
}

TEST_F(HardwareCommandsTest, AnIncompatibleActiveTypeBlocksActivatingAndIsNamed) {
    Open(Entry("1", "1", "0", "9") + Entry("0", "0", "0", "1"));
    const std::string before = FileBytes();
    const ActivateOutcome refused = m_commands.Activate(2);
    EXPECT_EQ(refused.status, ActivateOutcome::Status::kIncompatible);
    EXPECT_EQ(refused.blockingEntries, std::vector<int>{1});
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(Script().loads, 0);

    // Only the list of the type being activated counts: type 9 lists nothing.
    ASSERT_EQ(m_commands.Deactivate(1).result, kOk);
    ASSERT_EQ(m_commands.Activate(2).status, ActivateOutcome::Status::kActivated);
    EXPECT_EQ(m_commands.Activate(1).status, ActivateOutcome::Status::kActivated);
}

TEST_F(HardwareCommandsTest, ActivatingWritesTheStateThenLetsTheDriverSaveItsOwnForm) {
    Open(Entry("0", "1", "40963", "1"));
    EXPECT_EQ(m_commands.Activate(1).status, ActivateOutcome::Status::kActivated);
    int isActive = 0, isDefault = 0, code = 0;
    m_document.GetHardwareState(1, isActive, isDefault, code);
    EXPECT_EQ(isActive, 1);
    EXPECT_EQ(isDefault, 0);
    EXPECT_EQ(code, 40963);
    EXPECT_EQ(Script().Calls(), "SetXMLFile(" + m_path + ") SaveProprietaryConfiguration");
    EXPECT_EQ(Script().loads, Script().unloads);
}

TEST_F(HardwareCommandsTest, LeavingHoldsTheDriverUntilTheQuestionIsAnswered) {
    Open(Entry("0", "0", "0", "1"));
    {
        const Leaving leaving = m_commands.BeginLeave(true);
        EXPECT_EQ(leaving.Findings(),
                  (CheckFindingList{{Msg::kNothingActive, {}}, {Msg::kNoSingleDefault, {}}}));
        EXPECT_EQ(Script().Calls(), "SetXMLFile(" + m_path + ") SaveProprietaryConfiguration");
        EXPECT_EQ(Script().loads - Script().unloads, 1);
    }
    EXPECT_EQ(Script().loads, Script().unloads);
    Script() = {};
    m_commands.BeginLeave(false);
    EXPECT_EQ(Script().loads, 0);
}

}  // namespace
}  // namespace trelink
