#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trelink {

// Reads an integer the way C's atoi does: leading white space, an optional sign, then decimal
// digits up to the first other character. Unlike atoi, a number beyond the 32-bit range
// saturates at the bound instead of being undefined. Empty when there are no digits.
std::optional<std::int32_t> ParseLeadingInt(std::string_view text);

// As ParseLeadingInt, with 0 when the text holds no digits.
std::int32_t AtoiText(std::string_view text);

}  // namespace trelink
