// Reads a settings file, writes one key and checks that the key reads back as written while the
// other keys keep their values.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/ScratchFolder.h"
#include "services/IniFile.h"

namespace {

constexpr std::size_t kMaxNameLength = 16;
constexpr char kDefault[] = "\x01 default";

// Names match without regard to case or the blanks around them.
std::string Canonical(std::string name) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.back())) name.pop_back();
    while (!name.empty() && blank(name.front())) name.erase(name.begin());
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(kMaxNameLength);
    const std::string key = input.ConsumeRandomLengthString(kMaxNameLength);
    const std::string otherSection = input.ConsumeRandomLengthString(kMaxNameLength);
    const std::string otherKey = input.ConsumeRandomLengthString(kMaxNameLength);
    const auto value = input.ConsumeIntegral<std::int32_t>();
    const std::string path =
        trelink::fuzz::ScratchFolder::Get().Write("a.ini", input.ConsumeRemainingBytesAsString());

    const trelink::IniFile ini(path);
    const std::string other = ini.ReadString(otherSection, otherKey, kDefault);
    ini.ReadInt(section, key, 0);
    if (!ini.WriteInt(section, key, value)) return 0;
    using trelink::fuzz::Require;
    Require(ini.ReadInt(section, key, 0) == value, "a written key does not read back");
    Require(ini.ReadString(section, key, kDefault) == std::to_string(value),
            "a written key reads back as another text");
    const bool sameKey =
        Canonical(section) == Canonical(otherSection) && Canonical(key) == Canonical(otherKey);
    Require(sameKey || ini.ReadString(otherSection, otherKey, kDefault) == other,
            "writing one key changed another");
    return 0;
}
