#pragma once

#include <cstdint>
#include <string_view>

namespace trelink::lookup {

// Copies as much of text into buffer as fits in capacity bytes including the terminating
// zero, ending before a UTF-8 sequence that would not fit whole. A null buffer or a capacity
// below 1 writes nothing.
void CopyUtf8Truncated(std::string_view text, std::int32_t capacity, char* buffer);

}  // namespace trelink::lookup
