#include "store/ConfigChecker.h"

#include <gtest/gtest.h>

#include "store/ConfigDocument.h"
#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using test::TempDir;

std::string Entry(const std::string& active, const std::string& isDefault, const std::string& type,
                  const std::string& values = "") {
    return "<Hardware><IsActive>" + active + "</IsActive><IsDefault>" + isDefault +
           "</IsDefault><ErrorCode>0</ErrorCode><HWType>" + type + "</HWType>" + values +
           "</Hardware>";
}

std::string Device(const std::string& value) {
    return "<DeviceNr>" + value + "</DeviceNr>";
}

CheckFinding NotUnique(const std::string& first, const std::string& later,
                       const std::string& setting, const std::string& value) {
    return {CheckFinding::kValueNotUnique, {first, later, setting, value}};
}

const CheckFinding kNoActive{CheckFinding::kNoActiveHardware, {}};
const CheckFinding kNoDefault{CheckFinding::kNoDefaultHardware, {}};

// The test catalogue with the given entries in its "configuration".
class ConfigCheckerTest : public ::testing::Test {
protected:
    void Open(const std::string& entries, int language = 49) {
        std::string xml =
            test::ReadFile(std::string(TRELINK_TEST_DATA) + "/catalogue/catalogue.xml");
        const std::string empty = "<configuration></configuration>";
        xml.replace(xml.find(empty), empty.size(),
                    "<configuration>" + entries + "</configuration>");
        test::WriteFile(m_path, xml);
        ASSERT_EQ(m_document.SetConfigFile(m_path), kOk);
        m_document.SetLanguage(language);
    }
    CheckFindingList Check() {
        CheckFindingList findings;
        EXPECT_EQ(m_checker.CheckConfiguration(findings), kOk);
        return findings;
    }
    int FreeSlots(const std::string& name) {
        int free = 99;
        EXPECT_EQ(m_checker.GetFreeSlots(name, free), kOk);
        return free;
    }
    int Permission(const std::string& name) {
        int permission = 99;
        EXPECT_EQ(m_checker.CanActivate(name, permission), kOk);
        return permission;
    }

    TempDir m_dir;
    std::string m_path = m_dir.File("trelinkconfig.xml");
    ConfigDocument m_document;
    ConfigChecker m_checker{m_document};
};

TEST_F(ConfigCheckerTest, FreeSlotsAreTheMaximumLessTheEntriesOfTheTypeAndMayGoNegative) {
    Open(Entry("0", "0", "3"));
    EXPECT_EQ(FreeSlots("USB-Adapter"), 2);
    EXPECT_EQ(FreeSlots("PCI-Karte"), 4);  // "MaxNumHW" of Type7, not Type07
    EXPECT_EQ(FreeSlots("Simulator"), 0);  // no "MaxNumHW" at all
    Open(Entry("0", "0", "1") + Entry("0", "0", "3") + Entry("0", "0", "257"));
    EXPECT_EQ(FreeSlots("USB-Adapter"), 0);
    Open(Entry("0", "0", "1") + Entry("0", "0", "1") + Entry("0", "0", "1"));
    EXPECT_EQ(FreeSlots("USB-Adapter"), -1);
    // A "MaxNumHW" in the first entry stands for every type.
    Open(Entry("0", "0", "1", "<MaxNumHW>5</MaxNumHW>"));
    EXPECT_EQ(FreeSlots("USB-Adapter"), 4);
    EXPECT_EQ(FreeSlots("Simulator"), 5);

    int free = 99;
    EXPECT_EQ(m_checker.GetFreeSlots("USB adapter", free), kUnknownTypeName);
    EXPECT_EQ(free, 0);
}

TEST_F(ConfigCheckerTest, OnlyTheListOfTheTypeBeingActivatedCounts) {
    // Type5 ("Doppelt") lists 3 and "07"; Type3 lists nothing.
    Open(Entry("1", "0", "3"));
    EXPECT_EQ(Permission("Doppelt"), 0);
    Open(Entry("1", "0", "5"), 44);
    EXPECT_EQ(Permission("Serial adapter"), 1);
    // Textual comparison: "07" never matches type 7; "IsActive" 2 is not active.
    Open(Entry("1", "0", "7") + Entry("2", "0", "3"));
    EXPECT_EQ(Permission("Doppelt"), 1);
    // Type1 lists 9, Type9 lists nothing.
    Open(Entry("1", "0", "9") + Entry("0", "0", "1"));
    EXPECT_EQ(Permission("USB-Adapter"), 0);
    Open(Entry("1", "0", "1"));
    EXPECT_EQ(Permission("Simulator"), 1);

    int permission = 99;
    EXPECT_EQ(m_checker.CanActivate("Unbekannt", permission), kUnknownTypeName);
    EXPECT_EQ(permission, 0);
}

TEST_F(ConfigCheckerTest, ActiveMeansExactlyOneButDefaultMeansAnythingButZero) {
    Open(Entry("2", "2", "1") + Entry(" 1x", "-1", "3") + Entry("a1", "0", "9"));
    int count = -1;
    EXPECT_EQ(m_checker.CountActiveHardware(count), kOk);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(m_checker.CountDefaultHardware(count), kOk);
    EXPECT_EQ(count, 2);
}

TEST_F(ConfigCheckerTest, ActiveAndDefaultFindingsComeInTheirOrder) {
    Open("");
    EXPECT_EQ(Check(), (CheckFindingList{kNoActive, kNoDefault}));
    Open(Entry("1", "0", "1") + Entry("1", "0", "3"));
    EXPECT_EQ(Check(), (CheckFindingList{kNoDefault}));
    Open(Entry("1", "1", "1") + Entry("1", "1", "3"));
    EXPECT_EQ(Check(), (CheckFindingList{kNoDefault}));
    Open(Entry("2", "2", "1"));
    EXPECT_EQ(Check(), (CheckFindingList{kNoActive}));
    Open(Entry("0", "1", "1") + Entry("1", "0", "3"));
    EXPECT_EQ(Check(), (CheckFindingList{}));
}

TEST_F(ConfigCheckerTest, EveryPairOfEqualUniqueValuesOfOneTypeIsReportedLowerNumberFirst) {
    Open(Entry("0", "0", "1", Device("5")) + Entry("0", "0", "1", Device("5")), 0);
    EXPECT_EQ(Check(),
              (CheckFindingList{NotUnique("1", "2", "DeviceNr", "5"), kNoActive, kNoDefault}));

    Open(Entry("1", "1", "1", Device("4")) + Entry("0", "0", "1", Device("4")) +
         Entry("0", "0", "9", Device("4")) + Entry("0", "0", "1", Device("4")));
    EXPECT_EQ(Check(), (CheckFindingList{NotUnique("1", "2", "Gerätenummer", "4"),
                                         NotUnique("1", "4", "Gerätenummer", "4"),
                                         NotUnique("2", "4", "Gerätenummer", "4")}));
}

TEST_F(ConfigCheckerTest, ValuesAreComparedWholeAndByteForByte) {
    const std::string valid = Entry("1", "1", "3");
    Open(valid + Entry("0", "0", "1", Device("5")) + Entry("0", "0", "1", Device("5 ")) +
         Entry("0", "0", "1", Device("x;2")) + Entry("0", "0", "1", Device("x")) +
         Entry("0", "0", "1", Device("a;1")) + Entry("0", "0", "1", Device("a;1")) +
         Entry("0", "0", "1", Device("A;1")));
    EXPECT_EQ(Check(), (CheckFindingList{NotUnique("6", "7", "Gerätenummer", "a;1")}));
    // Both entries lack the element and show the definition's text "7".
    Open(valid + Entry("0", "0", "9") + Entry("0", "0", "9"));
    EXPECT_EQ(Check(), (CheckFindingList{NotUnique("2", "3", "Tempo", "7")}));
}

TEST(CheckFindingTest, FormatsWithTheBuiltInOrAGivenTextAndInsertsArgumentsVerbatim) {
    const CheckFinding finding = NotUnique("1", "2", "Gerätenummer", "%s 100%");
    EXPECT_EQ(finding.Format(),
              "Hardware 1 und 2: Für Parameter <Gerätenummer> wird der Wert %s 100% mehrfach "
              "verwendet. Der Wert muss eindeutig sein.");
    EXPECT_EQ(finding.Format("%s/%s: <%s> %s, 100%% %s %d"),
              "1/2: <Gerätenummer> %s 100%, 100%  %d");
    EXPECT_EQ(kNoActive.Format(),
              "Es ist keine Hardware aktiv. Um zu kommunizieren muss mindestens eine Hardware "
              "aktiviert sein.");
    EXPECT_EQ(kNoDefault.Format(),
              "Es ist keine Hardware als Standardhardware festgelegt. Es muss genau eine Hardware "
              "als Standard festgelegt werden.");
    EXPECT_EQ(CheckFinding::BuiltInText(118), "");
}

}  // namespace
}  // namespace trelink
