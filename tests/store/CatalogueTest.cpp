#include <gtest/gtest.h>

#include "store/ConfigDocument.h"
#include "store/HardwareOffer.h"
#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using test::TempDir;

std::string Entry(const std::string& type) {
    return "<Hardware><IsActive>0</IsActive><IsDefault>0</IsDefault><ErrorCode>0</ErrorCode>"
           "<HWType>" +
           type + "</HWType></Hardware>";
}

// The test catalogue with the given entries in its "configuration".
class CatalogueTest : public ::testing::Test {
protected:
    void Open(const std::string& entries, int language) {
        std::string xml =
            test::ReadFile(std::string(TRELINK_TEST_DATA) + "/catalogue/catalogue.xml");
        const std::string empty = "<configuration></configuration>";
        xml.replace(xml.find(empty), empty.size(),
                    "<configuration>" + entries + "</configuration>");
        test::WriteFile(m_path, xml);
        ASSERT_EQ(m_document.SetConfigFile(m_path), kOk);
        m_document.SetLanguage(language);
    }
    TextList Names() {
        TextList names;
        EXPECT_EQ(m_document.GetHardwareTypeNames(names), kOk);
        return names;
    }

    TempDir m_dir;
    std::string m_path = m_dir.File("trelinkconfig.xml");
    ConfigDocument m_document;
};

TEST_F(CatalogueTest, DisplayNamesFollowTypeIdOrderInTheCurrentLanguageOnly) {
    Open(Entry("257"), 49);
    TextList typeIds;
    EXPECT_EQ(m_document.GetTypeIds(typeIds), kOk);
    EXPECT_EQ(typeIds, (TextList{"Type1", "Type07", "Type5", "Type3", "Type9"}));
    EXPECT_EQ(Names(), (TextList{"USB-Adapter", "PCI-Karte", "Doppelt", "Doppelt", "Simulator"}));
    m_document.SetLanguage(44);
    EXPECT_EQ(Names(), (TextList{"USB adapter", "PCI card", "", "Serial adapter", "Simulator"}));
    m_document.SetLanguage(0);
    EXPECT_EQ(Names(), (TextList{"", "", "", "", ""}));

    m_document.SetLanguage(44);
    std::string name;
    EXPECT_EQ(m_document.GetHardwareName(name, 1, "ignored"), kOk);  // HWType 257 is type 1
    EXPECT_EQ(name, "USB adapter");
    name = "unchanged";
    EXPECT_EQ(m_document.GetHardwareName(name, -1, "Type42"), kOk);
    EXPECT_EQ(name, "unchanged");
}

TEST_F(CatalogueTest, FindTypeByNameTakesTheFirstExactMatchAndTheNumberOfItsTypeId) {
    Open("", 49);
    int type = -1;
    EXPECT_EQ(m_document.FindTypeByName("PCI-Karte", type), kOk);
    EXPECT_EQ(type, 7);
    EXPECT_EQ(m_document.FindTypeByName("Doppelt", type), kOk);
    EXPECT_EQ(type, 5);
    type = -1;
    EXPECT_EQ(m_document.FindTypeByName("doppelt", type), kUnknownTypeName);
    EXPECT_EQ(m_document.FindTypeByName("Doppelt ", type), kUnknownTypeName);
    EXPECT_EQ(type, -1);
    m_document.SetLanguage(44);
    EXPECT_EQ(m_document.FindTypeByName("", type), kOk);  // Type5 has no English name
    EXPECT_EQ(type, 5);
}

TEST_F(CatalogueTest, LookupsByNumberUseThePlainTypeElementName) {
    Open(Entry("1") + Entry("5"), 49);
    // "Type07" names the type, but its values are read under "Type7".
    TextList values;
    EXPECT_EQ(m_document.GetTypeValues(7, "DriverName", values), kOk);
    EXPECT_EQ(values, (TextList{"%SYS%\\libtrelinkpci.so"}));
    values.clear();
    EXPECT_EQ(m_document.GetTypeValues(5, "NotParallelToHW", values), kOk);
    EXPECT_EQ(values, (TextList{"3", "07"}));

    EXPECT_EQ(m_document.GetDriverNames(-1, nullptr, 1), kInvalidPointer);
    TextList drivers;
    EXPECT_EQ(m_document.GetDriverNames(-1, &drivers, 1), kOk);
    EXPECT_EQ(drivers, (TextList{"%SYS%\\libtrelinkusb.so.2", "%DRIVERS%\\trelinkusb.ko"}));
    drivers.clear();
    EXPECT_EQ(m_document.GetDriverNames(2, &drivers, 0), kOk);  // the type of entry 2
    EXPECT_EQ(drivers, (TextList{"%WIN%\\share\\trelink\\serial.txt"}));
    drivers.clear();
    EXPECT_EQ(m_document.GetDriverNames(-1, &drivers, 0), kOk);  // type 0, which has none
    EXPECT_TRUE(drivers.empty());
}

// Puts the system and installation folders into a test folder.
class FolderDirectories : public PlatformDirectories {
public:
    explicit FolderDirectories(std::string folder) : m_folder(std::move(folder)) {}
    std::string SystemDirectory() const override { return m_folder; }
    std::string InstallationDirectory() const override { return m_folder; }
    std::string DriversDirectory() const override { return m_folder + "/drivers"; }

private:
    std::string m_folder;
};

TEST_F(CatalogueTest, OfferDropsTypesWhoseFirstDriverHasNoVersion) {
    TempDir system;
    std::string elf(64, '\0');
    elf.replace(0, 7,
                "\x7f"
                "ELF\x02\x01\x01");
    test::WriteFile(system.File("libtrelinkusb.so.2"), elf);
    test::WriteFile(system.File("libtrelinkserial.so.1.4"), elf);
    std::filesystem::create_directories(system.Path() / "share/trelink");
    test::WriteFile(system.File("share/trelink/serial.txt"), "exists, but has no version");
    const FolderDirectories directories(system.Path().string());
    Open("", 44);

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
