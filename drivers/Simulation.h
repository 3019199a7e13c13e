#pragma once

#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "drivers/SimulatedAdapter.h"

namespace trelink::sim {

// The simulation file: which adapters exist, whether they are plugged in, which nodes answer
// on their bus and which faults they inject. A missing file is a world without adapters.
class Simulation {
public:
    // Where the simulation file is: MTRELINK_SIMULATION when set, else "mtrelinksim.xml"
    // beside the configuration file.
    static std::string PathFor(const std::string& configPath);

    // kOk (also for a missing file) or kSimulationUnreadable.
    std::int32_t Load(const std::string& path);

    // The first adapter of that type and device number.
    std::optional<SimulatedAdapter> Find(std::uint8_t type, std::int32_t deviceNumber) const;

    // Renumbers the first adapter of type/oldNumber and rewrites the file: kOk or
    // kSimulationNotWritten. The caller has made sure that the adapter exists.
    std::int32_t SetDeviceNumber(std::uint8_t type, std::int32_t oldNumber, std::int32_t newNumber);

private:
    pugi::xml_node FindElement(std::uint8_t type, std::int32_t deviceNumber) const;
    static SimulatedAdapter ReadAdapter(const pugi::xml_node& element);

    std::string m_path;
    pugi::xml_document m_document;
    pugi::xml_encoding m_encoding = pugi::encoding_utf8;
};

}  // namespace trelink::sim
