// Start-up of trelinkctl plus one command on a configuration of 64 entries: what a provisioning
// script pays per call. The built program is spawned as a script would spawn it, with the
// stand-in libraries beside it; the target for `list` is under 20 ms.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "store/ConfigDocument.h"

extern char** environ;

namespace trelink {
namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 64;
constexpr int kTypesInTurn[] = {1, 2, 3, 5};

// The demo grown to 64 entries in a folder of its own, with a settings file naming it.
class LargeDemo {
public:
    LargeDemo() {
        std::string pattern = (fs::temp_directory_path() / "trelinkctl-bench-XXXXXX").string();
        m_folder = ::mkdtemp(pattern.data()) ? pattern : "";
        for (const char* name : {"trelinkconfig.xml", "mtrelinksim.xml"}) {
            fs::copy_file(fs::path(TRELINK_DEMO_DIR) / name, m_folder / name);
        }
        Grow();
        std::ofstream(Settings()) << "[XMLConfig]\nConfigfilename=" << Config()
                                  << "\n[Options]\nLanguage=49\n";
    }
    ~LargeDemo() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    std::string Config() const { return (m_folder / "trelinkconfig.xml").string(); }
    std::string Settings() const { return (m_folder / "trelinkkonfigurator.ini").string(); }

private:
    void Grow() const {
        ConfigDocument document;
        document.SetConfigFile(Config());
        // Every type may have as many entries as the turn gives it.
        for (const int type : kTypesInTurn) {
            document.SetValue({"Hardwaretypes", "Type" + std::to_string(type), "MaxNumHW"},
                              std::to_string(kEntries), kNoHardware);
        }
        int count = 0;
        document.GetHardwareCount(count);
        for (int turn = 0; count < kEntries; ++turn, ++count) {
            document.AddHardwareOfType(kTypesInTurn[turn % std::size(kTypesInTurn)]);
        }
    }

    fs::path m_folder;
};

// Runs the program to its end with its output thrown away; its exit status, -1 when it did not
// end by itself.
int RunCtl(const std::vector<std::string>& arguments) {
    std::vector<std::string> owned = {TRELINK_CTL};
    owned.insert(owned.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : owned) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

void RunCommand(benchmark::State& state, const std::vector<std::string>& command,
                int exitStatus = 0) {
    const LargeDemo demo;
    std::vector<std::string> arguments = {"--settings", demo.Settings()};
    arguments.insert(arguments.end(), command.begin(), command.end());
    for (auto _ : state) {
        if (RunCtl(arguments) != exitStatus) state.SkipWithError("trelinkctl failed");
    }
}

// The floor: loading the program and parsing its command line, without reading any file.
void BM_CtlStart(benchmark::State& state) {
    RunCommand(state, {"--version"});
}

void BM_CtlList(benchmark::State& state) {
    RunCommand(state, {"list"});
}

void BM_CtlListJson(benchmark::State& state) {
    RunCommand(state, {"list", "--json"});
}

// The grown demo repeats device numbers, so the check has findings to report.
void BM_CtlCheck(benchmark::State& state) {
    RunCommand(state, {"check"}, 1);
}

BENCHMARK(BM_CtlStart)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CtlList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CtlListJson)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CtlCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace trelink
