#include "services/SharedLibrary.h"

#include <dlfcn.h>

#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

#include "services/ProgramPath.h"
#include "tests/common/TempDir.h"
#include "tests/services/FirstFolderScope.h"

namespace trelink {
namespace {

using test::FirstFolderScope;
using test::TempDir;

TEST(SharedLibraryTest, ABareNameBecomesTheLibraryFileName) {
    EXPECT_EQ(SharedLibrary::FileNameFor("MTrelinkL1.dll"), "libMTrelinkL1.so");
    EXPECT_EQ(SharedLibrary::FileNameFor("ErrorLookUp.DLL"), "libErrorLookUp.so");
    EXPECT_EQ(SharedLibrary::FileNameFor("plain"), "libplain.so");
}

TEST(SharedLibraryTest, TheProgramFolderIsLookedInFirstUnlessOverridden) {
    const std::string program = ProgramFilePath();
    ASSERT_TRUE(std::filesystem::path(program).is_absolute());
    EXPECT_EQ(std::filesystem::path(program).filename(), "services_tests");
    EXPECT_EQ(SharedLibrary::FirstFolder(), ProgramFolder());
    {
        FirstFolderScope scope(TRELINK_MISBEHAVING_DIR);
        EXPECT_EQ(SharedLibrary::FirstFolder(), TRELINK_MISBEHAVING_DIR);
    }
    EXPECT_EQ(SharedLibrary::FirstFolder(), ProgramFolder());
}

TEST(SharedLibraryTest, ALoadedLibraryGivesItsEntryPointsByName) {
    FirstFolderScope scope(TRELINK_MISBEHAVING_DIR);
    int error = -1;
    const auto library = SharedLibrary::Open("ErrorLookUp.dll", &error);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(error, -1);  // untouched on success
    EXPECT_NE(library->Symbol("GetErrorDescription"), nullptr);
    EXPECT_EQ(library->Symbol("GetSolution"), nullptr);
    EXPECT_EQ(library->Symbol(nullptr), nullptr);
}

TEST(SharedLibraryTest, AFailedLoadReportsTheErrorOfTheFileThatWasThere) {
    TempDir folder;
    FirstFolderScope scope(folder.Path().string());
    // Stands for the case that the plain name is installed system-wide after all.
    if (void* installed = ::dlopen("libNotThere.so", RTLD_NOW)) {
        ::dlclose(installed);
        GTEST_SKIP() << "libNotThere.so is installed on this system";
    }
    int error = 0;
    EXPECT_EQ(SharedLibrary::Open("NotThere.dll", &error), nullptr);
    EXPECT_EQ(error, ENOENT);

    // The system search finds nothing either, but the folder's own failure is the one told.
    std::filesystem::create_directory(folder.File("libNotThere.so"));
    EXPECT_EQ(SharedLibrary::Open("NotThere.dll", &error), nullptr);
    EXPECT_EQ(error, EISDIR);

    std::filesystem::remove(folder.File("libNotThere.so"));
    test::WriteFile(folder.File("libNotThere.so"), "not a library");
    EXPECT_EQ(SharedLibrary::Open("NotThere.dll", &error), nullptr);
    EXPECT_EQ(error, ENOEXEC);
}

}  // namespace
}  // namespace trelink
