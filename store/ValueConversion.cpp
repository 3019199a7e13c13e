#include "store/ValueConversion.h"

#include <cstdint>

#include "services/IntText.h"

namespace trelink {

namespace {

bool IsNumericType(std::int32_t type) {
    return type == PT_BYTE || type == PT_WORD || type == PT_DWORD || type == PT_SUBRANGE;
}

std::string WithUnit(const std::string& text, const std::string& unit) {
    return text + " " + unit;
}

std::string WithoutUnit(std::string text, const std::string& unit) {
    if (!unit.empty()) {
        const std::size_t at = text.find(unit);
        if (at != std::string::npos) text.erase(at);
    }
    const std::size_t last = text.find_last_not_of(" \t\n\v\f\r");
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

std::int32_t ConvertNumber(const ParameterDefinition& record, const std::string& text) {
    const std::int32_t number = AtoiText(text);
    switch (record.type) {
        case PT_BYTE:
            return static_cast<std::uint8_t>(number);
        case PT_WORD:
            return static_cast<std::uint16_t>(number);
        case PT_SUBRANGE:
            // Maximum first: with crossed bounds every number lands on one of them.
            if (number > record.maximum) return record.maximum;
            if (number < record.minimum) return record.minimum;
            return number;
        default:
            return number;
    }
}

}  // namespace

std::optional<EditRow> EditRowFor(const ParameterDefinition& record) {
    if (IsNumericType(record.type)) {
        return EditRow{EditRow::kFreeText, record.displayName, WithUnit(record.value, record.unit),
                       ""};
    }
    if (record.type != PT_ENUM) return std::nullopt;
    std::string choices;
    for (const std::string& choice : record.choices) choices += WithUnit(choice, record.unit) + "|";
    return EditRow{EditRow::kChoiceList, record.displayName, WithUnit(record.value, record.unit),
                   choices};
}

std::string StandardText(const ParameterDefinition& record) {
    return WithUnit(record.defaultValue, record.unit);
}

std::string ApplyEditedText(ParameterDefinition& record, const std::string& rowText) {
    if (record.type == PT_ENUM) {
        record.value = WithoutUnit(rowText, record.unit);
        return rowText;
    }
    if (!IsNumericType(record.type)) return rowText;
    const std::string number =
        std::to_string(ConvertNumber(record, WithoutUnit(rowText, record.unit)));
    record.value = number;
    return WithUnit(number, record.unit);
}

}  // namespace trelink
