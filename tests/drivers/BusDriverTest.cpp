#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "drivers/L1ResultCodes.h"
#include "drivers/MTrelinkL1.h"
#include "tests/common/TempDir.h"
#include "tests/drivers/LoadedLibrary.h"

namespace trelink::test {
namespace {

using namespace trelink::sim;

// The entry points the tool calls, resolved from a freshly loaded libMTrelinkL1.so.
struct BusDriverApi {
    LoadedLibrary library{"libMTrelinkL1.so"};
    decltype(&::SetXMLFile) setXmlFile = library.Get<decltype(::SetXMLFile)>("SetXMLFile");
    decltype(&::ConnectDiagnosis) connectDiagnosis =
        library.Get<decltype(::ConnectDiagnosis)>("ConnectDiagnosis");
    decltype(&::Disconnect) disconnect = library.Get<decltype(::Disconnect)>("Disconnect");
    decltype(&::ScanBus) scanBus = library.Get<decltype(::ScanBus)>("ScanBus");
    decltype(&::Delete) deleteBuffer = library.Get<decltype(::Delete)>("Delete");
    decltype(&::SetHardwareID) setHardwareId =
        library.Get<decltype(::SetHardwareID)>("SetHardwareID");
    decltype(&::SaveProprietaryConfiguration) saveProprietaryConfiguration =
        library.Get<decltype(::SaveProprietaryConfiguration)>("SaveProprietaryConfiguration");
};

std::string Hardware(const std::string& type, const std::string& deviceNr, int active = 1) {
    return "<Hardware><IsActive>" + std::to_string(active) + "</IsActive><HWType>" + type +
           "</HWType><DeviceNr>" + deviceNr + "</DeviceNr></Hardware>";
}

std::string Config(const std::string& hardware) {
    return "<TrelinkConfig><Hardwaretypes/><configuration>" + hardware +
           "</configuration></TrelinkConfig>";
}

std::string Simulation(const std::string& adapters) {
    return "<?xml version=\"1.0\"?>\n<!-- test bench -->\n<Simulation>" + adapters +
           "</Simulation>\n";
}

class BusDriverTest : public ::testing::Test {
protected:
    void SetUp() override { ::unsetenv("MTRELINK_SIMULATION"); }

    // Writes configuration and simulation into the folder and names the configuration.
    std::string Prepare(const std::string& hardware, const std::string& adapters) {
        const std::string config = m_folder.Write("trelinkconfig.xml", Config(hardware));
        m_folder.Write("mtrelinksim.xml", Simulation(adapters));
        EXPECT_EQ(m_api.setXmlFile(config.c_str()), kOk);
        return config;
    }

    // The result of a connection test; a handle comes exactly with success.
    std::int32_t Connect(std::int32_t hardwareNumber) {
        std::int32_t handle = -5;
        const std::int32_t result = m_api.connectDiagnosis(hardwareNumber, &handle);
        EXPECT_EQ(handle == 0, result != kOk) << "hardware " << hardwareNumber;
        EXPECT_GE(handle, 0);
        if (handle > 0) m_api.disconnect(handle);
        return result;
    }

    TempDir m_folder;
    BusDriverApi m_api;
};

TEST_F(BusDriverTest, NothingWorksUntilAReadableConfigurationIsNamed) {
    std::int32_t handle = -5;
    std::int32_t old = -5;
    EXPECT_EQ(m_api.connectDiagnosis(1, &handle), kNoXmlFile);
    EXPECT_EQ(handle, 0);
    EXPECT_EQ(m_api.setHardwareId(1, 3, &old), kNoXmlFile);
    EXPECT_EQ(old, -5);
    EXPECT_EQ(m_api.saveProprietaryConfiguration(), kNoXmlFile);

    for (const std::string& unreadable :
         {std::string(), m_folder.File("missing.xml"), m_folder.Path().string(),
          m_folder.Write("broken.xml", "<a><b></a>")}) {
        EXPECT_EQ(m_api.setXmlFile(unreadable.c_str()), kConfigUnreadable) << unreadable;
    }

    // A failed SetXMLFile forgets the file named before it.
    Prepare(Hardware("1", "0"), R"(<Adapter HWType="1" DeviceNr="0"/>)");
    EXPECT_EQ(Connect(1), kOk);
    EXPECT_EQ(m_api.setXmlFile(m_folder.File("missing.xml").c_str()), kConfigUnreadable);
    EXPECT_EQ(Connect(1), kNoXmlFile);
}

// Entries are numbered and typed as the configuration tool reads them: comments and other
// elements do not count, a second "configuration" is never read, the type is taken modulo 256
// and a missing DeviceNr is 0.
TEST_F(BusDriverTest, ConnectDiagnosisTellsEveryFailureApart) {
    Prepare("<!-- not an entry --><Other/><?Hardware not one either?>" +
                Hardware("257", " 7 devices") + "<Hardware><HWType>  2<![CDATA[]]></HWType>" +
                "</Hardware>" + Hardware("3", "4") + Hardware("3", "5") + Hardware("4", "0") +
                "</configuration><configuration>" + Hardware("1", "7"),
            R"(<Adapter HWType="1" DeviceNr="7" PluggedIn="1"/>
               <Adapter HWType="2" DeviceNr="0" PluggedIn="0"/>
               <Adapter HWType="3" DeviceNr="4"><Fault Call="ConnectDiagnosis" Code="1234"/></Adapter>
               <Adapter HWType="3" DeviceNr="5"><Fault Call="ConnectDiagnosis"/></Adapter>)");
    EXPECT_EQ(Connect(1), kOk);
    EXPECT_EQ(Connect(2), kAdapterNotPluggedIn);
    EXPECT_EQ(Connect(3), 1234);
    EXPECT_EQ(Connect(4), kInjectedFault);
    EXPECT_EQ(Connect(5), kAdapterNotFound);
    for (const std::int32_t beyond : {0, -1, 6, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(Connect(beyond), kNoSuchHardware) << beyond;
    }
    EXPECT_EQ(m_api.disconnect(0), kInvalidHandle);
}

TEST_F(BusDriverTest, ScanGivesTheAnsweringNodesInABufferThatDeleteTakesBack) {
    Prepare(Hardware("1", "0") + Hardware("1", "1"),
            R"(<Adapter HWType="1" DeviceNr="0" Nodes="3 17, 42;100 300 abc -1 17 0"/>
               <Adapter HWType="1" DeviceNr="1" Nodes=""/>)");
    const std::pair<std::int32_t, std::vector<int>> cases[] = {{1, {3, 17, 42, 100, 0}}, {2, {}}};
    for (const auto& [number, expected] : cases) {
        std::int32_t handle = 0;
        ASSERT_EQ(m_api.connectDiagnosis(number, &handle), kOk);
        std::uint8_t count = 99;
        std::uint8_t* buffer = nullptr;
        ASSERT_EQ(m_api.scanBus(handle, &count, &buffer), kOk);
        EXPECT_EQ(std::vector<int>(buffer, buffer + count), expected) << number;
        EXPECT_EQ(m_api.deleteBuffer(buffer), kOk);
        EXPECT_EQ(m_api.disconnect(handle), kOk);
    }
}

// A file is parsed again when its inode, size or modification time changed, or when it was
// changed so recently that a further change might not show in its time stamp.
TEST_F(BusDriverTest, FilesAreParsedAgainOnlyWhenTheirStampsSayTheyMayHaveChanged) {
    Prepare(Hardware("1", "0"), R"(<Adapter HWType="1" DeviceNr="0" PluggedIn="1"/>)");
    const std::string path = m_folder.File("mtrelinksim.xml");
    const std::string before = ReadFile(path);
    std::string after = before;  // of the same size
    after.replace(after.find("PluggedIn=\"1\""), 13, "PluggedIn=\"0\"");
    const auto write = [&path](const std::string& bytes, timespec stamp) {
        WriteFile(path, bytes);
        const timespec times[2] = {stamp, stamp};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    };
    const timespec settled{1015286400, 500};
    write(before, settled);
    EXPECT_EQ(Connect(1), kOk);
    write(after, settled);
    EXPECT_EQ(Connect(1), kOk) << "same stamp, parsed before";
    write(after, {settled.tv_sec, settled.tv_nsec + 1});
    EXPECT_EQ(Connect(1), kAdapterNotPluggedIn);
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    write(before, now);
    EXPECT_EQ(Connect(1), kOk);
    write(after, now);
    EXPECT_EQ(Connect(1), kAdapterNotPluggedIn) << "changed a moment ago";
    m_folder.Write("trelinkconfig.xml", Config(Hardware("2", "0")));
    EXPECT_EQ(Connect(1), kAdapterNotFound) << "the configuration is read again too";
}

TEST_F(BusDriverTest, SetHardwareIDPersistsTheNewNumberInTheSimulationFile) {
    Prepare(Hardware("3", "2") + Hardware("3", "9") + Hardware("1", "0"),
            R"(<Adapter HWType="3" DeviceNr="2" Nodes="1"/>
                   <Adapter HWType="3" DeviceNr="9"/>
                   <Adapter HWType="1" DeviceNr="0"><Fault Call="SetHardwareID"/></Adapter>)");
    const std::string simulationPath = m_folder.File("mtrelinksim.xml");
    const std::string before = ReadFile(simulationPath);

    std::int32_t old = -5;
    EXPECT_EQ(m_api.setHardwareId(1, 9, &old), kDeviceNumberTaken);
    EXPECT_EQ(m_api.setHardwareId(1, -1, &old), kInvalidDeviceNumber);
    EXPECT_EQ(m_api.setHardwareId(1, 256, &old), kInvalidDeviceNumber);
    EXPECT_EQ(m_api.setHardwareId(3, 4, &old), kInjectedFault);
    EXPECT_EQ(m_api.setHardwareId(4, 4, &old), kNoSuchHardware);
    EXPECT_EQ(ReadFile(simulationPath), before);

    EXPECT_EQ(m_api.setHardwareId(1, 7, &old), kOk);
    EXPECT_EQ(old, 2);
    const std::string after = ReadFile(simulationPath);
    EXPECT_NE(after.find(R"(HWType="3" DeviceNr="7")"), std::string::npos) << after;
    EXPECT_NE(after.find("<!-- test bench -->"), std::string::npos) << after;
    EXPECT_EQ(m_folder.Count(), 2) << "a temporary file was left behind";
}

TEST_F(BusDriverTest, SaveProprietaryConfigurationWritesOneLinePerEntryBesideTheFile) {
    const std::string config =
        Prepare(Hardware("1", "0") + Hardware("259", "12", 0) + Hardware("3", "x", 2), "");
    ASSERT_EQ(m_api.saveProprietaryConfiguration(), kOk);
    EXPECT_EQ(ReadFile(config + ".l1"), "1 1 0 1\n2 3 12 0\n3 3 0 0\n");

    // A target that cannot be replaced fails and leaves no temporary file behind.
    std::filesystem::remove(config + ".l1");
    std::filesystem::create_directory(config + ".l1");
    EXPECT_EQ(m_api.saveProprietaryConfiguration(), kProprietaryNotWritten);
    EXPECT_EQ(m_folder.Count(), 3);  // configuration, simulation and the folder in the way
}

}  // namespace
}  // namespace trelink::test
