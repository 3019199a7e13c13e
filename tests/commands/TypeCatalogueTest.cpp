#include "commands/TypeCatalogue.h"

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
    const TypeInfo& usb = types[0];
    EXPECT_EQ(usb.name, "USB-Adapter");
    EXPECT_EQ(usb.englishName, "USB adapter");
    EXPECT_EQ(usb.maximum, 2);
    EXPECT_EQ(usb.used, 1);
    EXPECT_EQ(usb.freeSlots, 1);
    EXPECT_EQ(usb.notParallelTo, std::vector<int>{9});
    ASSERT_TRUE(usb.firstDriver);
    EXPECT_EQ(usb.firstDriver->FileName(), "libtrelinkusb.so.2");
    EXPECT_FALSE(usb.offered);  // its driver file is not there

    const TypeInfo& pci = types[1];
    EXPECT_EQ(pci.typeId, "Type07");
    EXPECT_EQ(pci.number, 7);
    EXPECT_EQ(pci.maximum, 4);  // read under Type7, as every lookup by number is
    // A "07" would never match an active type's number, so it is not listed.
    EXPECT_EQ(types[2].notParallelTo, std::vector<int>{3});
    EXPECT_EQ(types[2].englishName, "");
    const TypeInfo& simulator = types[4];
    EXPECT_FALSE(simulator.firstDriver);
    EXPECT_TRUE(simulator.offered);
    EXPECT_EQ(simulator.freeSlots, 0);
}

}  // namespace
}  // namespace trelink
