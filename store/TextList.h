#pragma once

#include <string>
#include <vector>

namespace trelink {

// Ordered list of texts: query results, type names, setting names, check findings.
using TextList = std::vector<std::string>;

}  // namespace trelink
