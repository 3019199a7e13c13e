#include <gtest/gtest.h>
#include <stdlib.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "drivers/L1ResultCodes.h"
#include "tests/drivers/BusDriverApi.h"

namespace trelink::test {
namespace {

using namespace trelink::sim;

const std::string kDemoConfig = std::string(TRELINK_DEMO_DIR) + "/trelinkconfig.xml";

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

}  // namespace
}  // namespace trelink::test
