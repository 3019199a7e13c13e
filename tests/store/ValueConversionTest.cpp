#include "store/ValueConversion.h"

#include <tuple>

#include <gtest/gtest.h>

namespace trelink {
namespace {

ParameterDefinition Setting(std::int32_t type, const std::string& unit = "", int minimum = -1,
                            int maximum = -1) {
    ParameterDefinition record("P");
    std::tie(record.type, record.unit, record.minimum, record.maximum) =
        std::tie(type, unit, minimum, maximum);
    return record;
}

// The value stored and the row text shown after applying text.
std::pair<std::string, std::string> Apply(ParameterDefinition record, const std::string& text) {
    const std::string row = ApplyEditedText(record, text);
    return {record.value, row};
}

// The row shows the value, a blank and the unit; a setting of another type keeps its value.
TEST(ValueConversionTest, OnlyFiveTypesGetARowAndTheOthersKeepTheirValue) {
    for (std::int32_t type = PT_VOID; type <= PT_UDINT; ++type) {
        const bool editable = type == PT_BYTE || type == PT_WORD || type == PT_DWORD ||
                              type == PT_SUBRANGE || type == PT_ENUM;
        ParameterDefinition record = Setting(type, "x", 0, 9);
        record.value = "bleibt";
        const std::optional<EditRow> row = EditRowFor(record);
        EXPECT_EQ(row ? row->text : "none", editable ? "bleibt x" : "none") << type;
        EXPECT_EQ(Apply(record, "7 x").first, editable ? "7" : "bleibt") << type;
    }
}

TEST(ValueConversionTest, AppliedTextIsCutAtTheUnitAndConvertedByType) {
    struct Case {
        ParameterDefinition setting;
        const char* text;
        std::pair<std::string, std::string> valueAndRow;
    };
    const Case cases[] = {
        // Byte and word wrap, dword keeps its sign; text without digits is 0.
        {Setting(PT_BYTE, "ms"), "300 ms", {"44", "44 ms"}},
        {Setting(PT_BYTE), "-1", {"255", "255 "}},
        {Setting(PT_WORD), "65536", {"0", "0 "}},
        {Setting(PT_WORD), "-2", {"65534", "65534 "}},
        {Setting(PT_DWORD, "Hz"), "-70000 Hz", {"-70000", "-70000 Hz"}},
        {Setting(PT_DWORD), "abc", {"0", "0 "}},
        {Setting(PT_DWORD), "  +12x", {"12", "12 "}},
        // A subrange takes its maximum first, so crossed bounds give the maximum above it and
        // the minimum everywhere else.
        {Setting(PT_SUBRANGE, "ms", 10, 20), "5 ms", {"10", "10 ms"}},
        {Setting(PT_SUBRANGE, "ms", 10, 20), "25 ms", {"20", "20 ms"}},
        {Setting(PT_SUBRANGE, "ms", 10, 20), "15 ms", {"15", "15 ms"}},
        {Setting(PT_SUBRANGE), "0", {"-1", "-1 "}},
        {Setting(PT_SUBRANGE, "", 20, 10), "15", {"10", "10 "}},
        {Setting(PT_SUBRANGE, "", 20, 10), "5", {"20", "20 "}},
        // "m" occurs inside "5m0 m": everything from its first occurrence goes.
        {Setting(PT_ENUM, "m"), "5m0 m", {"5", "5m0 m"}},
        // An enumeration keeps its text, without trailing blanks, and leaves the row alone.
        {Setting(PT_ENUM, "V"), " 2 V  extra", {" 2", " 2 V  extra"}},
        {Setting(PT_ENUM), "frei gewählt \t ", {"frei gewählt", "frei gewählt \t "}},
        {Setting(PT_ENUM, "s"), "   ", {"", "   "}},
    };
    for (const Case& c : cases) EXPECT_EQ(Apply(c.setting, c.text), c.valueAndRow) << c.text;
}

}  // namespace
}  // namespace trelink
