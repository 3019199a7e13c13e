#include "services/BusDriverSession.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <gtest/gtest.h>

#include "drivers/L1ResultCodes.h"
#include "services/BusDriverLibrary.h"
#include "services/ProgramPath.h"
#include "tests/common/FakeBusDriver.h"
#include "tests/common/TempDir.h"
#include "tests/services/MisbehavingLibrary.h"

namespace trelink {
namespace {

using Nodes = std::vector<std::uint8_t>;
using Operation = BusDriver::Operation;

// The call sequences against a scripted driver that records every call.
class BusDriverSessionTest : public ::testing::Test {
protected:
    BusDriverSession NewSession() { return BusDriverSession(m_drivers); }
    test::BusDriverScript& Script() { return m_drivers.script; }

    test::FakeBusDriverFactory m_drivers;
};

TEST_F(BusDriverSessionTest, TheConnectionTestKeepsTheResultOfTheLastCallThatCounts) {
    const struct {
        std::int32_t setXMLFile, connect;
        std::int32_t lastResult;
        std::string calls;
    } cases[] = {
        // Disconnect answers 99, which must never become the result.
        {0, 0, kOk, "SetXMLFile(c.xml) ConnectDiagnosis(2,0) Disconnect(7)"},
        {0, 40963, 40963, "SetXMLFile(c.xml) ConnectDiagnosis(2,0) Disconnect(0)"},
        {40967, 0, 40967, "SetXMLFile(c.xml)"},
    };
    for (const auto& c : cases) {
        Script() = {};
        Script().setXMLFile = c.setXMLFile;
        Script().connect[2] = c.connect;
        BusDriverSession session = NewSession();
        session.TestConnection("c.xml", 2);
        EXPECT_EQ(Script().Calls(), c.calls);
        EXPECT_EQ(session.LastResult(), c.lastResult) << c.calls;
    }
}

TEST_F(BusDriverSessionTest, AScanHandsTheBufferBackAndNeverLeavesAConnectionOpen) {
    const std::string scanned = "SetXMLFile(c.xml) ConnectDiagnosis(1,0) ScanBus(7) ";
    const struct {
        std::int32_t setXMLFile, connect, scan;
        bool withoutBuffer, bufferOnFailure;
        int count;
        std::int32_t lastResult;
        std::string calls;
    } cases[] = {
        {0, 0, 0, false, false, 3, kOk, scanned + "Delete Disconnect(7)"},
        {0, 0, 40965, false, false, -1, 40965, scanned + "Disconnect(7)"},
        // A buffer that a failing scan handed out anyway goes back too.
        {0, 0, 40965, false, true, -1, 40965, scanned + "Delete Disconnect(7)"},
        {0, 40963, 0, false, false, -1, 40963,
         "SetXMLFile(c.xml) ConnectDiagnosis(1,0) Disconnect(0)"},
        {40967, 0, 0, false, false, -1, 40967, "SetXMLFile(c.xml)"},
        // Nodes without a buffer to read them from fail instead of crashing.
        {0, 0, 0, true, false, -1, kOk, scanned + "Disconnect(7)"},
    };
    for (const auto& c : cases) {
        Script() = {};
        Script().setXMLFile = c.setXMLFile;
        Script().connect[1] = c.connect;
        Script().scan = c.scan;
        Script().scanWithoutBuffer = c.withoutBuffer;
        Script().bufferOnFailedScan = c.bufferOnFailure;
        Nodes nodes{1, 2};
        BusDriverSession session = NewSession();
        EXPECT_EQ(session.ScanBus("c.xml", 1, nodes), c.count) << c.calls;
        EXPECT_EQ(nodes, (c.count > 0 ? Nodes{5, 6, 7} : Nodes{})) << c.calls;
        EXPECT_EQ(Script().Calls(), c.calls);
        EXPECT_EQ(session.LastResult(), c.lastResult) << c.calls;
        EXPECT_TRUE(Script().outstanding.empty()) << c.calls;
    }
}

TEST_F(BusDriverSessionTest, AnEmptyBusAndAFullOneAreBothScansThatWorked) {
    for (const std::size_t count : {std::size_t{0}, std::size_t{255}}) {
        Script() = {};
        Script().nodes.assign(count, 42);
        Nodes nodes;
        EXPECT_EQ(NewSession().ScanBus("c.xml", 1, nodes), static_cast<int>(count));
        EXPECT_EQ(nodes.size(), count);
        EXPECT_TRUE(Script().outstanding.empty());
    }
}

TEST_F(BusDriverSessionTest, AMissingLibraryOrEntryPointCallsNothing) {
    Script().loaded = false;
    BusDriverSession missing = NewSession();
    missing.TestConnection("c.xml", 1);
    EXPECT_EQ(missing.LastResult(), kBusDriverNotLoaded);
    Nodes nodes{1};
    EXPECT_EQ(missing.ScanBus("c.xml", 1, nodes), -1);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(missing.SetDeviceNumber("c.xml", 1, 5), kBusDriverNotLoaded);
    EXPECT_EQ(missing.SaveProprietaryConfiguration("c.xml"), kBusDriverNotLoaded);
    EXPECT_EQ(Script().Calls(), "");

    Script() = {};
    Script().missing = {Operation::kSetDeviceNumber};
    BusDriverSession session = NewSession();
    EXPECT_EQ(session.SetDeviceNumber("c.xml", 1, 5), kBusDriverNotLoaded);
    EXPECT_EQ(Script().Calls(), "");
    EXPECT_EQ(session.SaveProprietaryConfiguration("c.xml"), kOk);
    EXPECT_EQ(Script().Calls(), "SetXMLFile(c.xml) SaveProprietaryConfiguration");
}

// The real front end: every entry point it resolves reaches the library, and an operation
// whose entry points the library lacks cannot run.
TEST(BusDriverLibraryTest, ForwardsToTheLibraryAndKnowsWhichOperationsItCanRun) {
    test::MisbehavingLibrary fake("MTrelinkL1.dll");
    ASSERT_TRUE(fake.IsLoaded());
    BusDriverLibrary driver(test::kMisbehavingFolder);
    ASSERT_TRUE(driver.IsLoaded());
    EXPECT_TRUE(driver.CanRun(Operation::kScan));
    EXPECT_TRUE(driver.CanRun(Operation::kSaveConfiguration));
    EXPECT_FALSE(driver.CanRun(Operation::kSetDeviceNumber));  // it has no SetHardwareID
    std::int32_t handle = 0;
    fake.SetResults(0, 40963, 0);
    EXPECT_EQ(driver.SetXMLFile("c.xml"), 0);
    EXPECT_EQ(driver.ConnectDiagnosis(3, &handle), 40963);
    EXPECT_EQ(fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(3,0)");
}

TEST(BusDriverLibraryTest, AMissingLibraryCanRunNothing) {
    const test::TempDir empty;
    if (void* installed = ::dlopen("libMTrelinkL1.so", RTLD_NOW)) {
        ::dlclose(installed);
        GTEST_SKIP() << "libMTrelinkL1.so is installed on this system";
    }
    BusDriverLibrary driver(empty.Path().string());
    EXPECT_FALSE(driver.IsLoaded());
    EXPECT_FALSE(driver.CanRun(Operation::kConnectionTest));
    EXPECT_FALSE(driver.CanRun(Operation::kSaveConfiguration));
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
        ASSERT_TRUE(BusDriverLibrary(ProgramFolder()).IsLoaded())
            << "libMTrelinkL1.so is not beside the test program";
    }

    test::TempDir m_folder;
    std::string m_config = m_folder.File("trelinkconfig.xml");
    LibraryBusDriverFactory m_factory{ProgramFolder()};
    BusDriverSession m_driver{m_factory};
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
