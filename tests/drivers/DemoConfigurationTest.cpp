#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

#include "drivers/L1ResultCodes.h"
#include "tests/drivers/BusDriverApi.h"

namespace trelink::test {
namespace {

using namespace trelink::sim;

const std::string kDemoConfig = std::string(TRELINK_DEMO_DIR) + "/trelinkconfig.xml";

std::vector<std::string> Texts(const pugi::xml_node& parent, const char* name) {
    std::vector<std::string> texts;
    for (const pugi::xml_node child : parent.children(name)) texts.push_back(child.text().get());
    return texts;
}

// Only reads the demo: nothing the driver is asked here writes a file.
TEST(DemoConfigurationTest, ShowsAReadyAMissingAndAFailingAdapterEachWithItsOwnCode) {
    ::unsetenv("MTRELINK_SIMULATION");
    BusDriverApi api;
    ASSERT_EQ(api.setXmlFile(kDemoConfig.c_str()), kOk);

    std::int32_t handle = 0;
    ASSERT_EQ(api.connectDiagnosis(1, &handle), kOk);
    std::uint8_t count = 0;
    std::uint8_t* buffer = nullptr;
    ASSERT_EQ(api.scanBus(handle, &count, &buffer), kOk);
    EXPECT_EQ(std::vector<int>(buffer, buffer + count), (std::vector<int>{3, 17, 42, 100}));
    EXPECT_EQ(api.deleteBuffer(buffer), kOk);
    EXPECT_EQ(api.disconnect(handle), kOk);

    const std::vector<std::int32_t> expected = {kOk, kAdapterNotFound, kInjectedFault};
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(kDemoConfig.c_str()));
    const pugi::xml_node configuration = document.document_element().child("configuration");
    int number = 0;
    for (const pugi::xml_node hardware : configuration.children("Hardware")) {
        ASSERT_LT(number, 3);
        const std::int32_t result = api.connectDiagnosis(++number, &handle);
        api.disconnect(handle);
        EXPECT_EQ(result, expected[number - 1]) << "entry " << number;
        // The stored state already shows what a connection test will find.
        EXPECT_EQ(hardware.child("ErrorCode").text().as_int(), result) << "entry " << number;
    }
    EXPECT_EQ(number, 3);
}

TEST(DemoConfigurationTest, EveryEntryHoldsItsTypesSettingsAndTheDriverFilesResolve) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(kDemoConfig.c_str()));
    const pugi::xml_node root = document.document_element();
    const pugi::xml_node types = root.child("Hardwaretypes");
    ASSERT_GE(Texts(types, "TypeId").size(), 4u);

    std::set<std::string> settingTypes;
    for (const std::string& typeId : Texts(types, "TypeId")) {
        const pugi::xml_node type = types.child(typeId.c_str());
        ASSERT_TRUE(type) << typeId;
        EXPECT_FALSE(type.child("HWName49").text().empty()) << typeId;
        EXPECT_FALSE(type.child("HWName44").text().empty()) << typeId;
        EXPECT_STREQ(type.child("DeviceNr").attribute("Unique").value(), "1") << typeId;
        for (const std::string& name : Texts(type.child("Resources"), "ParameterName")) {
            ASSERT_TRUE(type.child(name.c_str())) << typeId << " lacks " << name;
            settingTypes.insert(type.child(name.c_str()).attribute("Type").value());
        }
        const std::vector<std::string> drivers = Texts(type, "DriverName");
        if (!drivers.empty() && typeId != "Type4") {
            EXPECT_TRUE(std::filesystem::exists(drivers.front())) << drivers.front();
        }
    }
    EXPECT_EQ(Texts(types.child("Type4"), "DriverName"),
              std::vector<std::string>{"%DRIVERS%/trelinkpci4.ko"});
    for (const char* needed :
         {"PT_BYTE", "PT_WORD", "PT_DWORD", "PT_SUBRANGE", "PT_ENUM", "PT_STRING"}) {
        EXPECT_EQ(settingTypes.count(needed), 1u) << needed;
    }

    // Four fixed children, then one element per setting in catalogue order.
    for (const pugi::xml_node hardware : root.child("configuration").children("Hardware")) {
        const std::string typeId = std::string("Type") + hardware.child("HWType").text().get();
        std::vector<std::string> names = {"IsActive", "IsDefault", "ErrorCode", "HWType"};
        for (const std::string& name :
             Texts(types.child(typeId.c_str()).child("Resources"), "ParameterName")) {
            names.push_back(name);
        }
        std::vector<std::string> children;
        for (const pugi::xml_node child : hardware.children()) children.push_back(child.name());
        EXPECT_EQ(children, names) << typeId;
    }
}

}  // namespace
}  // namespace trelink::test
