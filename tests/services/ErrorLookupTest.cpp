#include "services/ErrorLookup.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"
#include "tests/services/FirstFolderScope.h"
#include "tests/services/MisbehavingLibrary.h"

namespace trelink {
namespace {

TEST(ErrorLookupTest, AnUnterminatedTextIsCutAndMissingEntryPointsCallNothing) {
    test::MisbehavingLibrary fake("ErrorLookUp.dll");
    ASSERT_TRUE(fake.IsLoaded());
    // Only an instance asked for it resolves SetLanguage.
    ErrorLookup withoutLanguage;
    withoutLanguage.SetLanguage(44);
    EXPECT_EQ(fake.Calls(), "");

    ErrorLookup lookup(true);
    lookup.SetLanguage(44);
    // The test library fills every byte it may and never terminates.
    EXPECT_EQ(lookup.Description(41245), std::string(255, 'x'));
    EXPECT_EQ(fake.Calls(), "SetLanguage(44) GetErrorDescription(41245,255)");
    // It has no GetSolution.
    EXPECT_EQ(lookup.Remedy(41245), "");
}

// Each failure names the error of the file that was there: decimal first, then lower-case hex.
TEST(ErrorLookupTest, AMissingLibraryIsReportedWithItsErrorCodeAndGivesEmptyTexts) {
    const test::TempDir folder;
    const test::FirstFolderScope scope(folder.Path().string());
    if (void* installed = ::dlopen("libErrorLookUp.so", RTLD_NOW)) {
        ::dlclose(installed);
        GTEST_SKIP() << "libErrorLookUp.so is installed on this system";
    }
    std::vector<std::string> messages;
    const auto sink = [&messages](const std::string& text) { messages.push_back(text); };
    ErrorLookup missing(true, sink);
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_EQ(missing.Description(0), "");
    EXPECT_EQ(missing.Remedy(41245), "");
    missing.SetLanguage(44);

    std::filesystem::create_directory(folder.File("libErrorLookUp.so"));
    ErrorLookup folderInItsPlace(false, sink);
    std::filesystem::remove(folder.File("libErrorLookUp.so"));
    folder.Write("libErrorLookUp.so", "not a library");
    ErrorLookup notALibrary(false, sink);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Can't load ErrorLookUp.dll. Error code: 2 (2)",
                            "Can't load ErrorLookUp.dll. Error code: 21 (15)",
                            "Can't load ErrorLookUp.dll. Error code: 8 (8)",
                        }));
}

TEST(ErrorLookupTest, TextsComeInTheLanguageSetLast) {
    ErrorLookup lookup(true);
    ASSERT_TRUE(lookup.IsLoaded()) << "libErrorLookUp.so is not beside the test program";
    EXPECT_EQ(lookup.Description(kOk), "Das Gerät ist betriebsbereit.");
    const std::string germanRemedy = lookup.Remedy(kBusDriverNotLoaded);
    EXPECT_NE(germanRemedy, "");

    lookup.SetLanguage(44);
    EXPECT_EQ(lookup.Description(kOk), "The device is ready for operation.");
    EXPECT_NE(lookup.Remedy(kBusDriverNotLoaded), "");
    EXPECT_NE(lookup.Remedy(kBusDriverNotLoaded), germanRemedy);
    lookup.SetLanguage(49);
    EXPECT_EQ(lookup.Remedy(kBusDriverNotLoaded), germanRemedy);
}

}  // namespace
}  // namespace trelink
