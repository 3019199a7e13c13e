// The table the program's texts come from, as the generator writes it from the catalogues.
#include <sys/wait.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using test::ReadFile;
using test::TempDir;

std::string Catalogue(const std::string& language, const std::string& messages) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" "
           "language=\"" +
           language + "\">\n<context>\n<name></name>\n" + messages + "</context>\n</TS>\n";
}

TEST(CatalogueGeneratorTest, GermanGivesItsSourcesATranslationOnlyWhatItHas) {
    const TempDir dir;
    const std::string german = dir.Write(
        "de.ts", Catalogue("de_DE",
                           "<message id=\"ctl.b\"><source>Zeile 1\nund &quot;2&quot; \\ "
                           "&amp;</source><translation type=\"unfinished\"></translation>"
                           "</message>\n<message id=\"ctl.a\"><source>ja</source></message>\n"));
    const std::string english = dir.Write(
        "en.ts", Catalogue("en_GB",
                           "<message id=\"ctl.a\"><source>ja</source><translation>yes"
                           "</translation></message>\n<message id=\"ctl.b\"><source>x</source>"
                           "<translation type=\"unfinished\"></translation></message>\n"
                           "<message id=\"ctl.c\"><source>y</source><translation "
                           "type=\"vanished\">gone</translation></message>\n"));
    const std::string table = dir.File("table.cpp");
    const std::string command =
        std::string(TRELINK_CATALOGUE_GENERATOR) + " " + table + " " + german + " 44=" + english;
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string text = ReadFile(table);
    // Ordered by id, so the program can search it; quotes, backslashes and breaks escaped.
    EXPECT_NE(text.find("<CatalogueText, 2> kLanguage49{{\n    {\"ctl.a\", \"ja\"},\n    "
                        "{\"ctl.b\", \"Zeile 1\\012und \\\"2\\\" \\\\ &\"},\n}};"),
              std::string::npos)
        << text;
    // Untranslated and vanished texts are left to the German ones.
    EXPECT_NE(text.find("<CatalogueText, 1> kLanguage44{{\n    {\"ctl.a\", \"yes\"},\n}};"),
              std::string::npos)
        << text;
    EXPECT_NE(std::system((command + "x.ts 2>/dev/null").c_str()), 0);
}

}  // namespace
}  // namespace trelink
