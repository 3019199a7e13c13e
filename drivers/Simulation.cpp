#include "drivers/Simulation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <system_error>

#include "drivers/AtomicWrite.h"
#include "drivers/IntText.h"
#include "drivers/L1ResultCodes.h"

namespace trelink::sim {

namespace {

constexpr char kEnvironmentVariable[] = "MTRELINK_SIMULATION";
constexpr char kDefaultFileName[] = "mtrelinksim.xml";
constexpr char kAdapter[] = "Adapter";
constexpr char kFault[] = "Fault";
constexpr std::size_t kMaxNodes = 255;  // the count ScanBus hands out is one byte
constexpr int kLargestNode = 255;

// Keeps the file as written (comments, declaration, layout) when SetHardwareID rewrites it.
constexpr unsigned kParseOptions = pugi::parse_full | pugi::parse_ws_pcdata;

// "3 17 42" or "3, 17, 42": tokens that are not a node address 0..255 are skipped, and so are
// repeated ones.
std::vector<std::uint8_t> ParseNodes(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == ',' || c == ';'; }, ' ');
    std::vector<std::uint8_t> nodes;
    std::set<int> seen;
    std::istringstream in(text);
    for (std::string token; nodes.size() < kMaxNodes && in >> token;) {
        const bool digitsOnly =
            token.size() <= 3 && token.find_first_not_of("0123456789") == std::string::npos;
        const int node = digitsOnly ? AtoiText(token) : -1;
        if (node >= 0 && node <= kLargestNode && seen.insert(node).second) {
            nodes.push_back(static_cast<std::uint8_t>(node));
        }
    }
    return nodes;
}

}  // namespace

std::string Simulation::PathFor(const std::string& configPath) {
    const char* fromEnvironment = std::getenv(kEnvironmentVariable);
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') return fromEnvironment;
    return (std::filesystem::path(configPath).parent_path() / kDefaultFileName).string();
}

std::int32_t Simulation::Load(const std::string& path) {
    m_path = path;
    m_document.reset();
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return kOk;
    if (status.type() != std::filesystem::file_type::regular) return kSimulationUnreadable;
    const pugi::xml_parse_result parsed = m_document.load_file(path.c_str(), kParseOptions);
    if (!parsed || !m_document.document_element()) return kSimulationUnreadable;
    m_encoding = parsed.encoding;
    return kOk;
}

std::optional<SimulatedAdapter> Simulation::Find(std::uint8_t type,
                                                 std::int32_t deviceNumber) const {
    const pugi::xml_node element = FindElement(type, deviceNumber);
    if (!element) return std::nullopt;
    return ReadAdapter(element);
}

std::int32_t Simulation::SetDeviceNumber(std::uint8_t type, std::int32_t oldNumber,
                                         std::int32_t newNumber) {
    pugi::xml_node element = FindElement(type, oldNumber);
    if (!element) return kAdapterNotFound;
    pugi::xml_attribute attribute = element.attribute("DeviceNr");
    if (!attribute) attribute = element.append_attribute("DeviceNr");
    attribute.set_value(newNumber);
    std::ostringstream out;
    m_document.save(out, "", pugi::format_raw, m_encoding);
    return WriteFileAtomically(m_path, out.str()) ? kOk : kSimulationNotWritten;
}

pugi::xml_node Simulation::FindElement(std::uint8_t type, std::int32_t deviceNumber) const {
    // Only the two numbers: reading the whole adapter for each element made every call of a
    // large simulation slow.
    for (const pugi::xml_node element : m_document.document_element().children(kAdapter)) {
        if (static_cast<std::uint8_t>(AtoiText(element.attribute("HWType").value())) == type &&
            AtoiText(element.attribute("DeviceNr").value()) == deviceNumber) {
            return element;
        }
    }
    return {};
}

SimulatedAdapter Simulation::ReadAdapter(const pugi::xml_node& element) {
    SimulatedAdapter adapter;
    adapter.type = static_cast<std::uint8_t>(AtoiText(element.attribute("HWType").value()));
    adapter.deviceNumber = AtoiText(element.attribute("DeviceNr").value());
    const pugi::xml_attribute plugged = element.attribute("PluggedIn");
    adapter.pluggedIn = !plugged || AtoiText(plugged.value()) != 0;
    adapter.nodes = ParseNodes(element.attribute("Nodes").value());
    for (const pugi::xml_node fault : element.children(kFault)) {
        const pugi::xml_attribute code = fault.attribute("Code");
        const std::int32_t value =
            code ? ParseLeadingInt(code.value()).value_or(kInjectedFault) : kInjectedFault;
        adapter.faults.emplace(fault.attribute("Call").value(), value);
    }
    return adapter;
}

}  // namespace trelink::sim
