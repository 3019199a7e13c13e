#include "services/IniFile.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using test::ReadFile;
using test::TempDir;

TEST(IniFileTest, ReadingMatchesNamesWithoutRegardToCaseAndGivesTheRawValue) {
    const TempDir folder;
    const IniFile missing(folder.File("none.ini"));
    EXPECT_EQ(missing.ReadString("XMLConfig", "Configfilename", "trelinkconfig.xml"),
              "trelinkconfig.xml");

    const IniFile ini(
        folder.Write("a.ini",
                     "\xEF\xBB\xBF  [ xmlconfig ]\r\n"
                     "Configfilename = \t \"C:\\Pfad mit Blanks\\a=b.xml\" ; kein Kommentar\t \r\n"
                     "Empty=\n"
                     "  LANGUAGE = 12\n"
                     "language=13\n"
                     "[XMLCONFIG]\n"
                     "Other=7\n"));
    EXPECT_EQ(ini.ReadString("XMLConfig", "Configfilename", ""),
              "\"C:\\Pfad mit Blanks\\a=b.xml\" ; kein Kommentar");
    EXPECT_EQ(ini.ReadString("XMLConfig", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadInt("XMLConfig", "Language", 0), 12);
    // A key missing from the first section is still found in a later one of the same name; the
    // caller's names match without the blanks around them, as the file's do.
    EXPECT_EQ(ini.ReadInt(" xmlconfig\t", "OTHER ", 0), 7);
    EXPECT_EQ(ini.ReadInt("Options", "Language", 44), 44);
}

TEST(IniFileTest, IntegersAreTheLeadingDigitsWithTheirSignOrTheDefault) {
    const TempDir folder;
    const IniFile ini(
        folder.Write("a.ini", "[N]\nA=-12abc\nB=+7\nC= 44 \nD=abc\nE=-\nF=\nG=99999999999\n"));
    const std::pair<const char*, int> expected[] = {
        {"A", -12}, {"B", 7}, {"C", 44}, {"D", 5}, {"E", 5}, {"F", 5}, {"G", 2147483647}};
    for (const auto& [key, value] : expected) EXPECT_EQ(ini.ReadInt("N", key, 5), value) << key;
}

TEST(IniFileTest, WritingOneKeyKeepsEveryOtherLine) {
    const TempDir folder;
    const std::string before =
        "; Einstellungen des Konfigurators\n"
        "\n"
        "[XMLConfig]\n"
        "Configfilename = /etc/trelink/trelinkconfig.xml\n"
        "\n"
        "[options]\n"
        "# remark\n"
        "language =  49   \n"
        "Language=12\n"
        "\n"
        "[Other]\n"
        "Language=3";
    const IniFile ini(folder.Write("a.ini", before));
    ASSERT_TRUE(ini.WriteInt("Options", "Language", 44));
    std::string after = before;
    after.replace(after.find("language =  49   "), 17, "language =  44");
    EXPECT_EQ(ReadFile(folder.File("a.ini")), after);
    EXPECT_EQ(ini.ReadInt("Options", "Language", 0), 44);

    const IniFile crlf(folder.Write("b.ini", "[Options]\r\nLanguage=49\r\n\r\n[X]\r\nA=1\r\n"));
    ASSERT_TRUE(crlf.WriteInt("OPTIONS", "LANGUAGE", -44));
    EXPECT_EQ(ReadFile(folder.File("b.ini")), "[Options]\r\nLanguage=-44\r\n\r\n[X]\r\nA=1\r\n");
}

// A section name may occur twice: a key goes where reading finds it, a new key into the first.
TEST(IniFileTest, WritingAddsAMissingKeyOrSectionOrTheFile) {
    const TempDir folder;
    const IniFile ini(folder.Write("a.ini",
                                   "[Options]\r\nOther=1\r\n\r\n[XMLConfig]\r\nConfigfilename=a.xml"
                                   "\r\n[options]\r\nLast=2"));
    ASSERT_TRUE(ini.WriteInt("Options", "Language", 49));
    ASSERT_TRUE(ini.WriteInt("New", "Value", 1));
    ASSERT_TRUE(ini.WriteInt("XMLConfig", "Key", 2));
    ASSERT_TRUE(ini.WriteInt("OPTIONS", "Last", 3));
    EXPECT_EQ(ReadFile(folder.File("a.ini")),
              "[Options]\r\nOther=1\r\nLanguage=49\r\n\r\n"
              "[XMLConfig]\r\nConfigfilename=a.xml\r\nKey=2\r\n[options]\r\nLast=3\r\n\r\n"
              "[New]\r\nValue=1\r\n");

    ASSERT_TRUE(IniFile(folder.File("new.ini")).WriteInt(" Options", "Language\t", 49));
    EXPECT_EQ(ReadFile(folder.File("new.ini")), "[Options]\nLanguage=49\n");

    // A last line that ends in a carriage return alone keeps its value when a line follows.
    const IniFile lone(folder.Write("cr.ini", "[A]\nKey=x \r"));
    EXPECT_EQ(lone.ReadString("A", "Key", ""), "x");
    ASSERT_TRUE(lone.WriteInt("New", "Value", 1));
    EXPECT_EQ(lone.ReadString("A", "Key", ""), "x");
    EXPECT_EQ(ReadFile(folder.File("cr.ini")), "[A]\nKey=x \r\n\n[New]\nValue=1\n");
}

// What lies at the path and behind it, as far as a write could change it.
std::string FingerprintOf(const std::string& path) {
    struct stat link {};
    struct stat target {};
    EXPECT_EQ(::lstat(path.c_str(), &link), 0) << path;
    EXPECT_EQ(::stat(path.c_str(), &target), 0) << path;
    return std::to_string(link.st_ino) + " " + std::to_string(target.st_ino) + " " +
           std::to_string(target.st_mode) + " " + std::to_string(target.st_size);
}

// A reader that never stops at /dev/zero must fail in the child, not exhaust the machine.
void LimitMemory() {
#ifndef __SANITIZE_ADDRESS__  // the sanitizer reserves far more address space than this
    constexpr rlim_t kLimit = rlim_t{2} << 30;
    const rlimit limit{kLimit, kLimit};
    ::setrlimit(RLIMIT_AS, &limit);
#endif
}

// A link to a zero device of the test's own (like /dev/zero), so that a write that wrongly goes
// through the link replaces nothing of the system's.
void LinkToZeroDevice(const std::string& path) {
    constexpr unsigned kMemoryDevices = 1;
    constexpr unsigned kZero = 5;
    const std::string device = path + ".zero";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(kMemoryDevices, kZero)) != 0) return;
    std::filesystem::create_symlink(device, path);
}

// A FIFO would block the reader for good and /dev/zero never ends; each case runs in a child
// under a watchdog, so that such a regression fails the test instead of hanging it.
TEST(IniFileTest, WhatIsNoSettingsFileReadsAsTheDefaultsAndIsNotReplaced) {
    constexpr unsigned kWatchdogSeconds = 20;
    constexpr std::size_t kOverLargeBytes = (1u << 20) + 1;
    const std::string settings = "[Options]\nLanguage=49\n";
    const std::pair<const char*, std::function<void(const std::string&)>> cases[] = {
        {"FIFO", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); }},
        {"link to a zero device", LinkToZeroDevice},
        {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }},
        {"file over 1 MiB",
         [&](const std::string& path) {
             test::WriteFile(path, settings + std::string(kOverLargeBytes, ';'));
         }},
    };
    for (const auto& [name, make] : cases) {
        const TempDir folder;
        const std::string path = folder.File("a.ini");
        make(path);
        if (!std::filesystem::exists(path)) continue;  // no device nodes for this user
        const std::string before = FingerprintOf(path);
        const auto readAndWrite = [&] {
            ::alarm(kWatchdogSeconds);
            LimitMemory();
            const IniFile ini(path);
            const bool defaults = ini.ReadInt("Options", "Language", 44) == 44 &&
                                  ini.ReadString("Options", "Language", "x") == "x";
            std::exit(defaults && !ini.WriteInt("Options", "Language", 1) ? 0 : 1);
        };
        EXPECT_EXIT(readAndWrite(), ::testing::ExitedWithCode(0), "") << name;
        EXPECT_EQ(FingerprintOf(path), before) << name;
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
    EXPECT_FALSE(ini.WriteInt("Options", "Lang\nuage", 1));
    EXPECT_FALSE(ini.WriteInt("Opt]ions", "Language", 1));
    EXPECT_FALSE(ini.WriteInt("Options", "A=B", 1));
    EXPECT_FALSE(ini.WriteInt("Options", " [A]", 1));
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
