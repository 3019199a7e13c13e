#include <filesystem>

#include <gtest/gtest.h>

#include "store/ConfigDocument.h"
#include "store/HardwareOffer.h"
#include "tests/common/DocumentFixture.h"
#include "tests/store/FakeDirectories.h"

namespace trelink {
namespace {

using test::TypeEntry;
using CatalogueTest = test::DocumentFixture;

TEST_F(CatalogueTest, DisplayNamesFollowTypeIdOrderInTheCurrentLanguageOnly) {
    OpenCatalogue(TypeEntry("257"), 49);
    const auto names = [this] {
        TextList found;
        EXPECT_EQ(m_document.GetHardwareTypeNames(found), kOk);
        return found;
    };
    EXPECT_EQ(names(), (TextList{"USB-Adapter", "PCI-Karte", "Doppelt", "Doppelt", "Simulator"}));
    // The first of equal names wins, compared byte for byte.
    int type = -1;
    EXPECT_EQ(m_document.FindTypeByName("Doppelt", type), kOk);
    EXPECT_EQ(type, 5);
    EXPECT_EQ(m_document.FindTypeByName("Doppelt ", type), kUnknownTypeName);
    m_document.SetLanguage(44);
    EXPECT_EQ(names(), (TextList{"USB adapter", "PCI card", "", "Serial adapter", "Simulator"}));
    m_document.SetLanguage(0);
    EXPECT_EQ(names(), (TextList{"", "", "", "", ""}));

    m_document.SetLanguage(44);
    std::string name;
    EXPECT_EQ(m_document.GetHardwareName(name, 1, "ignored"), kOk);  // HWType 257 is type 1
    EXPECT_EQ(name, "USB adapter");
    name = "unchanged";
    EXPECT_EQ(m_document.GetHardwareName(name, -1, "Type42"), kOk);
    EXPECT_EQ(name, "unchanged");
}

TEST_F(CatalogueTest, LookupsByNumberUseThePlainTypeElementName) {
    OpenCatalogue(TypeEntry("1") + TypeEntry("5"));
    // "Type07" names the type, but its values are read under "Type7".
    TextList values;
    EXPECT_EQ(m_document.GetTypeValues(7, "DriverName", values), kOk);
    EXPECT_EQ(values, (TextList{"%SYS%\\libtrelinkpci.so"}));

    EXPECT_EQ(m_document.GetDriverNames(-1, nullptr, 1), kInvalidPointer);
    TextList drivers;
    EXPECT_EQ(m_document.GetDriverNames(2, &drivers, 0), kOk);  // the type of entry 2
    EXPECT_EQ(drivers, (TextList{"%WIN%\\share\\trelink\\serial.txt"}));
    drivers.clear();
    EXPECT_EQ(m_document.GetDriverNames(-1, &drivers, 0), kOk);  // type 0, which has none
    EXPECT_TRUE(drivers.empty());
}

TEST_F(CatalogueTest, OfferDropsTypesWhoseFirstDriverHasNoVersion) {
    test::TempDir system;
    std::string elf = "\177ELF\2\1\1";
    elf.resize(64);  // the smallest file that counts as ELF
    system.Write("libtrelinkusb.so.2", elf);
    system.Write("libtrelinkserial.so.1.4", elf);
    std::filesystem::create_directories(system.Path() / "share/trelink");
    system.Write("share/trelink/serial.txt", "exists, but has no version");
    const test::FakeDirectories directories(system.Path().string(), system.Path().string());
    OpenCatalogue("", 44);

    // Type07's driver is missing, Type5's has no version, Type9 has no driver at all.
    TextList offered;
    EXPECT_EQ(HardwareOffer(m_document, directories).Collect(offered), kOk);
    EXPECT_EQ(offered, (TextList{"USB adapter", "Serial adapter", "Simulator"}));

    // Both German "Doppelt" lead to Type5, so Type3 goes with it.
    m_document.SetLanguage(49);
    offered.clear();
    EXPECT_EQ(HardwareOffer(m_document, directories).Collect(offered), kOk);
    EXPECT_EQ(offered, (TextList{"USB-Adapter", "Simulator"}));
}

}  // namespace
}  // namespace trelink
