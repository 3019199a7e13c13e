#pragma once

// The C interface of the error-lookup library libErrorLookUp.so.

#include <cstdint>

#define ERRORLOOKUP_EXPORT __attribute__((visibility("default")))

extern "C" {

// Both write at most capacity bytes including the terminating zero, never cut a UTF-8
// sequence, and do nothing for a null buffer or a capacity below 1.
ERRORLOOKUP_EXPORT void GetErrorDescription(std::int32_t code, std::int32_t capacity, char* buffer);
ERRORLOOKUP_EXPORT void GetSolution(std::int32_t code, std::int32_t capacity, char* buffer);
// 49 German, 44 English; any other number keeps the current language. German until called.
ERRORLOOKUP_EXPORT void SetLanguage(std::int32_t language);

}  // extern "C"
