#include "services/IniFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using test::ReadFile;
using test::TempDir;

TEST(IniFileTest, ReadingMatchesNamesWithoutRegardToCaseAndGivesTheRawValue) {
    const TempDir folder;
    const IniFile missing(folder.File("none.ini"));
    EXPECT_EQ(missing.ReadString("XMLConfig", "Configfilename", "a.xml"), "a.xml");
    const IniFile ini(TRELINK_TEST_DATA "/ini/read.ini");
    EXPECT_EQ(ini.ReadString("XMLConfig", "Configfilename", ""),
              "\"C:\\Pfad mit Blanks\\a=b.xml\" ; kein Kommentar");
    EXPECT_EQ(ini.ReadString("XMLConfig", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadInt("XMLConfig", "Language", 0), 12);
    // A key missing from the first section is still found in a later one of the same name; the
    // caller's names match without the blanks around them, as the file's do.
    EXPECT_EQ(ini.ReadInt(" xmlconfig\t", "OTHER ", 0), 7);
    EXPECT_EQ(ini.ReadInt("Options", "Language", 44), 44);
    // Integers are the leading digits with their sign, or the default.
    const std::pair<const char*, int> numbers[] = {{"A", -12}, {"B", 7}, {"C", 44},     {"D", 5},
                                                   {"E", 5},   {"F", 5}, {"G", INT_MAX}};
    for (const auto& [key, value] : numbers) EXPECT_EQ(ini.ReadInt("N", key, 5), value) << key;
}

// A key goes where reading finds it, also in a second section of the same name; a new key into
// the first one, a new section at the end; new lines end as the file's lines do. Every other
// byte stays.
TEST(IniFileTest, WritingChangesOrAddsOneLineAndKeepsEveryOtherByte) {
    const TempDir folder;
    const IniFile ini(folder.Write("a.ini", ReadFile(TRELINK_TEST_DATA "/ini/write.ini")));
    EXPECT_TRUE(ini.WriteInt("OPTIONS", "LANGUAGE", 44));
    EXPECT_TRUE(ini.WriteInt("Options", "New", 1));
    EXPECT_TRUE(ini.WriteInt("options", "Last", 3));
    EXPECT_TRUE(ini.WriteInt("XMLConfig", "Key", 2));
    EXPECT_TRUE(ini.WriteInt(" Added ", "Value\t", 1));
    EXPECT_EQ(ReadFile(folder.File("a.ini")), ReadFile(TRELINK_TEST_DATA "/ini/write-written.ini"));

    ASSERT_TRUE(IniFile(folder.File("new.ini")).WriteInt("Options", "Language", 49));
    EXPECT_EQ(ReadFile(folder.File("new.ini")), "[Options]\nLanguage=49\n");
    // A last line that ends in a carriage return alone keeps its value when a line follows.
    const IniFile lone(folder.Write("cr.ini", "[A]\nKey=x \r"));
    EXPECT_EQ(lone.ReadString("A", "Key", ""), "x");
    ASSERT_TRUE(lone.WriteInt("New", "Value", 1));
    EXPECT_EQ(lone.ReadString("A", "Key", ""), "x");
    EXPECT_EQ(ReadFile(folder.File("cr.ini")), "[A]\nKey=x \r\n\n[New]\nValue=1\n");
}

// A FIFO would block the reader for good; each case runs in a child under a watchdog, so that
// such a regression fails the test instead of hanging it.
TEST(IniFileTest, WhatIsNoSettingsFileReadsAsTheDefaultsAndIsNotReplaced) {
    constexpr unsigned kWatchdogSeconds = 20;
    constexpr std::size_t kOverLargeBytes = (1u << 20) + 1;
    const std::pair<const char*, std::function<void(const std::string&)>> cases[] = {
        {"FIFO", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); }},
        {"file over 1 MiB",
         [](const std::string& path) {
             test::WriteFile(path, "[Options]\nLanguage=49\n" + std::string(kOverLargeBytes, ';'));
         }},
    };
    const auto fingerprint = [](const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::lstat(path.c_str(), &st), 0);
        return std::make_tuple(st.st_ino, st.st_mode, st.st_size);
    };
    for (const auto& [name, make] : cases) {
        const TempDir folder;
        const std::string path = folder.File("a.ini");
        make(path);
        const auto before = fingerprint(path);
        const auto readAndWrite = [&] {
            ::alarm(kWatchdogSeconds);
            const IniFile ini(path);
            const bool defaults = ini.ReadInt("Options", "Language", 44) == 44 &&
                                  ini.ReadString("Options", "Language", "x") == "x";
            std::exit(defaults && !ini.WriteInt("Options", "Language", 1) ? 0 : 1);
        };
        EXPECT_EXIT(readAndWrite(), ::testing::ExitedWithCode(0), "") << name;
        EXPECT_EQ(fingerprint(path), before) << name;
    }
}

TEST(IniFileTest, AFileThatMayNotBeWrittenOrNamesThatWouldBreakItsLinesAreRefused) {
    const TempDir folder;
    // Without any write permission bit the file counts as read-only, even for root.
    const std::string readOnly = folder.Write("ro.ini", "[Options]\nLanguage=49\n");
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_FALSE(IniFile(readOnly).WriteInt("Options", "Language", 44));
    EXPECT_EQ(ReadFile(readOnly), "[Options]\nLanguage=49\n");

    const IniFile ini(folder.File("a.ini"));
    const std::pair<const char*, const char*> names[] = {{"Options", "Lang\nuage"},
                                                         {"Opt]ions", "Language"},
                                                         {"Options", "A=B"},
                                                         {"Options", " [A]"}};
    for (const auto& [section, key] : names) {
        EXPECT_FALSE(ini.WriteInt(section, key, 1)) << section << key;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.ini")));
}

TEST(IniFileTest, TheSettingsFileIsTheProgramFileWithTheExtensionIni) {
    EXPECT_EQ(SettingsPathFor("/opt/trelink/TrelinkKonfigurator"),
              "/opt/trelink/TrelinkKonfigurator.ini");
    EXPECT_EQ(SettingsPathFor("/opt/trelink/Trelink.exe"), "/opt/trelink/Trelink.ini");
    EXPECT_EQ(SettingsPathFor("/opt/trelink.d/tool"), "/opt/trelink.d/tool.ini");
    EXPECT_EQ(SettingsPathFor("/opt/bin/.tool"), "/opt/bin/.tool.ini");
}

}  // namespace
}  // namespace trelink
