#pragma once

#include <cstdint>
#include <string>

namespace trelink::lookup {

enum class Language { German, English };

// Description and suggested remedy of a result code, UTF-8. Codes without texts of their own
// get a text that names the number.
std::string Description(std::int32_t code, Language language);
std::string Solution(std::int32_t code, Language language);

}  // namespace trelink::lookup
