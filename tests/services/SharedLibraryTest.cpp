#include "services/SharedLibrary.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "services/BusDriverLibrary.h"
#include "services/BusDriverSession.h"
#include "services/ErrorLookup.h"
#include "services/ProgramPath.h"
#include "tests/common/TempDir.h"
#include "tests/services/MisbehavingLibrary.h"

namespace trelink {
namespace {

using test::ReadFile;
using test::TempDir;

constexpr int kAsExpected = 0;
constexpr int kNotAsExpected = 1;

// With the real error lookup loaded under its soname, a search by the system loader finds that
// one; the library in the given folder must win all the same.
TEST(SharedLibraryTest, TheGivenFolderIsAskedBeforeTheSystemSearch) {
    void* real = ::dlopen((ProgramFolder() + "/libErrorLookUp.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(real, nullptr);
    void* bySystem = ::dlopen("libErrorLookUp.so", RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(bySystem, real);
    const auto library = SharedLibrary::Open("ErrorLookUp.dll", test::kMisbehavingFolder);
    ASSERT_TRUE(library);
    EXPECT_NE(library->Symbol("MisbehavingCalls"), nullptr);
    ::dlclose(bySystem);
    ::dlclose(real);
}

// The system loader maps a library's segments without looking at the file's length and dies
// of SIGBUS touching a page past its end, so each load runs in a child process: a regression
// fails the test instead of killing the test program.
TEST(SharedLibraryTest, AShortenedLibraryIsRefusedLikeABrokenOneInsteadOfKillingTheProgram) {
    constexpr std::size_t kKiB = 1024;
    for (const char* bareName : {"MTrelinkL1.dll", "ErrorLookUp.dll"}) {
        const std::string fileName = SharedLibrary::FileNameFor(bareName);
        const std::string whole = ReadFile(ProgramFolder() + "/" + fileName);
        ASSERT_GT(whole.size(), 16 * kKiB) << fileName << " is not beside the test program";
        for (const std::size_t size : {kKiB, 4 * kKiB, 8 * kKiB, 12 * kKiB, 16 * kKiB}) {
            const TempDir folder;
            folder.Write(fileName, whole.substr(0, size));
            const auto open = [&] {
                int error = 0;
                const bool loaded =
                    SharedLibrary::Open(bareName, folder.Path().string(), &error) != nullptr;
                std::exit(!loaded && error == ENOEXEC ? kAsExpected : kNotAsExpected);
            };
            EXPECT_EXIT(open(), ::testing::ExitedWithCode(kAsExpected), "")
                << fileName << " cut to " << size << " bytes";
        }
    }
}

// The front ends treat a shortened library like a missing one.
TEST(SharedLibraryTest, TheFrontEndsReportAShortenedLibraryAsNotLoaded) {
    const TempDir folder;
    for (const char* fileName : {"libMTrelinkL1.so", "libErrorLookUp.so"}) {
        folder.Write(fileName, ReadFile(ProgramFolder() + "/" + fileName).substr(0, 4096));
    }
    const auto load = [&] {
        BusDriverSession session{LibraryBusDriverFactory(folder.Path().string())};
        session.TestConnection("trelinkconfig.xml", 1);
        const ErrorLookup lookup(folder.Path().string());
        const bool expected = session.LastResult() == kBusDriverNotLoaded && lookup.Failure() &&
                              lookup.Failure()->errorCode == ENOEXEC;
        std::exit(expected ? kAsExpected : kNotAsExpected);
    };
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(kAsExpected), "");
}

}  // namespace
}  // namespace trelink
