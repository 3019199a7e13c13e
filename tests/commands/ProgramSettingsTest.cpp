#include "commands/ProgramSettings.h"

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

TEST(ProgramSettingsTest, EachReadHasItsOwnDefaultAndALanguageWrittenIsReadBack) {
    const test::TempDir dir;
    const struct {
        std::string file;  // empty: no settings file at all
        std::string configFileName, configuredFileName;
        int language;
    } cases[] = {
        {"", "trelinkconfig.xml", "", ProgramSettings::kEnglish},
        {"[xmlconfig]\nCONFIGFILENAME = /x/c.xml \n[Options]\nLanguage=49\n", "/x/c.xml",
         "/x/c.xml", ProgramSettings::kGerman},
        {"[XMLConfig]\nConfigfilename=\n[Options]\nLanguage=x\n", "", "",
         ProgramSettings::kEnglish},
    };
    for (const auto& c : cases) {
        const std::string path = dir.File("settings.ini");
        std::filesystem::remove(path);
        if (!c.file.empty()) test::WriteFile(path, c.file);
        const ProgramSettings settings(path);
        EXPECT_EQ(settings.ConfigFileName(), c.configFileName) << c.file;
        EXPECT_EQ(settings.ConfiguredFileName(), c.configuredFileName) << c.file;
        EXPECT_EQ(settings.Language(), c.language) << c.file;
        // What is written is read back, the rest of the file stays.
        ASSERT_TRUE(settings.WriteLanguage(ProgramSettings::kGerman)) << c.file;
        EXPECT_EQ(settings.Language(), ProgramSettings::kGerman) << c.file;
        EXPECT_EQ(settings.ConfiguredFileName(), c.configuredFileName) << c.file;
    }
}

}  // namespace
}  // namespace trelink
