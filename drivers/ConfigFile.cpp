#include "drivers/ConfigFile.h"

#include "drivers/IntText.h"
#include "drivers/L1ResultCodes.h"
#include "drivers/XmlText.h"

#include <filesystem>
#include <system_error>

namespace trelink::sim {

namespace {

constexpr char kConfiguration[] = "configuration";
constexpr char kHardware[] = "Hardware";
constexpr char kHwType[] = "HWType";
constexpr char kDeviceNr[] = "DeviceNr";
constexpr char kIsActive[] = "IsActive";

}  // namespace

std::int32_t ConfigFile::Load(const std::string& path) {
    // pugixml would happily open a directory or a device; only a plain file is a configuration.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return kConfigUnreadable;
    const pugi::xml_parse_result parsed = m_document.load_file(path.c_str());
    if (!parsed || !m_document.document_element()) {
        m_document.reset();
        return kConfigUnreadable;
    }
    return kOk;
}

std::vector<HardwareEntry> ConfigFile::Entries() const {
    std::vector<HardwareEntry> entries;
    const pugi::xml_node configuration = m_document.document_element().child(kConfiguration);
    std::int32_t number = 0;
    for (const pugi::xml_node hardware : configuration.children(kHardware)) {
        entries.push_back(ReadEntry(hardware, ++number));
    }
    return entries;
}

std::optional<HardwareEntry> ConfigFile::Entry(std::int32_t number) const {
    if (number < 1) return std::nullopt;
    const pugi::xml_node configuration = m_document.document_element().child(kConfiguration);
    std::int32_t count = 0;
    for (const pugi::xml_node hardware : configuration.children(kHardware)) {
        if (++count == number) return ReadEntry(hardware, number);
    }
    return std::nullopt;
}

HardwareEntry ConfigFile::ReadEntry(const pugi::xml_node& hardware, std::int32_t number) {
    HardwareEntry entry;
    entry.number = number;
    entry.type = static_cast<std::uint8_t>(AtoiText(ElementText(hardware.child(kHwType))));
    entry.deviceNumber = AtoiText(ElementText(hardware.child(kDeviceNr)));
    entry.active = AtoiText(ElementText(hardware.child(kIsActive))) == 1;
    return entry;
}

}  // namespace trelink::sim
