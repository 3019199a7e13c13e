#pragma once

#include <optional>
#include <string>

#include "store/ParameterDefinition.h"

namespace trelink {

// The one row in which a setting is edited: what the value dialog shows, without any notion
// of how it is drawn.
struct EditRow {
    enum Kind : int { kChoiceList = 0, kFreeText = 1 };

    int kind = kFreeText;
    std::string name;     // the setting's display name
    std::string text;     // value, a blank, unit
    std::string choices;  // "choice unit|" for each choice, highest number first
};

// The row for a setting of an editable type (PT_BYTE, PT_WORD, PT_DWORD, PT_SUBRANGE,
// PT_ENUM); empty for every other type, which is shown but not edited.
std::optional<EditRow> EditRowFor(const ParameterDefinition& record);

// The row text that restores the default: default value, a blank, unit.
std::string StandardText(const ParameterDefinition& record);

// Takes the confirmed row text into the record's value, converted by the setting's type, and
// returns the row text to show from then on. The unit and what follows it are cut off first.
// Numbers of PT_BYTE and PT_WORD wrap to 8 and 16 bits, PT_SUBRANGE is clamped to its bounds
// (the maximum tested first), PT_ENUM keeps the text as it is.
std::string ApplyEditedText(ParameterDefinition& record, const std::string& rowText);

}  // namespace trelink
