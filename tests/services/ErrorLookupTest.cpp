#include "services/ErrorLookup.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trelink
