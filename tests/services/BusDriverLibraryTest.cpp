#include "services/BusDriverLibrary.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include "tests/services/FirstFolderScope.h"
#include "tests/services/MisbehavingLibrary.h"
#include "tests/services/TempFolder.h"

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
    test::TempFolder empty;
    test::FirstFolderScope scope(empty.Path());
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

}  // namespace
}  // namespace trelink
