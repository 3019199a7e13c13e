#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "drivers/ErrorLookUp.h"
#include "drivers/L1ResultCodes.h"
#include "tests/drivers/LoadedLibrary.h"

namespace trelink::test {
namespace {

constexpr std::int32_t kToolBufferCapacity = 255;
using TextFunction = decltype(::GetErrorDescription);

class ErrorLookUpTest : public ::testing::Test {
protected:
    std::string Ask(TextFunction* function, std::int32_t code) const {
        char buffer[kToolBufferCapacity + 1] = {};
        function(code, kToolBufferCapacity, buffer);
        return buffer;
    }

    LoadedLibrary m_library{"libErrorLookUp.so"};
    TextFunction* m_description = m_library.Get<TextFunction>("GetErrorDescription");
    TextFunction* m_solution = m_library.Get<TextFunction>("GetSolution");
    decltype(&::SetLanguage) m_setLanguage = m_library.Get<decltype(::SetLanguage)>("SetLanguage");
};

// German until another known language is chosen; an unknown code gets texts naming it.
TEST_F(ErrorLookUpTest, TextsComeInTheLastKnownLanguageChosen) {
    EXPECT_EQ(Ask(m_description, 0), "Das Gerät ist betriebsbereit.");
    const std::pair<std::int32_t, const char*> steps[] = {{-49, "Unbekannter Fehler -2147483648."},
                                                          {44, "Unknown error -2147483648."},
                                                          {0, "Unknown error -2147483648."},
                                                          {49, "Unbekannter Fehler -2147483648."}};
    for (const auto& [language, description] : steps) {
        m_setLanguage(language);
        const std::int32_t code = std::numeric_limits<std::int32_t>::min();
        EXPECT_EQ(Ask(m_description, code), description) << language;
        EXPECT_NE(Ask(m_solution, code).find(std::to_string(code)), std::string::npos) << language;
    }
}

TEST_F(ErrorLookUpTest, EveryKnownCodeHasItsOwnTextsInBothLanguagesThatFitTheToolsBuffer) {
    std::vector<std::int32_t> codes = {0, 41233, 41238, 41240, 41241, 41245, 41246};
    codes.insert(codes.end(), sim::kAllErrorCodes.begin(), sim::kAllErrorCodes.end());
    for (const std::int32_t language : {49, 44}) {
        m_setLanguage(language);
        std::set<std::string> descriptions;
        for (const std::int32_t code : codes) {
            for (const std::string& text : {Ask(m_description, code), Ask(m_solution, code)}) {
                EXPECT_GT(text.size(), 10u) << code;
                EXPECT_LT(text.size(), static_cast<std::size_t>(kToolBufferCapacity - 1)) << code;
                EXPECT_EQ(text.find(std::to_string(code)), std::string::npos)
                    << code << " fell through to the unknown-code text: " << text;
            }
            EXPECT_TRUE(descriptions.insert(Ask(m_description, code)).second) << code;
        }
    }
}

}  // namespace
}  // namespace trelink::test
