#include "services/BusDriverSession.h"

#include <gtest/gtest.h>

#include "services/BusDriverLibrary.h"
#include "tests/common/FakeBusDriver.h"
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
        EXPECT_EQ(Script().calls, c.calls);
        EXPECT_EQ(session.LastResult(), c.lastResult) << c.calls;
        EXPECT_TRUE(Script().outstanding.empty()) << c.calls;
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
    EXPECT_EQ(Script().calls, "");

    Script() = {};
    Script().missing = {Operation::kSetDeviceNumber};
    BusDriverSession session = NewSession();
    EXPECT_EQ(session.SetDeviceNumber("c.xml", 1, 5), kBusDriverNotLoaded);
    EXPECT_EQ(Script().calls, "");
    EXPECT_EQ(session.SaveProprietaryConfiguration("c.xml"), kOk);
    EXPECT_EQ(Script().calls, "SetXMLFile(c.xml) SaveProprietaryConfiguration");
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
    fake.SetConnectResult(40963);
    EXPECT_EQ(driver.SetXMLFile("c.xml"), 0);
    EXPECT_EQ(driver.ConnectDiagnosis(3, &handle), 40963);
    EXPECT_EQ(fake.Calls(), "SetXMLFile(c.xml) ConnectDiagnosis(3,0)");
}

}  // namespace
}  // namespace trelink
