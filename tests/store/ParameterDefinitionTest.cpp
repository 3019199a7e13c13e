#include "store/ParameterDefinition.h"

#include <climits>

#include <gtest/gtest.h>

#include "store/ConfigDocument.h"
#include "store/XmlElements.h"

namespace trelink {
namespace {

// Parses one definition element and builds its record in the given language.
std::unique_ptr<ParameterDefinition> Definition(const std::string& element, int language = 0) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(element.c_str()));
    return DefinitionFromElement(document.first_child(), "P", language);
}

TEST(ParameterDefinitionTest, AttributesAreTakenAsTheyStand) {
    const auto bounds = [](const std::string& attributes) {
        const auto record = Definition("<P " + attributes + "/>");
        return std::make_pair(record->minimum, record->maximum);
    };
    EXPECT_EQ(bounds(""), std::make_pair(-1, -1));
    EXPECT_EQ(bounds(R"(Min="" Max="x7")"), std::make_pair(0, 0));
    EXPECT_EQ(bounds(R"(Min="  -12abc" Max="99999999999")"), std::make_pair(-12, INT_MAX));
    for (const std::string text : {"1", "true", "01", " 1", "1 ", ""}) {
        EXPECT_EQ(Definition(R"(<P Unique=")" + text + R"("/>)")->unique, text == "1") << text;
    }
    // Display names fall back to language 0 only.
    const std::string names = R"(<P DisplayName0="Null" DisplayName49="Deutsch"/>)";
    EXPECT_EQ(Definition(names, 49)->displayName, "Deutsch");
    EXPECT_EQ(Definition(names, 44)->displayName, "Null");
    EXPECT_EQ(Definition(R"(<P DisplayName49="Deutsch"/>)", 44)->displayName, "");
    // Choices run from the highest number down and stop at the first gap.
    EXPECT_EQ(Definition(R"(<P Val1="" Val2="b" Val4="d"/>)")->choices, (TextList{"b", ""}));
    const auto text = Definition(R"(<P Unit=" ms " Default=" 5 ">text <b>in</b> parts</P>)");
    EXPECT_EQ(text->value + "|" + text->unit + "|" + text->defaultValue, "text in parts| ms | 5 ");
}

TEST(ParameterDefinitionTest, TypeNamesMatchWholeAndTypeIdsNameTheNumberAfterFourCharacters) {
    const std::pair<const char*, std::int32_t> names[] = {
        {"PT_ENUM", PT_ENUM},   {"PT_BYTE", PT_BYTE}, {"PT_SUBRANGE", PT_SUBRANGE},
        {"PT_UDINT", PT_UDINT}, {"pt_byte", PT_VOID}, {"PT_BYTE ", PT_VOID},
        {"", PT_VOID},
    };
    for (const auto& [name, code] : names) {
        EXPECT_EQ(Definition(std::string(R"(<P Type=")") + name + R"("/>)")->type, code) << name;
    }
    const std::pair<const char*, int> typeIds[] = {
        {"Type07", 7}, {"Xyzw12", 12}, {"Type300", 44}, {"Type-1", 255}, {"Ty", 0}};
    for (const auto& [typeId, number] : typeIds) {
        EXPECT_EQ(TypeNumberFromTypeId(typeId), number) << typeId;
    }
}

}  // namespace
}  // namespace trelink
