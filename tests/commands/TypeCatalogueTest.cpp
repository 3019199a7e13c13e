#include "commands/TypeCatalogue.h"

#include <tuple>

#include <gtest/gtest.h>

#include "tests/commands/CommandFixture.h"

namespace trelink {
namespace {

using test::Entry;

class TypeCatalogueTest : public test::CommandFixture {
protected:
    void SetUp() override { Open(Entry("1", "1", "0", "1") + Entry("0", "0", "0", "5")); }
    TypeCatalogue m_catalogue{m_context};
};

TEST_F(TypeCatalogueTest, ATypeIsFoundByEitherNameOrByItsPlainNumber) {
    const std::pair<std::string, int> found[] = {
        {"USB-Adapter", 1}, {"USB adapter", 1}, {"Serial adapter", 3},
        {"Doppelt", 5},  // the first in catalogue order, as the window's lookup finds it
        {"PCI card", 7},    {"7", 7},           {"9", 9},
    };
    for (const auto& [text, number] : found) {
        const std::optional<TypeInfo> type = m_catalogue.Find(text);
        ASSERT_TRUE(type) << text;
        EXPECT_EQ(type->number, number) << text;
    }
    for (const std::string text : {"", "07", "4", "usb-adapter", "Type1"}) {
        EXPECT_FALSE(m_catalogue.Find(text)) << text;
    }
}

TEST_F(TypeCatalogueTest, TheListTellsEachTypesLimitsAndWhetherItCanBeOffered) {
    std::vector<TypeInfo> types;
    ASSERT_EQ(m_catalogue.List(types), kOk);
    ASSERT_EQ(types.size(), 5u);
    // The USB adapter's driver file is not there, so it is not offered.
    const TypeInfo& usb = types[0];
    EXPECT_EQ(
        std::tie(usb.name, usb.englishName, usb.maximum, usb.used, usb.freeSlots, usb.offered),
        std::make_tuple("USB-Adapter", "USB adapter", 2, 1, 1, false));
    EXPECT_EQ(usb.notParallelTo, std::vector<int>{9});
    ASSERT_TRUE(usb.firstDriver);
    EXPECT_EQ(usb.firstDriver->FileName(), "libtrelinkusb.so.2");
    // The maximum is read under Type7, as every lookup by number is.
    EXPECT_EQ(std::tie(types[1].typeId, types[1].number, types[1].maximum),
              std::make_tuple("Type07", 7, 4));
    // A "07" would never match an active type's number, so it is not listed.
    EXPECT_EQ(types[2].notParallelTo, std::vector<int>{3});
    EXPECT_EQ(types[2].englishName, "");
    EXPECT_EQ(std::make_pair(types[2].used, types[2].freeSlots), std::make_pair(1, 2));
    const TypeInfo& simulator = types[4];
    EXPECT_EQ(
        std::make_tuple(simulator.firstDriver.has_value(), simulator.offered, simulator.freeSlots),
        std::make_tuple(false, true, 0));
}

}  // namespace
}  // namespace trelink
