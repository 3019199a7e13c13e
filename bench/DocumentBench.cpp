// Cost of the configuration document's operations on generated configurations, saved to a
// real disk folder (the working directory, or TRELINK_BENCH_DIR).
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "services/AtomicFile.h"
#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"

namespace trelink {
namespace {

namespace fs = std::filesystem;

constexpr int kTypes = 8;
constexpr int kSettings = 10;

std::string GeneratedConfiguration(int entries) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TrelinkConfig>\n<configuration>\n";
    for (int n = 1; n <= entries; ++n) {
        const int type = 1 + n % kTypes;
        xml += "<Hardware><IsActive>" + std::to_string(n % 2) + "</IsActive><IsDefault>" +
               (n == 1 ? "1" : "0") + "</IsDefault><ErrorCode>0</ErrorCode><HWType>" +
               std::to_string(type) + "</HWType>";
        for (int s = 0; s < kSettings; ++s) {
            xml += "<Setting" + std::to_string(s) + ">" + std::to_string(n * 100 + s) +
                   "</Setting" + std::to_string(s) + ">";
        }
        xml += "</Hardware>\n";
    }
    xml += "</configuration>\n<Hardwaretypes>\n";
    for (int t = 1; t <= kTypes; ++t) xml += "<TypeId>Type" + std::to_string(t) + "</TypeId>\n";
    for (int t = 1; t <= kTypes; ++t) {
        const std::string element = "Type" + std::to_string(t);
        xml += "<" + element + "><HWName49>Typ " + std::to_string(t) +
               "</HWName49><HWName44>Type " + std::to_string(t) +
               "</HWName44><MaxNumHW>300</MaxNumHW><Resources>";
        for (int s = 0; s < kSettings; ++s) {
            xml += "<ParameterName>Setting" + std::to_string(s) + "</ParameterName>";
        }
        xml += "</Resources>";
        for (int s = 0; s < kSettings; ++s) {
            xml += "<Setting" + std::to_string(s) +
                   " Type=\"PT_SUBRANGE\" Min=\"0\" Max=\"100000\" Unit=\"ms\" Default=\"1\" "
                   "DisplayName49=\"Einstellung " +
                   std::to_string(s) + "\" DisplayName44=\"Setting " + std::to_string(s) +
                   "\">0</Setting" + std::to_string(s) + ">";
        }
        xml += "</" + element + ">\n";
    }
    return xml + "</Hardwaretypes>\n</TrelinkConfig>\n";
}

// A folder on a real disk, so that the cost of flushing is part of what is measured.
class BenchFolder {
public:
    BenchFolder() {
        const char* base = std::getenv("TRELINK_BENCH_DIR");
        std::string pattern = (fs::path(base ? base : ".") / "trelink-bench-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) ? pattern : std::string(".");
    }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (fs::path(m_path) / name).string(); }

private:
    std::string m_path;
};

struct OpenDocument {
    explicit OpenDocument(int entries) {
        std::ofstream(path) << GeneratedConfiguration(entries);
        document.SetConfigFile(path);
    }
    BenchFolder folder;
    std::string path = folder.File("trelinkconfig.xml");
    ConfigDocument document;
};

void BM_Load(benchmark::State& state) {
    OpenDocument open(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(open.document.Load());
}
BENCHMARK(BM_Load)->Arg(4)->Arg(64)->Arg(256)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_GetHardwareState(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    OpenDocument open(entries);
    int active = 0, isDefault = 0, code = 0;
    for (auto _ : state) {
        // The last entry is the worst case: every read walks from the root.
        benchmark::DoNotOptimize(open.document.GetHardwareState(entries, active, isDefault, code));
    }
}
BENCHMARK(BM_GetHardwareState)
    ->Arg(4)
    ->Arg(64)
    ->Arg(256)
    ->Arg(1000)
    ->Arg(20000)
    ->Unit(benchmark::kMicrosecond);

// What listing every entry reads: state, type, activity, one setting and the type's name.
void BM_ListEntries(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    OpenDocument open(entries);
    open.document.SetLanguage(44);
    for (auto _ : state) {
        for (int number = 1; number <= entries; ++number) {
            int active = 0, isDefault = 0, code = 0;
            open.document.GetHardwareState(number, active, isDefault, code);
            benchmark::DoNotOptimize(open.document.GetHardwareType(number));
            benchmark::DoNotOptimize(open.document.IsHardwareActive(number));
            ParameterDefinition setting("Setting3");
            open.document.ReadParameter(number, &setting, 0);
            std::string name;
            open.document.GetHardwareName(name, number, "");
            benchmark::DoNotOptimize(name);
        }
    }
}
BENCHMARK(BM_ListEntries)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

// One state write: three value writes, each saving the whole file.
void BM_SetHardwareState(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    OpenDocument open(entries);
    int code = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(open.document.SetHardwareState(entries, 1, 0, ++code));
}
BENCHMARK(BM_SetHardwareState)->Arg(4)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

// Making one entry the default writes every entry's state: 3·n saves.
void BM_MakeDefault(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    OpenDocument open(entries);
    int target = 0;
    for (auto _ : state) {
        target = target % entries + 1;
        benchmark::DoNotOptimize(open.document.SetHardwareState(target, 1, 1, 0));
    }
}
BENCHMARK(BM_MakeDefault)->Arg(4)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond)->Iterations(3);

// One save against its floor: the same bytes written with a plain write, fsync and rename.
void BM_Save(benchmark::State& state) {
    OpenDocument open(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(open.document.Save());
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(fs::file_size(open.path)));
}
BENCHMARK(BM_Save)->Arg(4)->Arg(64)->Arg(256)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_SaveFloor(benchmark::State& state) {
    OpenDocument open(static_cast<int>(state.range(0)));
    open.document.Save();
    std::ifstream in(open.path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string temp = open.path + ".tmp";
    for (auto _ : state) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
        ::rename(temp.c_str(), open.path.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_SaveFloor)->Arg(4)->Arg(64)->Arg(256)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace trelink
