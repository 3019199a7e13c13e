// The C entry points of libErrorLookUp.so.
#include "drivers/ErrorLookUp.h"

#include <atomic>

#include "drivers/ErrorTexts.h"
#include "drivers/Utf8Copy.h"

namespace {

using trelink::lookup::Language;

constexpr std::int32_t kGerman = 49;
constexpr std::int32_t kEnglish = 44;

std::atomic<Language>& CurrentLanguage() {
    static std::atomic<Language> language{Language::German};
    return language;
}

template <typename Text>
void Answer(Text text, std::int32_t code, std::int32_t capacity, char* buffer) {
    if (buffer == nullptr || capacity < 1) return;
    try {
        trelink::lookup::CopyUtf8Truncated(text(code, CurrentLanguage().load()), capacity, buffer);
    } catch (...) {
        // Out of memory for a short string: an empty text is better than an escaping exception.
        buffer[0] = '\0';
    }
}

}  // namespace

extern "C" {

void GetErrorDescription(std::int32_t code, std::int32_t capacity, char* buffer) {
    Answer(trelink::lookup::Description, code, capacity, buffer);
}

void GetSolution(std::int32_t code, std::int32_t capacity, char* buffer) {
    Answer(trelink::lookup::Solution, code, capacity, buffer);
}

void SetLanguage(std::int32_t language) {
    if (language == kGerman) CurrentLanguage() = Language::German;
    if (language == kEnglish) CurrentLanguage() = Language::English;
}

}  // extern "C"
