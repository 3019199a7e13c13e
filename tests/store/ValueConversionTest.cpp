#include "store/ValueConversion.h"

#include <gtest/gtest.h>

namespace trelink {
namespace {

using namespace std::string_literals;

ParameterDefinition Setting(std::int32_t type, const std::string& unit = "", int minimum = -1,
                            int maximum = -1) {
    ParameterDefinition record("P");
    record.displayName = "Anzeige";
    record.type = type;
    record.unit = unit;
    record.minimum = minimum;
    record.maximum = maximum;
    return record;
}

// The value stored and the row text shown after applying text.
std::pair<std::string, std::string> Apply(ParameterDefinition record, const std::string& text) {
    const std::string row = ApplyEditedText(record, text);
    return {record.value, row};
}

TEST(ValueConversionTest, OnlyFiveTypesGetARowAndTheOthersKeepTheirValue) {
    for (std::int32_t type = PT_VOID; type <= PT_UDINT; ++type) {
        const bool editable = type == PT_BYTE || type == PT_WORD || type == PT_DWORD ||
                              type == PT_SUBRANGE || type == PT_ENUM;
        ParameterDefinition record = Setting(type, "x");
        record.value = "bleibt";
        EXPECT_EQ(EditRowFor(record).has_value(), editable) << type;
        if (!editable) {
            EXPECT_EQ(Apply(record, "7 x").first, "bleibt") << type;
        }
    }
}

TEST(ValueConversionTest, RowsShowValueBlankAndUnitAndListChoicesHighestFirst) {
    ParameterDefinition number = Setting(PT_WORD, "ms");
    number.value = "20";
    const EditRow free = *EditRowFor(number);
    EXPECT_EQ(free.kind, EditRow::kFreeText);
    EXPECT_EQ(free.name, "Anzeige");
    EXPECT_EQ(free.text, "20 ms");

    ParameterDefinition choice = Setting(PT_ENUM, "kBit/s");
    choice.value = "250";
    choice.choices = {"500", "250", "125"};
    const EditRow list = *EditRowFor(choice);
    EXPECT_EQ(list.kind, EditRow::kChoiceList);
    EXPECT_EQ(list.choices, "500 kBit/s|250 kBit/s|125 kBit/s|");

    ParameterDefinition noUnit = Setting(PT_ENUM);
    noUnit.value = "an";
    noUnit.choices = {"aus", "an"};
    noUnit.defaultValue = "aus";
    EXPECT_EQ(EditRowFor(noUnit)->text, "an ");
    EXPECT_EQ(EditRowFor(noUnit)->choices, "aus |an |");
    EXPECT_EQ(StandardText(noUnit), "aus ");
}

TEST(ValueConversionTest, ByteAndWordWrapDwordKeepsSign) {
    EXPECT_EQ(Apply(Setting(PT_BYTE, "ms"), "300 ms"), std::make_pair("44"s, "44 ms"s));
    EXPECT_EQ(Apply(Setting(PT_BYTE), "-1"), std::make_pair("255"s, "255 "s));
    EXPECT_EQ(Apply(Setting(PT_WORD), "65536").first, "0");
    EXPECT_EQ(Apply(Setting(PT_WORD), "-2").first, "65534");
    EXPECT_EQ(Apply(Setting(PT_DWORD, "Hz"), "-70000 Hz"), std::make_pair("-70000"s, "-70000 Hz"s));
    EXPECT_EQ(Apply(Setting(PT_DWORD), "abc").first, "0");
    EXPECT_EQ(Apply(Setting(PT_DWORD), "  +12x").first, "12");
}

TEST(ValueConversionTest, SubrangeClampsMaximumFirst) {
    EXPECT_EQ(Apply(Setting(PT_SUBRANGE, "ms", 10, 20), "5 ms").first, "10");
    EXPECT_EQ(Apply(Setting(PT_SUBRANGE, "ms", 10, 20), "25 ms").first, "20");
    EXPECT_EQ(Apply(Setting(PT_SUBRANGE, "ms", 10, 20), "15 ms"), std::make_pair("15"s, "15 ms"s));
    EXPECT_EQ(Apply(Setting(PT_SUBRANGE), "0").first, "-1");
    // Crossed bounds: everything above the maximum takes it, the rest the minimum.
    EXPECT_EQ(Apply(Setting(PT_SUBRANGE, "", 20, 10), "15").first, "10");
    EXPECT_EQ(Apply(Setting(PT_SUBRANGE, "", 20, 10), "5").first, "20");
}

TEST(ValueConversionTest, UnitIsCutAtItsFirstOccurrenceThenTrailingBlanks) {
    // "m" occurs inside "5m0 m": everything from its first occurrence goes.
    EXPECT_EQ(Apply(Setting(PT_DWORD, "m"), "5m0 m").first, "5");
    // An enumeration keeps its text and leaves the row alone.
    EXPECT_EQ(Apply(Setting(PT_ENUM, "V"), " 2 V  extra"), std::make_pair(" 2"s, " 2 V  extra"s));
    EXPECT_EQ(Apply(Setting(PT_ENUM), "frei gewählt \t ").first, "frei gewählt");
    EXPECT_EQ(Apply(Setting(PT_ENUM, "s"), "   ").first, "");
}

}  // namespace
}  // namespace trelink
