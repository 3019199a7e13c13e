#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trelink::sim {

// Reads an integer as C's atoi does (leading white space, optional sign, decimal digits up to
// the first other character), saturating at the 32-bit bounds instead of overflowing. Empty
// when there are no digits.
std::optional<std::int32_t> ParseLeadingInt(std::string_view text);

// As ParseLeadingInt, 0 when there are no digits.
std::int32_t AtoiText(std::string_view text);

}  // namespace trelink::sim
