// Loads a configuration, asks every query, writes, adds and removes, saves, loads the saved file
// again and compares what it holds with what the first document held when it was saved.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/ScratchFolder.h"
#include "services/ErrorLookup.h"
#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"

namespace {

using trelink::ConfigDocument;
using trelink::TextList;
using trelink::fuzz::Require;

// More entries only repeat what the first ones exercise.
constexpr int kMaxEntries = 8;

void Add(TextList& lines, const std::string& label, const TextList& texts) {
    lines.push_back(label + ":");
    lines.insert(lines.end(), texts.begin(), texts.end());
}

// Everything the queries give, one line a value, so that two documents can be compared.
TextList Snapshot(const ConfigDocument& document) {
    TextList lines;
    TextList ids;
    TextList names;
    document.GetTypeIds(ids);
    Add(lines, "types", ids);
    document.GetHardwareTypeNames(names);
    Add(lines, "type names", names);
    int count = 0;
    document.GetHardwareCount(count);
    lines.push_back(std::to_string(count));
    for (int number = 1; number <= std::min(count, kMaxEntries); ++number) {
        int isActive = 0, isDefault = 0, errorCode = 0;
        document.GetHardwareState(number, isActive, isDefault, errorCode);
        lines.push_back(std::to_string(isActive) + " " + std::to_string(isDefault) + " " +
                        std::to_string(errorCode) + " " +
                        std::to_string(document.GetHardwareType(number)));
        TextList drivers;
        document.GetDriverNames(number, &drivers, 0);
        Add(lines, "drivers", drivers);
        TextList settings;
        document.ListParameterNamesOfHardware(number, settings);
        for (const std::string& name : settings) {
            trelink::ParameterDefinition record(name);
            document.ReadParameter(number, &record, 0);
            lines.push_back(name + "=" + record.value + " " + std::to_string(record.type));
        }
    }
    return lines;
}

void Change(ConfigDocument& document) {
    document.SetValue({"configuration", "Hardware", "DeviceNr"}, "7", 1);
    document.SetHardwareState(1, 1, 0, 41245);
    TextList types;
    document.GetTypeIds(types);
    if (!types.empty()) document.AddHardwareOfType(std::atoi(types.front().c_str()));
    int count = 0;
    document.GetHardwareCount(count);
    document.RemoveHardware(count > 1 ? 1 : 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = trelink::fuzz::ScratchFolder::Get();
    const std::string path =
        folder.Write("trelinkconfig.xml", {reinterpret_cast<const char*>(data), size});
    ConfigDocument document(nullptr);
    if (document.SetConfigFile(path) != trelink::kOk) return 0;
    Snapshot(document);
    Change(document);
    if (document.Save() != trelink::kOk) return 0;
    ConfigDocument reloaded(nullptr);
    Require(reloaded.SetConfigFile(path) == trelink::kOk, "a saved configuration does not load");
    const TextList saved = Snapshot(document);
    const TextList read = Snapshot(reloaded);
    const auto [differs, readAt] =
        std::mismatch(saved.begin(), saved.end(), read.begin(), read.end());
    if (differs != saved.end() || readAt != read.end()) {
        std::fprintf(stderr, "saved \"%s\", read back \"%s\"\n",
                     differs == saved.end() ? "" : differs->c_str(),
                     readAt == read.end() ? "" : readAt->c_str());
    }
    Require(saved == read, "the file holds other values than were saved");
    return 0;
}
