#include "store/ConfigChecker.h"

#include <gtest/gtest.h>

#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "tests/common/DocumentFixture.h"

namespace trelink {
namespace {

using test::Entry;
using test::TypeEntry;

std::string Device(const std::string& type, const std::string& value) {
    return TypeEntry(type, "<DeviceNr>" + value + "</DeviceNr>");
}

Message NotUnique(const std::string& first, const std::string& later, const std::string& value,
                  const std::string& setting = "Gerätenummer") {
    return {Msg::kValueNotUnique, {first, later, setting, value}};
}

class ConfigCheckerTest : public test::DocumentFixture {
protected:
    ConfigChecker m_checker{m_document};
};

// Type1 ("USB-Adapter") takes 2 and not beside type 9; Type5 ("Doppelt") 3, not beside 3 and
// "07"; Type3 1, Type7 (of "PCI-Karte") 4; Type9 has no limit and no list.
TEST_F(ConfigCheckerTest, FreeSlotsAndPermissionAreAnsweredForTheTypeAsked) {
    const std::string maxInFirstEntry = TypeEntry("1", "<MaxNumHW>5</MaxNumHW>");
    const struct {
        std::string entries;
        int language;
        const char* type;
        int free, permission;
    } cases[] = {
        {Entry("1", "0", "0", "3"), 49, "Doppelt", 3, 0},
        {Entry("1", "0", "0", "5"), 44, "Serial adapter", 1, 1},
        // Textual comparison: "07" never matches type 7; "IsActive" 2 is not active.
        {Entry("1", "0", "0", "7") + Entry("2", "0", "0", "3"), 49, "Doppelt", 3, 1},
        // Only the list of the type being activated counts.
        {Entry("1", "0", "0", "9") + Entry("0", "0", "0", "1"), 49, "USB-Adapter", 1, 0},
        {Entry("1", "0", "0", "1"), 49, "Simulator", 0, 1},
        {TypeEntry("3"), 49, "PCI-Karte", 4, 1},
        {TypeEntry("1") + TypeEntry("3") + TypeEntry("257"), 49, "USB-Adapter", 0, 1},
        {TypeEntry("1") + TypeEntry("1") + TypeEntry("1"), 49, "USB-Adapter", -1, 1},
        // A "MaxNumHW" in the first entry stands for every type.
        {maxInFirstEntry, 49, "USB-Adapter", 4, 1},
        {maxInFirstEntry, 49, "Simulator", 5, 1},
    };
    for (const auto& c : cases) {
        OpenCatalogue(c.entries, c.language);
        int free = 99, permission = 99;
        EXPECT_EQ(m_checker.GetFreeSlots(c.type, free), kOk);
        EXPECT_EQ(m_checker.CanActivate(c.type, permission), kOk);
        EXPECT_EQ(std::make_pair(free, permission), std::make_pair(c.free, c.permission))
            << c.type << " with " << c.entries;
    }
    int free = 99, permission = 99;
    EXPECT_EQ(m_checker.GetFreeSlots("USB adapter", free), kUnknownTypeName);
    EXPECT_EQ(m_checker.CanActivate("USB adapter", permission), kUnknownTypeName);
    EXPECT_EQ(std::make_pair(free, permission), std::make_pair(0, 0));
}

// Active means "IsActive" exactly 1, default anything but 0. Every pair of entries of one type
// with the same unique value is reported, lower number first, compared whole and byte for byte.
TEST_F(ConfigCheckerTest, FindingsAreRepeatedValuesThenNothingActiveThenNotOneDefault) {
    const Message noActive{Msg::kNothingActive, {}};
    const Message noDefault{Msg::kNoSingleDefault, {}};
    const std::string valid = Entry("1", "1", "0", "3");
    const struct {
        std::string entries;
        CheckFindingList findings;
    } cases[] = {
        {"", {noActive, noDefault}},
        {Entry("1", "1", "0", "1") + Entry("1", "1", "0", "3"), {noDefault}},
        {Entry("2", "2", "0", "1"), {noActive}},
        {Entry(" 1x", "-1", "0", "1") + Entry("1", "0", "0", "3"), {}},
        {Device("1", "5") + Device("1", "5"), {NotUnique("1", "2", "5"), noActive, noDefault}},
        {valid + Device("1", "4") + Device("9", "4") + Device("1", "4") + Device("1", "4"),
         {NotUnique("2", "4", "4"), NotUnique("2", "5", "4"), NotUnique("4", "5", "4")}},
        {valid + Device("1", "5") + Device("1", "5 ") + Device("1", "x;2") + Device("1", "x") +
             Device("1", "a;1") + Device("1", "a;1") + Device("1", "A;1"),
         {NotUnique("6", "7", "a;1")}},
        // Both entries lack the elements and show the definitions' texts; every unique setting
        // of the type counts, not only the first.
        {valid + TypeEntry("9") + TypeEntry("9"),
         {NotUnique("2", "3", "0", "Kanal"), NotUnique("2", "3", "7", "Tempo")}},
    };
    for (const auto& c : cases) {
        OpenCatalogue(c.entries, 49);
        CheckFindingList findings;
        EXPECT_EQ(m_checker.CheckConfiguration(findings), kOk);
        EXPECT_EQ(findings, c.findings) << c.entries;
    }
}

TEST(MessageTest, InsertsArgumentsVerbatimAndNeverReadsPastThem) {
    EXPECT_EQ(
        FillPlaceholders("%s/%s: <%s> %s, 100%% %x %d", {"1", "2", "Gerätenummer", "%s 100%"}),
        "1/2: <Gerätenummer> %s 100%, 100%  ");
    EXPECT_EQ(FillPlaceholders("%i (%x)%", {"126", "7e"}), "126 (7e)%");
}

}  // namespace
}  // namespace trelink
