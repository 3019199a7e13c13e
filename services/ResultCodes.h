#pragma once

#include <cstdint>

namespace trelink {

// Every operation of the tool reports a 32-bit signed result; 0 is success. The bus-driver
// library's own codes live in the same number range, so codes are never given a meaning
// beyond "0 = success" except for the tool's own ones below.
using Result = std::int32_t;

inline constexpr Result kOk = 0;
inline constexpr Result kCannotLoad = 41233;
inline constexpr Result kUnknownTypeName = 41238;
inline constexpr Result kCannotSave = 41240;
inline constexpr Result kNoConfigurationElement = 41241;
inline constexpr Result kBusDriverNotLoaded = 41245;
inline constexpr Result kXmlParserMissing = 41246;
// The platform's invalid-pointer code, kept because callers and stored texts know it.
inline constexpr Result kInvalidPointer = static_cast<Result>(0x80004003u);

}  // namespace trelink
