#include "services/BusDriverLibrary.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

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
    void SetUp() override { ASSERT_TRUE(m_fake.IsLoaded()); }

    test::MisbehavingLibrary m_fake{"MTrelinkL1.dll"};
};

TEST_F(BusDriverCallTest, TheConnectionTestKeepsTheResultOfTheLastCallThatCounts) {
    BusDriverLibrary driver;
    ASSERT_TRUE(driver.IsLoaded());
    driver.TestConnection("c.xml", 2);
    // Disconnect answers 99, which must not become the result.
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(2,0) Disconnect(7)");
    EXPECT_EQ(driver.LastResult(), kOk);

    m_fake.Reset();
    m_fake.SetResults(0, 40963, 0);
    driver.TestConnection("c.xml", 3);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(3,0) Disconnect(0)");
    EXPECT_EQ(driver.LastResult(), 40963);

    m_fake.Reset();
    m_fake.SetResults(40967, 0, 0);
    driver.TestConnection("c.xml", 3);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml)");
    EXPECT_EQ(driver.LastResult(), 40967);
    EXPECT_EQ(driver.LoadResult(), kOk);
}

TEST_F(BusDriverCallTest, AScanCopiesTheNodesHandsTheBufferBackAndDisconnects) {
    BusDriverLibrary driver;
    Nodes nodes{1, 2};
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), 3);
    EXPECT_EQ(nodes, (Nodes{5, 6, 7}));
    EXPECT_EQ(m_fake.Calls(),
              "SetXMLFile(c.xml) ConnectDiagnosis(1,0) ScanBus(7) Delete Disconnect(7)");
    EXPECT_EQ(driver.LastResult(), kOk);
}

TEST_F(BusDriverCallTest, AFailedScanGivesMinusOneAndNeverLeavesAConnectionOpen) {
    BusDriverLibrary driver;
    Nodes nodes{1, 2};
    m_fake.SetResults(0, 40963, 0);
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), -1);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(1,0) Disconnect(0)");

    m_fake.Reset();
    m_fake.SetResults(0, 0, 40965);
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), -1);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(1,0) ScanBus(7) Disconnect(7)");
    EXPECT_EQ(driver.LastResult(), 40965);

    m_fake.Reset();
    m_fake.SetResults(40967, 0, 0);
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), -1);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml)");
}

TEST_F(BusDriverCallTest, AScanThatReportsNodesWithoutABufferFailsInsteadOfCrashing) {
    BusDriverLibrary driver;
    Nodes nodes;
    m_fake.ScanWithoutBuffer(5);
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), -1);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(1,0) ScanBus(7) Disconnect(7)");

    // No nodes and no buffer is an empty bus, not a failure.
    m_fake.ScanWithoutBuffer(0);
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), 0);
}

TEST_F(BusDriverCallTest, AnOperationWhoseEntryPointIsMissingCallsNothing) {
    BusDriverLibrary driver;
    // The test library has no SetHardwareID.
    EXPECT_EQ(driver.SetDeviceNumber("c.xml", 1, 5), kBusDriverNotLoaded);
    EXPECT_EQ(driver.LastResult(), kBusDriverNotLoaded);
    EXPECT_EQ(m_fake.Calls(), "");
    EXPECT_TRUE(driver.IsLoaded());

    EXPECT_EQ(driver.SaveProprietaryConfiguration("c.xml"), kOk);
    EXPECT_EQ(m_fake.Calls(), "SetXMLFile(c.xml) SaveProprietaryConfiguration");
    EXPECT_EQ(driver.LastResult(), kOk);
}

TEST(BusDriverLibraryTest, AMissingLibraryCallsNothingAndReportsNotLoaded) {
    test::TempDir empty;
    test::FirstFolderScope scope(empty.Path().string());
    if (void* installed = ::dlopen("libMTrelinkL1.so", RTLD_NOW)) {
        ::dlclose(installed);
        GTEST_SKIP() << "libMTrelinkL1.so is installed on this system";
    }
    BusDriverLibrary driver;
    EXPECT_FALSE(driver.IsLoaded());
    EXPECT_EQ(driver.LoadResult(), kBusDriverNotLoaded);
    EXPECT_EQ(driver.LastResult(), kBusDriverNotLoaded);
    driver.TestConnection("c.xml", 1);
    EXPECT_EQ(driver.LastResult(), kBusDriverNotLoaded);
    Nodes nodes{1};
    EXPECT_EQ(driver.ScanBus("c.xml", 1, nodes), -1);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(driver.SetDeviceNumber("c.xml", 1, 5), kBusDriverNotLoaded);
    EXPECT_EQ(driver.SaveProprietaryConfiguration("c.xml"), kBusDriverNotLoaded);
}

// Against the simulated bus driver beside the test program, on a configuration of four entries:
// ready with nodes, not plugged in, failing connect, ready with an empty bus.
class StandInBusDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("MTRELINK_SIMULATION");
        test::WriteFile(m_config, R"(<?xml version="1.0" encoding="UTF-8"?>
<TrelinkConfig><configuration>
  <Hardware><HWType>1</HWType><DeviceNr>0</DeviceNr><IsActive>1</IsActive></Hardware>
  <Hardware><HWType>1</HWType><DeviceNr>1</DeviceNr><IsActive>1</IsActive></Hardware>
  <Hardware><HWType>2</HWType><DeviceNr>0</DeviceNr><IsActive>0</IsActive></Hardware>
  <Hardware><HWType>3</HWType><DeviceNr>4</DeviceNr><IsActive>1</IsActive></Hardware>
</configuration></TrelinkConfig>
)");
        test::WriteFile(m_folder.File("mtrelinksim.xml"), R"(<?xml version="1.0"?>
<Simulation>
  <Adapter HWType="1" DeviceNr="0" Nodes="3 17 42 100"/>
  <Adapter HWType="1" DeviceNr="1" PluggedIn="0"/>
  <Adapter HWType="2" DeviceNr="0" Nodes="8"><Fault Call="ConnectDiagnosis" Code="12345"/></Adapter>
  <Adapter HWType="3" DeviceNr="4"/>
</Simulation>
)");
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
    m_driver.TestConnection(m_config, 3);
    EXPECT_EQ(m_driver.LastResult(), 12345);
    m_driver.TestConnection(m_config, 5);
    EXPECT_EQ(m_driver.LastResult(), sim::kNoSuchHardware);
    m_driver.TestConnection(m_folder.File("missing.xml"), 1);
    EXPECT_EQ(m_driver.LastResult(), sim::kConfigUnreadable);
}

TEST_F(StandInBusDriverTest, AScanListsTheAnsweringNodesInOrderAndReleasesEverything) {
    Nodes nodes;
    // More scans than the driver keeps connections open: each one must disconnect.
    for (int i = 0; i < 70; ++i) ASSERT_EQ(m_driver.ScanBus(m_config, 1, nodes), 4) << i;
    EXPECT_EQ(nodes, (Nodes{3, 17, 42, 100}));
    EXPECT_EQ(m_driver.ScanBus(m_config, 4, nodes), 0);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(m_driver.ScanBus(m_config, 3, nodes), -1);
    EXPECT_EQ(m_driver.LastResult(), 12345);
}

TEST_F(StandInBusDriverTest, ANewDeviceNumberReachesTheAdapter) {
    EXPECT_EQ(m_driver.SetDeviceNumber(m_config, 4, 6), kOk);
    EXPECT_NE(test::ReadFile(m_folder.File("mtrelinksim.xml")).find(R"(DeviceNr="6")"),
              std::string::npos);
    // The entry itself still says 4 until the tool writes the new number into it.
    m_driver.TestConnection(m_config, 4);
    EXPECT_EQ(m_driver.LastResult(), sim::kAdapterNotFound);
    EXPECT_EQ(m_driver.SetDeviceNumber(m_config, 1, 300), sim::kInvalidDeviceNumber);
    EXPECT_EQ(m_driver.SetDeviceNumber(m_folder.File("missing.xml"), 1, 2), sim::kConfigUnreadable);
}

TEST_F(StandInBusDriverTest, TheDriverSavesItsOwnFormOfTheConfiguration) {
    EXPECT_EQ(m_driver.SaveProprietaryConfiguration(m_config), kOk);
    EXPECT_EQ(test::ReadFile(m_config + ".l1"), "1 1 0 1\n2 1 1 1\n3 2 0 0\n4 3 4 1\n");
}

}  // namespace
}  // namespace trelink
