#include "store/ParameterDefinition.h"

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

TEST(ParameterDefinitionTest, ChoicesRunFromTheHighestNumberDownAndStopAtTheFirstGap) {
    EXPECT_EQ(Definition(R"(<P Val1="a" Val2="b" Val3="c"/>)")->choices, (TextList{"c", "b", "a"}));
    EXPECT_EQ(Definition(R"(<P Val1="a" Val3="c"/>)")->choices, (TextList{"a"}));
    EXPECT_TRUE(Definition(R"(<P Val2="b" Val3="c"/>)")->choices.empty());
    EXPECT_EQ(Definition(R"(<P Val1="" Val2="b"/>)")->choices, (TextList{"b", ""}));
}

TEST(ParameterDefinitionTest, DisplayNameFallsBackToLanguageZeroOnly) {
    const std::string both = R"(<P DisplayName0="Null" DisplayName49="Deutsch"/>)";
    EXPECT_EQ(Definition(both, 49)->displayName, "Deutsch");
    EXPECT_EQ(Definition(both, 44)->displayName, "Null");
    EXPECT_EQ(Definition(both, 0)->displayName, "Null");
    EXPECT_EQ(Definition(R"(<P DisplayName49="Deutsch"/>)", 44)->displayName, "");
    EXPECT_EQ(Definition(R"(<P DisplayName49="Deutsch"/>)", 0)->displayName, "");
}

TEST(ParameterDefinitionTest, BoundsAreMinusOneWhenAbsentAndZeroWithoutDigits) {
    const auto absent = Definition("<P/>");
    EXPECT_EQ(std::make_pair(absent->minimum, absent->maximum), std::make_pair(-1, -1));
    const auto noDigits = Definition(R"(<P Min="" Max="x7"/>)");
    EXPECT_EQ(std::make_pair(noDigits->minimum, noDigits->maximum), std::make_pair(0, 0));
    const auto leading = Definition(R"(<P Min="  -12abc" Max="+40.5"/>)");
    EXPECT_EQ(std::make_pair(leading->minimum, leading->maximum), std::make_pair(-12, 40));
    EXPECT_EQ(Definition(R"(<P Max="99999999999"/>)")->maximum, 2147483647);
}

TEST(ParameterDefinitionTest, TextUnitAndDefaultAreTakenAsTheyStand) {
    const auto record = Definition(R"(<P Unit=" ms " Default=" 5 ">text <b>in</b> parts</P>)");
    EXPECT_EQ(record->value, "text in parts");
    EXPECT_EQ(record->unit, " ms ");
    EXPECT_EQ(record->defaultValue, " 5 ");
}

TEST(ParameterDefinitionTest, UniqueOnlyForTheExactTextOne) {
    EXPECT_EQ(Definition(R"(<P Unique="1"/>)")->unique, 1);
    for (const char* text : {"true", "01", " 1", "1 ", ""}) {
        EXPECT_EQ(Definition(std::string(R"(<P Unique=")") + text + R"("/>)")->unique, 0) << text;
    }
}

TEST(ParameterDefinitionTest, TypeNamesMatchWholeAndCaseSensitive) {
    EXPECT_EQ(Definition(R"(<P Type="PT_ENUM"/>)")->type, PT_ENUM);
    const std::pair<const char*, std::int32_t> names[] = {
        {"PT_BYTE", 5}, {"PT_SUBRANGE", 12}, {"PT_USINT", 16}, {"PT_UDINT", 18},
        {"pt_byte", 0}, {"PT_BYTE ", 0},     {"", 0},
    };
    for (const auto& [name, code] : names) {
        EXPECT_EQ(ConfigDocument::ParameterTypeFromName(name), code) << name;
    }
}

TEST(ParameterDefinitionTest, TypeIdsNameTheNumberAfterTheirFirstFourCharacters) {
    EXPECT_EQ(TypeNumberFromTypeId("Type07"), 7);
    EXPECT_EQ(TypeNumberFromTypeId("Xyzw12"), 12);
    EXPECT_EQ(TypeNumberFromTypeId("Type300"), 44);
    EXPECT_EQ(TypeNumberFromTypeId("Type-1"), 255);
    EXPECT_EQ(TypeNumberFromTypeId("Ty"), 0);
}

}  // namespace
}  // namespace trelink
