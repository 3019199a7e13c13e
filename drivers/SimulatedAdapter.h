#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace trelink::sim {

// One interface adapter as the simulation file describes it.
struct SimulatedAdapter {
    std::uint8_t type = 0;
    std::int32_t deviceNumber = 0;
    bool pluggedIn = true;
    std::vector<std::uint8_t> nodes;             // answering node addresses, in file order
    std::map<std::string, std::int32_t> faults;  // entry point name -> code it fails with

    // The code the named entry point is to fail with, or 0.
    std::int32_t FaultOf(const std::string& entryPoint) const {
        const auto found = faults.find(entryPoint);
        return found == faults.end() ? 0 : found->second;
    }
};

}  // namespace trelink::sim
