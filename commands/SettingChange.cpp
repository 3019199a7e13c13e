#include "commands/SettingChange.h"

#include "commands/EntryDetails.h"
#include "commands/SettingEdit.h"
#include "store/ConfigDocument.h"
#include "store/ParameterDefinition.h"
#include "store/ValueConversion.h"

namespace trelink {

namespace {

using Status = SettingChangeOutcome::Status;

ParameterDefinition* FindSetting(const ParameterDefinitionList& records,
                                 const std::string& setting) {
    if (ParameterDefinition* shown = SettingEdit::Find(records, setting)) return shown;
    for (const auto& record : records) {
        if (record->name == setting) return record.get();
    }
    return nullptr;
}

// The row text the choice list puts in place for value: the choice followed by a blank and
// the unit, whether value names the choice with its unit or without.
std::optional<std::string> ChoiceRowText(const ParameterDefinition& record,
                                         const std::string& value) {
    for (const std::string& choice : record.choices) {
        const std::string row = choice + " " + record.unit;
        if (value == choice || value == row) return row;
    }
    return std::nullopt;
}

// The value given as the dialog reads a row, without converting it: what a stored value that
// was not adjusted equals.
std::string AsGiven(const ParameterDefinition& record, const std::string& value) {
    ParameterDefinition copy;
    copy.CopyFrom(record);
    copy.type = PT_ENUM;  // a choice is taken as it is, once the unit is cut off
    ApplyEditedText(copy, value);
    return copy.value;
}

SettingChangeOutcome Refused(SettingChangeOutcome outcome, Status status) {
    outcome.status = status;
    return outcome;
}

void Describe(const ParameterDefinition& record, SettingChangeOutcome& outcome) {
    outcome.name = record.name;
    outcome.displayName = record.displayName;
    outcome.unit = record.unit;
    outcome.oldValue = record.value;
    outcome.storedValue = record.value;
    outcome.choices = record.choices;
}

}  // namespace

SettingChangeOutcome SettingChange::Apply(const std::string& setting, const std::string& value,
                                          bool keepAfterFailedTransfer) {
    SettingChangeOutcome outcome;
    ParameterDefinitionList records;
    EntryDetails(m_context).ReadSettings(m_hardwareNumber, records);
    ParameterDefinition* record = FindSetting(records, setting);
    if (!record) return Refused(std::move(outcome), Status::kNoSuchSetting);
    Describe(*record, outcome);
    const std::optional<EditRow> row = EditRowFor(*record);
    if (!row) return Refused(std::move(outcome), Status::kNotEditable);
    const std::optional<std::string> rowText =
        row->kind == EditRow::kChoiceList ? ChoiceRowText(*record, value) : value;
    if (!rowText) return Refused(std::move(outcome), Status::kNotAChoice);
    if (!HasValueElement(record->name)) return Refused(std::move(outcome), Status::kNoValueElement);

    ApplyEditedText(*record, *rowText);
    outcome.storedValue = record->value;
    outcome.adjusted = record->value != AsGiven(*record, value);
    SettingEdit edit(m_context, m_hardwareNumber);
    if (SettingEdit::TransfersToAdapter(*record)) {
        outcome.transfer = edit.TransferDeviceNumber(*record);
        edit.EndTransfer();
        if (*outcome.transfer != kOk && !keepAfterFailedTransfer) {
            outcome.storedValue = outcome.oldValue;
            return Refused(std::move(outcome), Status::kTransferFailed);
        }
    }
    outcome.result = edit.WriteValue(*record);
    if (outcome.result != kOk) {
        outcome.status = outcome.result == kCannotSave ? Status::kNotSaved : Status::kWriteFailed;
    }
    return outcome;
}

// Editing never creates an element, so a change to a setting the entry lacks would be lost.
bool SettingChange::HasValueElement(const std::string& name) const {
    TextList values;
    m_context.document.QueryValues({"configuration", "Hardware", name}, values, m_hardwareNumber);
    return !values.empty();
}

}  // namespace trelink
