#include "drivers/ConfigFile.h"

#include "drivers/IntText.h"
#include "drivers/L1ResultCodes.h"
#include "drivers/XmlText.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace trelink::sim {

namespace {

constexpr char kConfiguration[] = "configuration";
constexpr char kHardware[] = "Hardware";
constexpr char kHwType[] = "HWType";
constexpr char kDeviceNr[] = "DeviceNr";
constexpr char kIsActive[] = "IsActive";

bool IsElement(const pugi::xml_node& node, const char* name) {
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

}  // namespace

std::int32_t ConfigFile::Load(const std::string& path) {
    // pugixml would happily open a directory or a device; only a plain file is a configuration.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return kConfigUnreadable;
    const pugi::xml_parse_result parsed = m_document.load_file(path.c_str());
    m_hardware.clear();
    if (!parsed || !m_document.document_element()) {
        m_document.reset();
        return kConfigUnreadable;
    }
    // Elements only, as the tool counts them: a processing instruction may carry any name.
    const pugi::xml_node configuration = m_document.document_element().find_child(
        [](const pugi::xml_node& node) { return IsElement(node, kConfiguration); });
    for (const pugi::xml_node node : configuration.children()) {
        if (IsElement(node, kHardware)) m_hardware.push_back(node);
    }
    return kOk;
}

std::vector<HardwareEntry> ConfigFile::Entries() const {
    std::vector<HardwareEntry> entries;
    for (std::size_t i = 0; i < m_hardware.size(); ++i) {
        entries.push_back(ReadEntry(m_hardware[i], static_cast<std::int32_t>(i + 1)));
    }
    return entries;
}

std::optional<HardwareEntry> ConfigFile::Entry(std::int32_t number) const {
    if (number < 1 || static_cast<std::size_t>(number) > m_hardware.size()) return std::nullopt;
    return ReadEntry(m_hardware[static_cast<std::size_t>(number) - 1], number);
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
