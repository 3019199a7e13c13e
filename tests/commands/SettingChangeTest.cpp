#include "commands/SettingChange.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "commands/SettingEdit.h"
#include "store/ParameterDefinition.h"
#include "tests/commands/CommandFixture.h"

namespace trelink {
namespace {

using Status = SettingChangeOutcome::Status;
using test::Entry;

// A USB adapter (type 1) with every setting but "Timeout" in the second entry.
const std::string kSettings = "<DeviceNr>3</DeviceNr><Baudrate>250</Baudrate>";
const std::string kEntries = Entry("1", "1", "0", "1", kSettings + "<Timeout>15</Timeout>") +
                             Entry("1", "0", "0", "1", kSettings);

class SettingChangeTest : public test::CommandFixture {
protected:
    void SetUp() override { Open(kEntries); }
    std::string Stored(int number, const std::string& name) const {
        ConfigDocument onDisk;
        onDisk.SetConfigFile(m_path);
        return onDisk.GetHardwareValue(number, name);
    }
};

TEST_F(SettingChangeTest, TheValueIsConvertedAsTheDialogDoesAndAdjustmentsAndFailuresAreTold) {
    const struct {
        int entry;
        std::string setting, value;
        Status status;
        std::string stored;
        bool adjusted;
    } cases[] = {
        {1, "Zeitlimit", "25", Status::kWritten, "20", true},  // clamped to the maximum
        {1, "Timeout", "12 ms", Status::kWritten, "12", false},
        {1, "Timeout", "x", Status::kWritten, "10", true},  // no number reads as 0, then clamped
        {1, "Baudrate", "125 kBit/s", Status::kWritten, "125", false},
        {1, "Baudrate", "500", Status::kWritten, "500", false},
        {1, "Baudrate", "1000", Status::kNotAChoice, "250", false},  // Val4 is missing
        {1, "Comment", "x", Status::kNotEditable, "", false},
        {1, "Nope", "1", Status::kNoSuchSetting, "", false},
        {2, "Timeout", "12", Status::kNoValueElement, "15", false},
    };
    for (const auto& c : cases) {
        SetUp();
        const SettingChangeOutcome outcome =
            SettingChange(m_context, c.entry).Apply(c.setting, c.value, false);
        EXPECT_EQ(outcome.status, c.status) << c.setting << " " << c.value;
        EXPECT_EQ(outcome.storedValue, c.stored) << c.setting << " " << c.value;
        EXPECT_EQ(outcome.adjusted, c.adjusted) << c.setting << " " << c.value;
        // What the file holds is what the outcome says is stored; the entry without the
        // element shows the catalogue's text and keeps lacking it.
        if (!outcome.name.empty() && c.status != Status::kNoValueElement) {
            EXPECT_EQ(Stored(c.entry, outcome.name), c.stored) << c.setting << " " << c.value;
        }
    }
    EXPECT_EQ(Script().calls, "");

    ::chmod(m_path.c_str(), 0444);
    const SettingChangeOutcome outcome = SettingChange(m_context, 1).Apply("Timeout", "11", false);
    EXPECT_EQ(outcome.status, Status::kNotSaved);
    EXPECT_EQ(Stored(1, "Timeout"), "15");
}

TEST_F(SettingChangeTest, ADeviceNumberReachesTheAdapterBeforeItIsWritten) {
    const struct {
        Result transfer;
        bool keep;
        Status status;
        std::string onDisk;
    } cases[] = {
        {kOk, false, Status::kWritten, "44"},
        {40965, false, Status::kTransferFailed, "3"},
        {40965, true, Status::kWritten, "44"},
    };
    for (const auto& c : cases) {
        SetUp();
        Script().calls.clear();
        Script().setHardwareID = c.transfer;
        // PT_BYTE: 300 wraps to 44, and 44 is the number the adapter is given.
        const SettingChangeOutcome outcome =
            SettingChange(m_context, 2).Apply("Gerätenummer", "300", c.keep);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.transfer, c.transfer);
        EXPECT_EQ(Script().calls, "SetXMLFile(" + m_path + ") SetHardwareID(2,44,0)");
        EXPECT_EQ(Stored(2, "DeviceNr"), c.onDisk);
    }
}

// The front end asks between the transfer and its end; the driver is held until then.
TEST_F(SettingChangeTest, ATransferHoldsTheDriverUntilItEnds) {
    ParameterDefinition record("DeviceNr");
    record.value = "12 ";
    SettingEdit edit(m_context, 1);
    EXPECT_EQ(edit.TransferDeviceNumber(record), kOk);
    EXPECT_EQ(Script().calls, "SetXMLFile(" + m_path + ") SetHardwareID(1,12,0)");
    EXPECT_EQ(Script().loads - Script().unloads, 1);
    edit.EndTransfer();
    EXPECT_EQ(Script().loads, Script().unloads);
}

}  // namespace
}  // namespace trelink
