#include "services/SharedLibrary.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "services/BusDriverLibrary.h"
#include "services/BusDriverSession.h"
#include "services/ErrorLookup.h"
#include "services/ProgramPath.h"
#include "tests/common/TempDir.h"
#include "tests/services/MisbehavingLibrary.h"

namespace trelink {
namespace {

using test::TempDir;

constexpr std::size_t kKiB = 1024;

// The stand-in built beside the test program, cut to its first size bytes.
std::string Shortened(const std::string& fileName, std::size_t size) {
    return test::ReadFile(ProgramFolder() + "/" + fileName).substr(0, size);
}

// Ends the child process of a death test with 0 when it saw what it expected.
[[noreturn]] void ExitWith(bool expected, const std::string& seen) {
    if (!expected) std::fprintf(stderr, "%s\n", seen.c_str());
    std::exit(expected ? 0 : 1);
}

// With the real error lookup loaded under its soname, a search by the system loader finds that
// one; the library in the given folder must win all the same.
TEST(SharedLibraryTest, TheGivenFolderIsAskedBeforeTheSystemSearch) {
    void* real = ::dlopen((ProgramFolder() + "/libErrorLookUp.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(real, nullptr);
    void* bySystem = ::dlopen("libErrorLookUp.so", RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(bySystem, real);
    const auto library = SharedLibrary::Open("ErrorLookUp.DLL", test::kMisbehavingFolder);
    ASSERT_TRUE(library);
    EXPECT_NE(library->Symbol("MisbehavingCalls"), nullptr);
    ::dlclose(bySystem);
    ::dlclose(real);
}

// The system loader maps a library's segments without looking at the file's length and dies of
// SIGBUS touching a page past its end, so each load runs in a child process: a regression fails
// the test instead of killing the test program.
TEST(SharedLibraryTest, ALibraryThatCannotBeLoadedGivesTheErrorOfItsFile) {
    const std::string folderMark = "(a folder)";
    for (const char* bareName : {"MTrelinkL1.dll", "ErrorLookUp.dll"}) {
        const std::string fileName = SharedLibrary::FileNameFor(bareName);
        if (void* installed = ::dlopen(fileName.c_str(), RTLD_NOW)) {
            ::dlclose(installed);
            GTEST_SKIP() << fileName << " is installed on this system";
        }
        // What lies at the library's place: nothing, a folder, text, the library cut short.
        std::vector<std::pair<std::string, int>> cases = {
            {"", ENOENT}, {folderMark, EISDIR}, {"text", ENOEXEC}};
        for (const std::size_t size : {1, 4, 8, 12, 16}) {
            cases.emplace_back(Shortened(fileName, size * kKiB), ENOEXEC);
        }
        for (const auto& [content, error] : cases) {
            const TempDir folder;
            if (content == folderMark) {
                std::filesystem::create_directory(folder.File(fileName));
            } else if (!content.empty()) {
                folder.Write(fileName, content);
            }
            const auto open = [&, error = error] {
                int seen = 0;
                const bool loaded = SharedLibrary::Open(bareName, folder.Path(), &seen) != nullptr;
                ExitWith(!loaded && seen == error,
                         "loaded " + std::to_string(loaded) + ", error " + std::to_string(seen));
            };
            EXPECT_EXIT(open(), ::testing::ExitedWithCode(0), "")
                << fileName << ": " << content.substr(0, 10) << " of " << content.size();
        }
    }
}

// The front ends take a library that cannot be loaded for a missing one.
TEST(SharedLibraryTest, TheFrontEndsReportALibraryThatCannotBeLoaded) {
    const TempDir folder;
    for (const char* fileName : {"libMTrelinkL1.so", "libErrorLookUp.so"}) {
        folder.Write(fileName, Shortened(fileName, 4 * kKiB));
    }
    const auto load = [&] {
        BusDriverSession session{LibraryBusDriverFactory(folder.Path())};
        session.TestConnection("trelinkconfig.xml", 1);
        ErrorLookup lookup(folder.Path(), true);
        lookup.SetLanguage(44);
        const auto& failure = lookup.Failure();
        ExitWith(session.LastResult() == kBusDriverNotLoaded && !lookup.IsLoaded() && failure &&
                     failure->fileName == "libErrorLookUp.so" && failure->errorCode == ENOEXEC &&
                     lookup.Description(kOk).empty() && lookup.Remedy(kOk).empty(),
                 "bus driver " + std::to_string(session.LastResult()) + ", lookup " +
                     (failure ? failure->fileName + " " + std::to_string(failure->errorCode)
                              : "loaded"));
    };
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace trelink
