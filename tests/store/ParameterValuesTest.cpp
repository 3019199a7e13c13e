#include <tuple>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"
#include "tests/common/DocumentFixture.h"

namespace trelink {
namespace {

using test::TypeEntry;

class ParameterValuesTest : public test::DocumentFixture {
protected:
    ParameterDefinition Read(int hardwareNumber, const std::string& name, int type = 0) {
        ParameterDefinition record(name);
        EXPECT_EQ(m_document.ReadParameter(hardwareNumber, &record, type), kOk);
        return record;
    }
    Result Write(int hardwareNumber, const std::string& name, const std::string& value) {
        ParameterDefinition record(name);
        record.value = value;
        return m_document.WriteParameterValue(hardwareNumber, &record);
    }
    // "name:text" of each child of entry n as the saved file holds them.
    std::string SavedEntry(int n) {
        pugi::xml_document saved;
        EXPECT_TRUE(saved.load_file(m_path.c_str()));
        pugi::xml_node hardware = saved.document_element().child("configuration").child("Hardware");
        for (int i = 1; i < n; ++i) hardware = hardware.next_sibling("Hardware");
        std::string children;
        for (pugi::xml_node child : hardware.children()) {
            children +=
                std::string(children.empty() ? "" : " ") + child.name() + ":" + child.text().get();
        }
        return children;
    }
};

TEST_F(ParameterValuesTest, ReadingCombinesTheDefinitionWithTheEntrysValue) {
    OpenCatalogue(
        TypeEntry("1", "<DeviceNr>3</DeviceNr><Baudrate>125</Baudrate><Comment>frei</Comment>") +
            TypeEntry("1"),
        49);
    const ParameterDefinition d = Read(1, "DeviceNr");
    EXPECT_EQ(std::tie(d.displayName, d.value, d.defaultValue, d.maximum, d.unique, d.type),
              std::make_tuple("Gerätenummer", "3", "1", 15, 1, PT_BYTE));
    const ParameterDefinition baud = Read(1, "Baudrate");
    EXPECT_EQ(baud.choices, (TextList{"500", "250", "125"}));
    EXPECT_EQ(baud.unit, "kBit/s");
    // Without an element of its own an entry shows the definition's text.
    EXPECT_EQ(Read(2, "DeviceNr").value, "0");
    EXPECT_EQ(Read(2, "Timeout").displayName, "Zeitlimit");
    // Hardware -1 reads the first entry's value.
    EXPECT_EQ(Read(-1, "DeviceNr", 1).value, "3");
    EXPECT_EQ(m_document.ReadParameter(1, nullptr, 0), kInvalidPointer);

    // A setting without definition takes the entry's value and keeps what the record held.
    ParameterDefinition prepared("Comment");
    prepared.displayName = "Bemerkung";
    EXPECT_EQ(m_document.ReadParameter(1, &prepared, 0), kOk);
    EXPECT_EQ(prepared.displayName + "|" + prepared.value, "Bemerkung|frei");
    EXPECT_EQ(Read(1, "Nothing").value, "");
}

TEST_F(ParameterValuesTest, WritingChangesOnlyTheFirstExistingElementAndNeverCreatesOne) {
    OpenCatalogue(TypeEntry("1", "<DeviceNr>3</DeviceNr>") + TypeEntry("1") +
                  TypeEntry("5", "<Port>COM2</Port><Port>COM3</Port>"));
    EXPECT_EQ(Write(1, "DeviceNr", "9"), kOk);
    EXPECT_EQ(SavedEntry(1), "IsActive:0 IsDefault:0 ErrorCode:0 HWType:1 DeviceNr:9");
    EXPECT_EQ(Saves(), 1);

    const std::string before = test::ReadFile(m_path);
    EXPECT_EQ(Write(2, "DeviceNr", "9"), kOk);
    EXPECT_EQ(Write(4, "DeviceNr", "9"), kOk);
    EXPECT_EQ(Saves(), 1);
    EXPECT_EQ(test::ReadFile(m_path), before);

    EXPECT_EQ(Write(3, "Port", "COM9"), kOk);
    EXPECT_EQ(SavedEntry(3), "IsActive:0 IsDefault:0 ErrorCode:0 HWType:5 Port:COM9 Port:COM3");
    EXPECT_EQ(Read(3, "Port").value, "COM9") << "reading takes the element that writing changes";
    EXPECT_EQ(m_document.WriteParameterValue(1, nullptr), kInvalidPointer);
}

TEST_F(ParameterValuesTest, RepeatedNamesGiveEqualSettingsAndTheFirstDisplayNameWins) {
    OpenCatalogue(TypeEntry("5"));
    TextList names;
    EXPECT_EQ(m_document.ListParameterNamesOfHardware(1, names), kOk);
    EXPECT_EQ(names, (TextList{"Port", "Port", "Name"}));
    ParameterDefinitionList list;
    for (const std::string& name : names) {
        list.Append(std::make_unique<ParameterDefinition>(Read(1, name)));
    }
    EXPECT_EQ(list.At(0).value, "COM1");  // the definition's text around its comment
    EXPECT_EQ(ConfigDocument::FindParameterByDisplayName(list, "Anschluss"), &list.At(0));
    EXPECT_EQ(ConfigDocument::FindParameterByDisplayName(list, "anschluss"), nullptr);
}

// Names that are no element names, or that the file's encoding cannot hold, are left out.
TEST_F(ParameterValuesTest, AddedEntryGetsFixedChildrenThenEachDefaultInCatalogueOrder) {
    OpenCatalogue(TypeEntry("3"), 49);
    EXPECT_EQ(m_document.AddHardwareOfType(1), kOk);
    EXPECT_EQ(SavedEntry(2),
              "IsActive:0 IsDefault:0 ErrorCode:0 HWType:1 DeviceNr:1 Baudrate:500 "
              "Timeout:15 Comment:");
    EXPECT_EQ(m_document.AddHardwareOfType(3), kOk);  // "Resources" lists nothing
    EXPECT_EQ(SavedEntry(3), "IsActive:0 IsDefault:0 ErrorCode:0 HWType:3");
    EXPECT_EQ(m_document.AddHardware("Simulator"), kOk);  // "Speed" has no "Default"
    EXPECT_EQ(SavedEntry(4), "IsActive:0 IsDefault:0 ErrorCode:0 HWType:9 Channel: Speed:");
    EXPECT_EQ(m_document.AddHardware("simulator"), kUnknownTypeName);
    EXPECT_EQ(Saves(), 3);
}

}  // namespace
}  // namespace trelink
