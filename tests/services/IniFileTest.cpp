#include "services/IniFile.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(IniFileTest, ReadingGivesTheStoredValueOrTheDefault) {
    TempDir folder;
    const IniFile missing(folder.File("none.ini"));
    EXPECT_EQ(missing.ReadString("XMLConfig", "Configfilename", "trelinkconfig.xml"),
              "trelinkconfig.xml");
    EXPECT_EQ(missing.ReadInt("Options", "Language", 44), 44);

    WriteFile(folder.File("a.ini"),
              "Language=49\n"  // before any section: belongs to none
              "[XMLConfig]\n"
              "Configfilename=demo.xml\n"
              "Empty=\n"
              "[Other]\n"
              "Language=12\n");
    const IniFile ini(folder.File("a.ini"));
    EXPECT_EQ(ini.ReadString("XMLConfig", "Configfilename", "x"), "demo.xml");
    EXPECT_EQ(ini.ReadString("XMLConfig", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("XMLConfig", "Language", "x"), "x");
    EXPECT_EQ(ini.ReadInt("Options", "Language", 44), 44);
}

TEST(IniFileTest, NamesMatchWithoutRegardToCaseAndTheFirstMatchWins) {
    TempDir folder;
    WriteFile(folder.File("a.ini"),
              "  [ options ]\n"
              "  LANGUAGE = 49\n"
              "language=12\n"
              "[OPTIONS]\n"
              "Language=13\n"
              "Other=7\n");
    const IniFile ini(folder.File("a.ini"));
    EXPECT_EQ(ini.ReadInt("Options", "Language", 0), 49);
    // A key missing from the first section is still found in a later one of the same name.
    EXPECT_EQ(ini.ReadInt("options", "other", 0), 7);
}

TEST(IniFileTest, ValuesAreTheRawTextWithoutSurroundingBlanks) {
    TempDir folder;
    WriteFile(folder.File("a.ini"),
              "\xEF\xBB\xBF[XMLConfig]\r\n"
              "Configfilename = \t \"C:\\Pfad mit Blanks\\a=b.xml\" ; kein Kommentar\t \r\n");
    const IniFile ini(folder.File("a.ini"));
    EXPECT_EQ(ini.ReadString("XMLConfig", "Configfilename", ""),
              "\"C:\\Pfad mit Blanks\\a=b.xml\" ; kein Kommentar");
}

TEST(IniFileTest, IntegersAreTheLeadingDigitsWithTheirSign) {
    TempDir folder;
    WriteFile(folder.File("a.ini"),
              "[N]\n"
              "Negative=-12abc\n"
              "Plus=+7\n"
              "Spaced= 44 \n"
              "Letters=abc\n"
              "Sign=-\n"
              "Empty=\n"
              "Huge=99999999999\n");
    const IniFile ini(folder.File("a.ini"));
    EXPECT_EQ(ini.ReadInt("N", "Negative", 0), -12);
    EXPECT_EQ(ini.ReadInt("N", "Plus", 0), 7);
    EXPECT_EQ(ini.ReadInt("N", "Spaced", 0), 44);
    EXPECT_EQ(ini.ReadInt("N", "Letters", 5), 5);
    EXPECT_EQ(ini.ReadInt("N", "Sign", 5), 5);
    EXPECT_EQ(ini.ReadInt("N", "Empty", 5), 5);
    EXPECT_EQ(ini.ReadInt("N", "Huge", 0), 2147483647);
}

TEST(IniFileTest, WritingOneKeyKeepsEveryOtherLine) {
    TempDir folder;
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
    WriteFile(folder.File("a.ini"), before);
    const IniFile ini(folder.File("a.ini"));
    ASSERT_TRUE(ini.WriteInt("Options", "Language", 44));
    std::string after = before;
    after.replace(after.find("language =  49   "), 17, "language =  44");
    EXPECT_EQ(ReadFile(folder.File("a.ini")), after);
    EXPECT_EQ(ini.ReadInt("Options", "Language", 0), 44);

    const std::string crlf = "[Options]\r\nLanguage=49\r\n\r\n[X]\r\nA=1\r\n";
    WriteFile(folder.File("b.ini"), crlf);
    ASSERT_TRUE(IniFile(folder.File("b.ini")).WriteInt("OPTIONS", "LANGUAGE", -44));
    EXPECT_EQ(ReadFile(folder.File("b.ini")), "[Options]\r\nLanguage=-44\r\n\r\n[X]\r\nA=1\r\n");
}

TEST(IniFileTest, WritingAddsAMissingKeyOrSection) {
    TempDir folder;
    WriteFile(folder.File("a.ini"),
              "[Options]\r\n"
              "Other=1\r\n"
              "\r\n"
              "[XMLConfig]\r\n"
              "Configfilename=a.xml");
    const IniFile ini(folder.File("a.ini"));
    ASSERT_TRUE(ini.WriteInt("Options", "Language", 49));
    ASSERT_TRUE(ini.WriteInt("New", "Value", 1));
    ASSERT_TRUE(ini.WriteInt("XMLConfig", "Key", 2));
    EXPECT_EQ(ReadFile(folder.File("a.ini")),
              "[Options]\r\n"
              "Other=1\r\n"
              "Language=49\r\n"
              "\r\n"
              "[XMLConfig]\r\n"
              "Configfilename=a.xml\r\n"
              "Key=2\r\n"
              "\r\n"
              "[New]\r\n"
              "Value=1\r\n");
}

TEST(IniFileTest, TheFirstWriteCreatesTheFile) {
    TempDir folder;
    const IniFile ini(folder.File("new.ini"));
    ASSERT_TRUE(ini.WriteInt("Options", "Language", 49));
    EXPECT_EQ(ReadFile(folder.File("new.ini")), "[Options]\nLanguage=49\n");
    EXPECT_EQ(ini.ReadInt("Options", "Language", 44), 49);
}

TEST(IniFileTest, AFileThatCannotBeReadOrWrittenIsLeftAsItWas) {
    TempDir folder;
    // A folder in the file's place cannot be read; writing must not replace it.
    std::filesystem::create_directory(folder.File("dir.ini"));
    EXPECT_FALSE(IniFile(folder.File("dir.ini")).WriteInt("Options", "Language", 49));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("dir.ini")));

    // Without any write permission bit the file counts as read-only, even for root.
    WriteFile(folder.File("ro.ini"), "[Options]\nLanguage=49\n");
    ::chmod(folder.File("ro.ini").c_str(), 0444);
    EXPECT_FALSE(IniFile(folder.File("ro.ini")).WriteInt("Options", "Language", 44));
    EXPECT_EQ(ReadFile(folder.File("ro.ini")), "[Options]\nLanguage=49\n");

    // Names that would break the file's lines are refused.
    const IniFile ini(folder.File("a.ini"));
    EXPECT_FALSE(ini.WriteInt("Options", "Lang\nuage", 1));
    EXPECT_FALSE(ini.WriteInt("Opt]ions", "Language", 1));
    EXPECT_FALSE(ini.WriteInt("Options", "A=B", 1));
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
