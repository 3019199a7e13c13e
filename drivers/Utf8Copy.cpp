#include "drivers/Utf8Copy.h"

#include <algorithm>
#include <cstring>

namespace trelink::lookup {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void CopyUtf8Truncated(std::string_view text, std::int32_t capacity, char* buffer) {
    if (buffer == nullptr || capacity < 1) return;
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
    // A continuation byte right after the cut means the cut splits a sequence: drop it whole.
    while (length > 0 && length < text.size() && IsContinuationByte(text[length])) --length;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace trelink::lookup
