// trelinkctl as scripts and people meet it: the built program run on copies of the demo.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "services/ConfigFileLock.h"
#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using namespace std::chrono_literals;
using Json = nlohmann::json;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct Ran {
    int exitCode = -1;
    std::string out;
    std::string err;

    // The value at pointer in the object on standard output; "missing" when there is none.
    Json At(const std::string& pointer) const {
        const Json object = Json::parse(out, nullptr, false);
        const Json::json_pointer at(pointer);
        return object.is_object() && object.contains(at) ? object[at] : Json("missing");
    }
};

class CtlTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }

    // A fresh copy of the demo, named by a settings file that chooses German.
    void Reset() {
        for (const char* name : {"trelinkconfig.xml", "mtrelinksim.xml"}) {
            std::filesystem::copy_file(std::string(TRELINK_DEMO_DIR) + "/" + name, m_dir.File(name),
                                       std::filesystem::copy_options::overwrite_existing);
        }
        WriteSettings(m_config, 49);
    }
    void WriteSettings(const std::string& config, int language) const {
        WriteFile(m_settings, "[XMLConfig]\nConfigfilename=" + config +
                                  "\n[Options]\nLanguage=" + std::to_string(language) + "\n");
    }
    void Edit(const std::string& file, const std::string& from, const std::string& to) const {
        std::string text = ReadFile(m_dir.File(file));
        if (!from.empty()) text.replace(text.find(from), from.size(), to);
        WriteFile(m_dir.File(file), text);
    }

    // The program run by the shell on the demo's settings, its output caught in files.
    Ran Run(const std::vector<std::string>& arguments) const {
        std::string command = TRELINK_CTL " --settings '" + m_settings + "'";
        for (const std::string& argument : arguments) command += " '" + argument + "'";
        const std::string out = m_output.File("stdout"), err = m_output.File("stderr");
        const int status = std::system((command + " >" + out + " 2>" + err).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }
    Ran RunJson(std::vector<std::string> arguments) const {
        arguments.push_back("--json");
        return Run(arguments);
    }

    TempDir m_dir;
    TempDir m_output;
    std::string m_config = m_dir.File("trelinkconfig.xml");
    std::string m_settings = m_dir.File("trelinkkonfigurator.ini");
};

struct Expected {
    std::string pointer;
    Json value;
};

struct SubcommandCase {
    std::vector<std::string> arguments;
    std::string shown;
    std::vector<Expected> json;
    std::string stored = {};  // what the configuration holds afterwards
};

// Each subcommand on a fresh demo, for people and for scripts.
const SubcommandCase kSubcommands[] = {
    {{"list"},
     "2  Trelink USB-Adapterbox UB-3       ja     nein      40963",
     {{"/entries/1/error/code", 40963},
      {"/entries/0/default", true},
      {"/entries/2/active", false},
      {"/entries/2/typeName", "Trelink Einsteckkarte PK-2 (PCI)"}}},
    {{"show", "1"},
     "Übertragungsrate      Baudrate       500         kBit/s   PT_ENUM      1000|500|250|125",
     {{"/settings/1/choices", {"1000", "500", "250", "125"}},
      {"/settings/0/maximum", 15},
      {"/settings/4/editable", false},
      {"/drivers/0/fileName", "libMTrelinkL1.so"}}},
    {{"types"},
     "4, 2",
     {{"/types/3/canAdd", false},
      {"/types/3/notParallelTo", {4, 2}},
      {"/types/0/free", 3},
      {"/types/4/driver", nullptr},
      {"/types/2/names/en", "Trelink USB adapter box UB-3"}}},
    {{"add", "Trelink USB adapter box UB-3"},
     "Hardware 4 hinzugefügt: Trelink USB-Adapterbox UB-3",
     {{"/entry/number", 4}, {"/entry/type", 3}, {"/entry/error/code", 40963}}},
    {{"remove", "2"}, "Hardware 2 entfernt", {{"/removed/type", 3}}},
    {{"activate", "3"}, "Hardware 3 aktiviert.", {{"/changed", true}, {"/entry/active", true}}},
    {{"activate", "1"}, "bereits aktiv", {{"/changed", false}}},
    {{"deactivate", "1"}, "deaktiviert", {{"/entry/active", false}, {"/entry/default", false}}},
    {{"default", "2"}, "jetzt die Standardhardware", {{"/entry/default", true}}},
    {{"set", "1", "Antwortzeit", "7"},
     "Gespeichert wurde 10, nicht der angegebene Wert 7.",
     {{"/setting/value", "10"}, {"/setting/oldValue", "100"}, {"/setting/adjusted", true}},
     "<Antwortzeit>10</Antwortzeit>"},
    {{"set", "1", "DeviceNr", "3"},
     "erfolgreich übertragen",
     {{"/transfer/code", 0}, {"/setting/adjusted", false}},
     "<DeviceNr>3</DeviceNr>"},
    {{"set", "2", "DeviceNr", "6", "--keep-on-failure"},
     "<Gerätenummer> = 6",
     {{"/transfer/code", 40963}},
     "<DeviceNr>6</DeviceNr>"},
    {{"check"}, "keine Fehler gefunden", {{"/findings", Json::array()}}},
    {{"diagnose", "1"}, "Gerätestatus:\nDas Gerät ist betriebsbereit.", {{"/result/code", 0}}},
    {{"scan", "1", "--yes"}, ":\n\n 3, 17, 42, 100,\n", {{"/nodes", {3, 17, 42, 100}}}},
};

TEST_F(CtlTest, EverySubcommandAnswersPeopleAndScripts) {
    for (const SubcommandCase& c : kSubcommands) {
        Reset();
        const Ran human = Run(c.arguments);
        EXPECT_EQ(human.exitCode, 0) << ::testing::PrintToString(c.arguments) << human.err;
        EXPECT_NE(human.out.find(c.shown), std::string::npos)
            << ::testing::PrintToString(c.arguments) << human.out;
        Reset();
        const Ran script = RunJson(c.arguments);
        EXPECT_EQ(script.At("/exitCode"), 0) << ::testing::PrintToString(c.arguments) << script.out;
        EXPECT_EQ(script.At("/command"), c.arguments[0]);
        for (const Expected& expected : c.json) {
            EXPECT_EQ(script.At(expected.pointer), expected.value)
                << ::testing::PrintToString(c.arguments) << expected.pointer;
        }
        EXPECT_NE(ReadFile(m_config).find(c.stored), std::string::npos)
            << ::testing::PrintToString(c.arguments);
    }
}

struct RefusalCase {
    std::string from, to;  // what the demo's file is changed to first
    std::vector<std::string> arguments;
    int exitCode;
    std::string kind, reason;
    std::vector<Expected> json;
    std::string file = "trelinkconfig.xml";
};

// Commands that must be refused, each with its reason.
const RefusalCase kRefusals[] = {
    {"", "", {"add", "4"}, 1, "driverMissing", "trelinkpci4.ko ist nicht installiert", {}},
    {"<HWType>3</HWType>",
     "<HWType>2</HWType>",
     {"add", "Trelink plug-in card PK-2 (PCI)"},
     1,
     "limitReached",
     "maximale Anzahl der Hardware diesen Typs ist erreicht. Höchstzahl: 2, belegt von "
     "Hardware 2, 3.",
     {{"/error/maximum", 2}, {"/error/entries", {2, 3}}}},
    {"<HWType>3</HWType>",
     "<HWType>4</HWType>",
     {"activate", "3"},
     1,
     "incompatible",
     "nicht kompatibler Hardwaretyp aktiv ist. Aktiv und nicht kompatibel: Hardware 2 "
     "(Trelink PCI-Karte PK-4 (Altgerät)).",
     {{"/error/entries", {2}}}},
    {"", "", {"default", "3"}, 1, "notActive", "Hardware 3 ist nicht aktiv", {}},
    {"",
     "",
     {"set", "1", "Baudrate", "300"},
     1,
     "notAChoice",
     "Möglich sind: 1000, 500, 250, 125",
     {{"/error/choices", {"1000", "500", "250", "125"}}}},
    {"", "", {"set", "1", "Seriennummer", "x"}, 1, "notEditable", "<Seriennummer>", {}},
    {"", "", {"set", "1", "Nope", "x"}, 1, "noSetting", "keine Einstellung Nope", {}},
    {"",
     "",
     {"set", "2", "DeviceNr", "6"},
     4,
     "transferFailed",
     "Der alte Wert bleibt",
     {{"/error/result/code", 40963}}},
    {"", "", {"scan", "1"}, 1, "needsYes", "zum Absturz des Busses führen", {}},
    {"", "", {"remove", "9"}, 1, "noEntry", "keine Hardware 9", {{"/error/entries", 3}}},
    {"", "", {"add", "PK-9"}, 1, "unknownType", "keinen Hardwaretyp PK-9", {}},
    {"Nodes=\"3 17 42 100\"/>",
     "Nodes=\"3 17 42 100\"><Fault Call=\"ScanBus\" Code=\"12345\"/></Adapter>",
     {"scan", "1", "--yes"},
     4,
     "scanFailed",
     "12345",
     {{"/error/result/code", 12345}, {"/nodes", Json::array()}},
     "mtrelinksim.xml"},
};

TEST_F(CtlTest, ARefusalNamesItsReasonAndLeavesTheFileAlone) {
    for (const RefusalCase& c : kRefusals) {
        for (const bool json : {false, true}) {
            Reset();
            Edit(c.file, c.from, c.to);
            const std::string before = ReadFile(m_config);
            const Ran ran = json ? RunJson(c.arguments) : Run(c.arguments);
            EXPECT_EQ(ran.exitCode, c.exitCode) << ::testing::PrintToString(c.arguments) << ran.err;
            EXPECT_EQ(ReadFile(m_config), before) << ::testing::PrintToString(c.arguments);
            if (!json) {
                EXPECT_NE(ran.err.find(c.reason), std::string::npos) << ran.err;
                continue;
            }
            EXPECT_EQ(ran.At("/error/kind"), c.kind) << ::testing::PrintToString(c.arguments);
            for (const Expected& expected : c.json) {
                EXPECT_EQ(ran.At(expected.pointer), expected.value) << expected.pointer;
            }
        }
    }
}

// An empty file cannot be read, a read-only one cannot be saved.
TEST_F(CtlTest, AFileThatCannotBeReadOrSavedEndsWithOneLineAndCodeThree) {
    for (const bool readOnly : {false, true}) {
        Reset();
        if (readOnly) ::chmod(m_config.c_str(), 0444);
        if (!readOnly) WriteFile(m_config, "");
        const Ran ran = Run({"activate", "3"});
        EXPECT_EQ(ran.exitCode, 3) << readOnly;
        EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
        EXPECT_EQ(RunJson({"activate", "3"}).At("/exitCode"), 3) << readOnly;
        std::filesystem::remove_all(m_config);
    }
}

TEST_F(CtlTest, AHostileNameCannotSteerTheTerminalOrBreakTheObject) {
    Edit("trelinkconfig.xml", "Trelink Aufsteckadapter TA-1</HWName49>", "\x1b[2J\xffX</HWName49>");
    const Ran human = Run({"list"});
    EXPECT_EQ(human.exitCode, 0);
    EXPECT_EQ(human.out.find('\x1b'), std::string::npos);
    EXPECT_NE(human.out.find("?[2J"), std::string::npos);
    const Ran script = RunJson({"list"});
    EXPECT_EQ(script.At("/exitCode"), 0) << script.out;
}

TEST_F(CtlTest, TheCommandLineIsCheckedBeforeAnythingIsDone) {
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"frob"}, 2},      {{"--lang", "fr", "list"}, 2},    {{"remove", "0"}, 2},
        {{"show", "x"}, 2}, {{"set", "1", "Antwortzeit"}, 2}, {{}, 2},
        {{"--help"}, 0},    {{"scan", "--help"}, 0},
    };
    for (const auto& [arguments, exitCode] : cases) {
        const Ran ran = Run(arguments);
        EXPECT_EQ(ran.exitCode, exitCode) << ::testing::PrintToString(arguments);
        EXPECT_NE(
            (exitCode == 0 ? ran.out : ran.err).find(exitCode == 0 ? "Exit status" : "--help"),
            std::string::npos)
            << ::testing::PrintToString(arguments);
    }
    EXPECT_NE(Run({"scan", "--help"}).out.find("can bring the bus down"), std::string::npos);
}

TEST_F(CtlTest, TheLanguageAndTheFileComeFromTheSettingsUnlessGiven) {
    WriteSettings(m_config, 44);
    EXPECT_EQ(RunJson({"list"}).At("/entries/0/typeName"), "Trelink plug-on adapter TA-1");
    EXPECT_EQ(RunJson({"--lang", "de", "list"}).At("/entries/0/typeName"),
              "Trelink Aufsteckadapter TA-1");
    // The bus driver is told the file given, not the one the settings name.
    WriteSettings(m_dir.File("elsewhere.xml"), 49);
    const Ran ran = RunJson({"--config", m_config, "diagnose", "1"});
    EXPECT_EQ(ran.At("/result/code"), 0) << ran.out;
    EXPECT_EQ(ran.At("/language"), "de");
}

TEST_F(CtlTest, AChangeWaitsForTheLockAnotherProgramHolds) {
    const std::string before = ReadFile(m_config);
    auto held = std::make_unique<ConfigFileLock>(m_config, 0ms);
    ASSERT_TRUE(held->IsHeld());
    std::thread release([&] {
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(ReadFile(m_config), before);
        held.reset();
    });
    EXPECT_EQ(Run({"deactivate", "1"}).exitCode, 0);
    release.join();
    EXPECT_NE(ReadFile(m_config), before);
}

}  // namespace
}  // namespace trelink
