#pragma once

#include <pugixml.hpp>
#include <string>

namespace trelink::sim {

// An element's text as the driver layer reads it: all text and CDATA below the element,
// concatenated in document order, untrimmed.
std::string ElementText(const pugi::xml_node& element);

}  // namespace trelink::sim
