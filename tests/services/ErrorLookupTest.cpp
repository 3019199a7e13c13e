#include "services/ErrorLookup.h"

#include <dlfcn.h>

#include <cerrno>

#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "services/ProgramPath.h"
#include "tests/common/TempDir.h"
#include "tests/services/MisbehavingLibrary.h"

namespace trelink {
namespace {

TEST(ErrorLookupTest, AnUnterminatedTextIsCutAndMissingEntryPointsCallNothing) {
    test::MisbehavingLibrary fake("ErrorLookUp.dll");
    ASSERT_TRUE(fake.IsLoaded());
    // Only an instance asked for it resolves SetLanguage.
    ErrorLookup withoutLanguage(test::kMisbehavingFolder);
    withoutLanguage.SetLanguage(44);
    EXPECT_EQ(fake.Calls(), "");

    ErrorLookup lookup(test::kMisbehavingFolder, true);
    lookup.SetLanguage(44);
    // The test library fills every byte it may and never terminates.
    EXPECT_EQ(lookup.Description(41245), std::string(255, 'x'));
    EXPECT_EQ(fake.Calls(), "SetLanguage(44) GetErrorDescription(41245,255)");
    // It has no GetSolution.
    EXPECT_EQ(lookup.Remedy(41245), "");
}

// Each failure names the file tried and the error of the file that was there.
TEST(ErrorLookupTest, AMissingLibraryIsReportedWithItsErrorCodeAndGivesEmptyTexts) {
    const test::TempDir folder;
    const std::string first = folder.Path().string();
    if (void* installed = ::dlopen("libErrorLookUp.so", RTLD_NOW)) {
        ::dlclose(installed);
        GTEST_SKIP() << "libErrorLookUp.so is installed on this system";
    }
    std::vector<int> codes;
    const auto record = [&codes](const ErrorLookup& lookup) {
        ASSERT_TRUE(lookup.Failure());
        // The file really tried on this platform, not the name of the platform the tool came from.
        EXPECT_EQ(lookup.Failure()->fileName, "libErrorLookUp.so");
        codes.push_back(lookup.Failure()->errorCode);
    };
    ErrorLookup missing(first, true);
    record(missing);
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_EQ(missing.Description(0), "");
    EXPECT_EQ(missing.Remedy(41245), "");
    missing.SetLanguage(44);

    std::filesystem::create_directory(folder.File("libErrorLookUp.so"));
    record(ErrorLookup(first));
    std::filesystem::remove(folder.File("libErrorLookUp.so"));
    folder.Write("libErrorLookUp.so", "not a library");
    record(ErrorLookup(first));
    EXPECT_EQ(codes, (std::vector<int>{ENOENT, EISDIR, ENOEXEC}));
}

TEST(ErrorLookupTest, TextsComeInTheLanguageSetLast) {
    ErrorLookup lookup(ProgramFolder(), true);
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
