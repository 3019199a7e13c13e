#include "store/ConfigChecker.h"

#include <gtest/gtest.h>

#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "tests/store/DocumentFixture.h"

namespace trelink {
namespace {

using test::TypeEntry;

// An entry of the type with the given flags.
std::string Flagged(const std::string& active, const std::string& isDefault,
                    const std::string& type) {
    return test::Entry(active, isDefault, "0", type);
}

std::string Device(const std::string& type, const std::string& value) {
    return TypeEntry(type, "<DeviceNr>" + value + "</DeviceNr>");
}

Message NotUnique(const std::string& first, const std::string& later, const std::string& setting,
                  const std::string& value) {
    return {Msg::kValueNotUnique, {first, later, setting, value}};
}

const Message kNoActive{Msg::kNothingActive, {}};
const Message kNoDefault{Msg::kNoSingleDefault, {}};

class ConfigCheckerTest : public test::DocumentFixture {
protected:
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

    ConfigChecker m_checker{m_document};
};

TEST_F(ConfigCheckerTest, FreeSlotsAreTheMaximumLessTheEntriesOfTheTypeAndMayGoNegative) {
    OpenCatalogue(TypeEntry("3"), 49);
    EXPECT_EQ(FreeSlots("USB-Adapter"), 2);
    EXPECT_EQ(FreeSlots("PCI-Karte"), 4);  // "MaxNumHW" of Type7, not Type07
    EXPECT_EQ(FreeSlots("Simulator"), 0);  // no "MaxNumHW" at all
    OpenCatalogue(TypeEntry("1") + TypeEntry("3") + TypeEntry("257"), 49);
    EXPECT_EQ(FreeSlots("USB-Adapter"), 0);
    OpenCatalogue(TypeEntry("1") + TypeEntry("1") + TypeEntry("1"), 49);
    EXPECT_EQ(FreeSlots("USB-Adapter"), -1);
    // A "MaxNumHW" in the first entry stands for every type.
    OpenCatalogue(TypeEntry("1", "<MaxNumHW>5</MaxNumHW>"), 49);
    EXPECT_EQ(FreeSlots("USB-Adapter"), 4);
    EXPECT_EQ(FreeSlots("Simulator"), 5);

    int free = 99;
    EXPECT_EQ(m_checker.GetFreeSlots("USB adapter", free), kUnknownTypeName);
    EXPECT_EQ(free, 0);
}

TEST_F(ConfigCheckerTest, OnlyTheListOfTheTypeBeingActivatedCounts) {
    // Type5 ("Doppelt") lists 3 and "07"; Type3 lists nothing.
    OpenCatalogue(Flagged("1", "0", "3"), 49);
    EXPECT_EQ(Permission("Doppelt"), 0);
    OpenCatalogue(Flagged("1", "0", "5"), 44);
    EXPECT_EQ(Permission("Serial adapter"), 1);
    // Textual comparison: "07" never matches type 7; "IsActive" 2 is not active.
    OpenCatalogue(Flagged("1", "0", "7") + Flagged("2", "0", "3"), 49);
    EXPECT_EQ(Permission("Doppelt"), 1);
    // Type1 lists 9, Type9 lists nothing.
    OpenCatalogue(Flagged("1", "0", "9") + Flagged("0", "0", "1"), 49);
    EXPECT_EQ(Permission("USB-Adapter"), 0);
    OpenCatalogue(Flagged("1", "0", "1"), 49);
    EXPECT_EQ(Permission("Simulator"), 1);

    int permission = 99;
    EXPECT_EQ(m_checker.CanActivate("Unbekannt", permission), kUnknownTypeName);
    EXPECT_EQ(permission, 0);
}

TEST_F(ConfigCheckerTest, ActiveMeansExactlyOneButDefaultMeansAnythingButZero) {
    OpenCatalogue(Flagged("2", "2", "1") + Flagged(" 1x", "-1", "3") + Flagged("a1", "0", "9"));
    int count = -1;
    EXPECT_EQ(m_checker.CountActiveHardware(count), kOk);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(m_checker.CountDefaultHardware(count), kOk);
    EXPECT_EQ(count, 2);

    OpenCatalogue("");
    EXPECT_EQ(Check(), (CheckFindingList{kNoActive, kNoDefault}));
    OpenCatalogue(Flagged("1", "1", "1") + Flagged("1", "1", "3"));
    EXPECT_EQ(Check(), (CheckFindingList{kNoDefault}));
    OpenCatalogue(Flagged("2", "2", "1"));
    EXPECT_EQ(Check(), (CheckFindingList{kNoActive}));
    OpenCatalogue(Flagged("0", "1", "1") + Flagged("1", "0", "3"));
    EXPECT_EQ(Check(), (CheckFindingList{}));
}

TEST_F(ConfigCheckerTest, EveryPairOfEqualUniqueValuesOfOneTypeIsReportedLowerNumberFirst) {
    OpenCatalogue(Device("1", "5") + Device("1", "5"));
    EXPECT_EQ(Check(),
              (CheckFindingList{NotUnique("1", "2", "DeviceNr", "5"), kNoActive, kNoDefault}));

    const std::string valid = Flagged("1", "1", "3");
    OpenCatalogue(valid + Device("1", "4") + Device("9", "4") + Device("1", "4") + Device("1", "4"),
                  49);
    EXPECT_EQ(Check(), (CheckFindingList{NotUnique("2", "4", "Gerätenummer", "4"),
                                         NotUnique("2", "5", "Gerätenummer", "4"),
                                         NotUnique("4", "5", "Gerätenummer", "4")}));
}

TEST_F(ConfigCheckerTest, ValuesAreComparedWholeAndByteForByte) {
    const std::string valid = Flagged("1", "1", "3");
    OpenCatalogue(valid + Device("1", "5") + Device("1", "5 ") + Device("1", "x;2") +
                      Device("1", "x") + Device("1", "a;1") + Device("1", "a;1") +
                      Device("1", "A;1"),
                  49);
    EXPECT_EQ(Check(), (CheckFindingList{NotUnique("6", "7", "Gerätenummer", "a;1")}));
    // Both entries lack the elements and show the definitions' texts; every unique setting of
    // the type counts, not only the first.
    OpenCatalogue(valid + TypeEntry("9") + TypeEntry("9"), 49);
    EXPECT_EQ(Check(), (CheckFindingList{NotUnique("2", "3", "Kanal", "0"),
                                         NotUnique("2", "3", "Tempo", "7")}));
}

TEST(MessageTest, InsertsArgumentsVerbatimAndNeverReadsPastThem) {
    EXPECT_EQ(
        FillPlaceholders("%s/%s: <%s> %s, 100%% %x %d", {"1", "2", "Gerätenummer", "%s 100%"}),
        "1/2: <Gerätenummer> %s 100%, 100%  ");
    EXPECT_EQ(FillPlaceholders("%i (%x)%", {"126", "7e"}), "126 (7e)%");
}

}  // namespace
}  // namespace trelink
