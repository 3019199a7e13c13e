#pragma once

#include <optional>
#include <string>

#include "commands/CommandContext.h"
#include "services/ResultCodes.h"
#include "store/TextList.h"

namespace trelink {

struct SettingChangeOutcome {
    enum class Status {
        kWritten,
        kNoSuchSetting,
        kNotEditable,     // the setting's type offers no editing
        kNotAChoice,      // the value is none of the choices the value dialog offers
        kNoValueElement,  // the entry has no element for the setting, which editing never adds
        kTransferFailed,  // the device number did not reach the adapter; nothing written
        kNotSaved,        // the file could not be saved
        kWriteFailed,     // another failure of the write; result tells which
    };
    Status status = Status::kWritten;
    Result result = kOk;
    std::string name;         // parameter name of the setting found
    std::string displayName;  // in the document's language
    std::string unit;
    std::string oldValue;
    std::string storedValue;  // what the conversion made of the value given
    // The stored value is not what was given: clamped to the bounds, wrapped to the type's
    // width, or read as a number from a text that was more than one.
    bool adjusted = false;
    std::optional<Result> transfer;  // the device number transfer's result, when one ran
    TextList choices;                // the choices, highest attribute number first
};

// Changes one setting of an entry as the value dialog and the main window change it: the
// value given takes the place of the dialog's row text and is converted by the setting's type;
// a new device number is transferred to the adapter before it is written.
class SettingChange {
public:
    SettingChange(const CommandContext& context, int hardwareNumber)
        : m_context(context), m_hardwareNumber(hardwareNumber) {}

    // setting: the display name in the document's language, or the parameter name. A failed
    // transfer leaves the old value unless keepAfterFailedTransfer.
    SettingChangeOutcome Apply(const std::string& setting, const std::string& value,
                               bool keepAfterFailedTransfer);

private:
    bool HasValueElement(const std::string& name) const;

    CommandContext m_context;
    int m_hardwareNumber;
};

}  // namespace trelink
