// Cost of the configuration check and of the list of types that the add command offers, on
// generated catalogues of 8 types with 10 settings each (three of them unique).
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "services/PlatformDirectories.h"
#include "store/ConfigChecker.h"
#include "store/ConfigDocument.h"
#include "store/HardwareOffer.h"

namespace trelink {
namespace {

constexpr int kTypeCount = 8;
constexpr int kSettingCount = 10;
constexpr int kUniqueSettings = 3;

std::string Number(int n) {
    return std::to_string(n);
}

std::string CheckEntry(int n) {
    const int type = 1 + n % kTypeCount;
    std::string xml = "<Hardware><IsActive>" + Number(n % 2) + "</IsActive><IsDefault>" +
                      (n == 1 ? "1" : "0") + "</IsDefault><ErrorCode>0</ErrorCode><HWType>" +
                      Number(type) + "</HWType>";
    for (int s = 0; s < kSettingCount; ++s) {
        // Every seventh entry repeats a value, so the check has findings to report.
        const int value = n % 7 == 0 ? s : n * 100 + s;
        xml += "<S" + Number(s) + ">" + Number(value) + "</S" + Number(s) + ">";
    }
    return xml + "</Hardware>\n";
}

std::string CheckType(int type) {
    // The last type's driver file is never created, so the offer drops it.
    std::string xml = "<Type" + Number(type) + "><HWName44>Type " + Number(type) +
                      "</HWName44><DriverName>%SYS%\\libbench" + Number(type) +
                      ".so.1.2</DriverName><Resources>";
    for (int s = 0; s < kSettingCount; ++s)
        xml += "<ParameterName>S" + Number(s) + "</ParameterName>";
    xml += "</Resources>";
    for (int s = 0; s < kSettingCount; ++s) {
        xml += "<S" + Number(s) + " Type=\"PT_DWORD\" Default=\"0\" DisplayName44=\"Setting " +
               Number(s) + "\"" + (s < kUniqueSettings ? " Unique=\"1\"" : "") + ">0</S" +
               Number(s) + ">";
    }
    return xml + "</Type" + Number(type) + ">\n";
}

std::string CheckConfigurationXml(int entries) {
    std::string xml = "<?xml version=\"1.0\"?>\n<Root>\n<configuration>\n";
    for (int n = 1; n <= entries; ++n) xml += CheckEntry(n);
    xml += "</configuration>\n<Hardwaretypes>\n";
    for (int t = 1; t <= kTypeCount; ++t) xml += "<TypeId>Type" + Number(t) + "</TypeId>\n";
    for (int t = 1; t <= kTypeCount; ++t) xml += CheckType(t);
    return xml + "</Hardwaretypes>\n</Root>\n";
}

// A folder with the generated configuration and the driver files, removed at the end.
class CheckBenchFolder : public PlatformDirectories {
public:
    explicit CheckBenchFolder(int entries) {
        std::string pattern = (std::filesystem::temp_directory_path() / "trelink-bench-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) return;
        m_folder = pattern;
        std::ofstream(m_folder + "/trelinkconfig.xml") << CheckConfigurationXml(entries);
        std::string elf(64, '\0');
        elf.replace(0, 7,
                    "\x7f"
                    "ELF\x02\x01\x01");
        for (int t = 1; t < kTypeCount; ++t) {
            std::ofstream(m_folder + "/libbench" + Number(t) + ".so.1.2") << elf;
        }
        m_loaded = m_document.SetConfigFile(m_folder + "/trelinkconfig.xml") == kOk;
        m_document.SetLanguage(44);
    }
    ~CheckBenchFolder() override {
        std::error_code ignored;
        if (!m_folder.empty()) std::filesystem::remove_all(m_folder, ignored);
    }
    std::string SystemDirectory() const override { return m_folder; }

    bool Loaded() const { return m_loaded; }
    const ConfigDocument& Document() const { return m_document; }

private:
    std::string m_folder;
    ConfigDocument m_document;
    bool m_loaded = false;
};

void BM_CheckConfiguration(benchmark::State& state) {
    const CheckBenchFolder folder(static_cast<int>(state.range(0)));
    if (!folder.Loaded()) return state.SkipWithError("cannot write the configuration");
    const ConfigChecker checker(folder.Document());
    std::size_t findings = 0;
    for (auto _ : state) {
        CheckFindingList list;
        checker.CheckConfiguration(list);
        findings = list.size();
        benchmark::DoNotOptimize(list);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckConfiguration)
    ->Arg(64)
    ->Arg(256)
    ->Arg(1000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

void BM_HardwareOffer(benchmark::State& state) {
    const CheckBenchFolder folder(static_cast<int>(state.range(0)));
    if (!folder.Loaded()) return state.SkipWithError("cannot write the configuration");
    const HardwareOffer offer(folder.Document(), folder);
    std::size_t offered = 0;
    for (auto _ : state) {
        TextList names;
        offer.Collect(names);
        offered = names.size();
        benchmark::DoNotOptimize(names);
    }
    state.counters["offered"] = static_cast<double>(offered);
}
BENCHMARK(BM_HardwareOffer)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelink
