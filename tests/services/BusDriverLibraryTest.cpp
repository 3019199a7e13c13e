#include "services/BusDriverLibrary.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <gtest/gtest.h>

#include "drivers/L1ResultCodes.h"
#include "tests/common/TempDir.h"
#include "tests/services/FirstFolderScope.h"
#include "tests/services/MisbehavingLibrary.h"

namespace trelink {
namespace {

using Nodes = std::vector<std::uint8_t>;

// Call sequences, checked against the test library that records every call.
class BusDriverCallTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_fake.IsLoaded() && m_driver.IsLoaded()); }

    test::MisbehavingLibrary m_fake{"MTrelinkL1.dll"};
    BusDriverLibrary m_driver;
};

TEST_F(BusDriverCallTest, TheConnectionTestKeepsTheResultOfTheLastCallThatCounts) {
    // Disconnect answers 99, which must never become the result.
    m_driver.TestConnection("c.xml", 2);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(2,0) Disconnect(7)");
    EXPECT_EQ(m_driver.LastResult(), kOk);

    m_fake.Reset();
    m_fake.SetResults(0, 40963, 0);
    m_driver.TestConnection("c.xml", 3);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(3,0) Disconnect(0)");
    EXPECT_EQ(m_driver.LastResult(), 40963);

    m_fake.Reset();
    m_fake.SetResults(40967, 0, 0);
    m_driver.TestConnection("c.xml", 3);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml)");
    EXPECT_EQ(m_driver.LastResult(), 40967);
}

TEST_F(BusDriverCallTest, AScanHandsTheBufferBackAndNeverLeavesAConnectionOpen) {
    const std::string scanned = "SetXMLFile(c.xml) ConnectDiagnosis(1,0) ScanBus(7) ";
    const struct {
        std::int32_t setXMLFile, connect, scan;
        int nodesWithoutBuffer;  // -1: the library hands over a buffer of three nodes
        int count;
        std::int32_t lastResult;
        std::string calls;
    } cases[] = {
        {0, 0, 0, -1, 3, kOk, scanned + "Delete Disconnect(7)"},
        {0, 0, 40965, -1, -1, 40965, scanned + "Disconnect(7)"},
        {0, 40963, 0, -1, -1, 40963, "SetXMLFile(c.xml) ConnectDiagnosis(1,0) Disconnect(0)"},
        {40967, 0, 0, -1, -1, 40967, "SetXMLFile(c.xml)"},
        // Nodes without a buffer to read them from fail instead of crashing; none is an empty bus.
        {0, 0, 0, 5, -1, kOk, scanned + "Disconnect(7)"},
        {0, 0, 0, 0, 0, kOk, scanned + "Disconnect(7)"},
    };
    for (const auto& c : cases) {
        m_fake.Reset();
        m_fake.SetResults(c.setXMLFile, c.connect, c.scan);
        if (c.nodesWithoutBuffer >= 0) m_fake.ScanWithoutBuffer(c.nodesWithoutBuffer);
        Nodes nodes{1, 2};
        EXPECT_EQ(m_driver.ScanBus("c.xml", 1, nodes), c.count) << c.calls;
        EXPECT_EQ(nodes, (c.count > 0 ? Nodes{5, 6, 7} : Nodes{})) << c.calls;
        EXPECT_EQ(m_fake.Calls(), c.calls);
        EXPECT_EQ(m_driver.LastResult(), c.lastResult) << c.calls;
    }
}

TEST_F(BusDriverCallTest, AnOperationWhoseEntryPointIsMissingCallsNothing) {
    // The test library has no SetHardwareID.
    EXPECT_EQ(m_driver.SetDeviceNumber("c.xml", 1, 5), kBusDriverNotLoaded);
    EXPECT_EQ(m_fake.Calls(), "");
    EXPECT_EQ(m_driver.SaveProprietaryConfiguration("c.xml"), kOk);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) SaveProprietaryConfiguration");
}

TEST(BusDriverLibraryTest, AMissingLibraryCallsNothingAndReportsNotLoaded) {
    const test::TempDir empty;
    const test::FirstFolderScope scope(empty.Path().string());
    if (void* installed = ::dlopen("libMTrelinkL1.so", RTLD_NOW)) {
        ::dlclose(installed);
        GTEST_SKIP() << "libMTrelinkL1.so is installed on this system";
    }
    BusDriverLibrary driver;
    EXPECT_FALSE(driver.IsLoaded());
    EXPECT_EQ(driver.LoadResult(), kBusDriverNotLoaded);
    driver.TestConnection("c.xml", 1);
    EXPECT_EQ(driver.LastResult(), kBusDriverNotLoaded);
    Nodes nodes{1};
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), -1);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(driver.SetDeviceNumber("c.xml", 1, 5), kBusDriverNotLoaded);
    EXPECT_EQ(driver.SaveProprietaryConfiguration("c.xml"), kBusDriverNotLoaded);
}

// Against the simulated bus driver beside the test program: an adapter with nodes, one not
// plugged in, one with an empty bus.
class StandInBusDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("MTRELINK_SIMULATION");
        const std::string entries =
            "<Hardware><HWType>1</HWType><DeviceNr>0</DeviceNr></Hardware>"
            "<Hardware><HWType>1</HWType><DeviceNr>1</DeviceNr></Hardware>"
            "<Hardware><HWType>3</HWType><DeviceNr>4</DeviceNr></Hardware>";
        m_folder.Write("trelinkconfig.xml", "<TrelinkConfig><configuration>" + entries +
                                                "</configuration></TrelinkConfig>");
        m_folder.Write("mtrelinksim.xml", R"(<Simulation>
            <Adapter HWType="1" DeviceNr="0" Nodes="3 17 42 100"/>
            <Adapter HWType="1" DeviceNr="1" PluggedIn="0"/>
            <Adapter HWType="3" DeviceNr="4"/></Simulation>)");
        ASSERT_TRUE(m_driver.IsLoaded()) << "libMTrelinkL1.so is not beside the test program";
    }

    test::TempDir m_folder;
    std::string m_config = m_folder.File("trelinkconfig.xml");
    BusDriverLibrary m_driver;
};

TEST_F(StandInBusDriverTest, TheConnectionTestGivesTheAdaptersState) {
    m_driver.TestConnection(m_config, 1);
    EXPECT_EQ(m_driver.LastResult(), kOk);
    m_driver.TestConnection(m_config, 2);
    EXPECT_EQ(m_driver.LastResult(), sim::kAdapterNotPluggedIn);
}

TEST_F(StandInBusDriverTest, AScanListsTheAnsweringNodesInOrderAndReleasesEverything) {
    Nodes nodes;
    // More scans than the driver keeps connections open: each one must disconnect.
    for (int i = 0; i < 70; ++i) ASSERT_EQ(m_driver.ScanBus(m_config, 1, nodes), 4) << i;
    EXPECT_EQ(nodes, (Nodes{3, 17, 42, 100}));
    EXPECT_EQ(m_driver.ScanBus(m_config, 3, nodes), 0);
    EXPECT_EQ(m_driver.ScanBus(m_config, 2, nodes), -1);
    EXPECT_EQ(m_driver.LastResult(), sim::kAdapterNotPluggedIn);
}

TEST_F(StandInBusDriverTest, ANewDeviceNumberReachesTheAdapter) {
    EXPECT_EQ(m_driver.SetDeviceNumber(m_config, 3, 6), kOk);
    // The entry itself still says 4 until the tool writes the new number into it.
    m_driver.TestConnection(m_config, 3);
    EXPECT_EQ(m_driver.LastResult(), sim::kAdapterNotFound);
    EXPECT_EQ(m_driver.SetDeviceNumber(m_config, 1, 300), sim::kInvalidDeviceNumber);
}

}  // namespace
}  // namespace trelink
