#pragma once

#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace trelink::sim {

// What the driver needs to know of one "Hardware" entry of the configuration.
struct HardwareEntry {
    std::int32_t number = 0;  // 1-based position among the "Hardware" elements
    std::uint8_t type = 0;    // "HWType", modulo 256
    std::int32_t deviceNumber = 0;
    bool active = false;
};

// The configuration file as the driver reads it: the "Hardware" children of the first
// "configuration" element below the root, nothing else.
class ConfigFile {
public:
    // kOk, or kConfigUnreadable when the file is missing, unreadable or not XML.
    std::int32_t Load(const std::string& path);

    std::vector<HardwareEntry> Entries() const;
    // Empty when there is no entry with that number.
    std::optional<HardwareEntry> Entry(std::int32_t number) const;

private:
    static HardwareEntry ReadEntry(const pugi::xml_node& hardware, std::int32_t number);

    pugi::xml_document m_document;
    std::vector<pugi::xml_node> m_hardware;  // in document order
};

}  // namespace trelink::sim
