#include "commands/HardwareCommands.h"

#include "commands/CommandResults.h"
#include "commands/ProgramSettings.h"
#include "store/ConfigDocument.h"
#include "store/HardwareOffer.h"

namespace trelink {

namespace {

struct State {
    int isActive = 0;
    int isDefault = 0;
    int errorCode = 0;
};

Result ReadState(const ConfigDocument& document, int hardwareNumber, State& state) {
    return document.GetHardwareState(hardwareNumber, state.isActive, state.isDefault,
                                     state.errorCode);
}

}  // namespace

HardwareCommands::HardwareCommands(const CommandContext& context)
    : m_context(context), m_checker(context.document) {}

Result HardwareCommands::LoadConfiguration() {
    const std::string fileName = m_context.settings.ConfiguredFileName();
    if (fileName.empty()) return kNoConfigFileName;
    return m_context.document.SetConfigFile(fileName);
}

ProbeOutcome HardwareCommands::ProbeAllHardware() {
    ProbeOutcome outcome;
    ConfigDocument& document = m_context.document;
    int count = 0;
    if (outcome.result = document.GetHardwareCount(count); outcome.result != kOk) return outcome;
    const std::string fileName = m_context.settings.ConfigFileName();
    // One driver for all entries and one save for all codes: a large configuration would
    // otherwise load the library and flush the whole file once per entry. A file that cannot
    // be saved is reported once.
    BusDriverSession driver(m_context.busDrivers);
    ConfigDocument::WriteGroup writes(document);
    for (int number = 1; number <= count; ++number) {
        driver.TestConnection(fileName, number);
        State state;
        if (outcome.result = ReadState(document, number, state); outcome.result != kOk) {
            return outcome;
        }
        document.SetHardwareState(number, state.isActive, state.isDefault, driver.LastResult());
    }
    outcome.saveFailed = writes.Commit() == kCannotSave;
    return outcome;
}

Result HardwareCommands::ListHardware(std::vector<HardwareRow>& rows) const {
    const ConfigDocument& document = m_context.document;
    int count = 0;
    if (const Result result = document.GetHardwareCount(count); result != kOk) return result;
    rows.reserve(rows.size() + static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        HardwareRow row;
        row.number = number;
        row.type = document.GetHardwareType(number);
        if (const Result result =
                document.GetHardwareState(number, row.isActive, row.isDefault, row.errorCode);
            result != kOk) {
            return result;
        }
        // A failed lookup shows as a missing name, as an empty one does.
        if (document.GetHardwareName(row.typeName, number, "") != kOk) row.typeName.clear();
        rows.push_back(std::move(row));
    }
    return kOk;
}

Result HardwareCommands::OfferedTypes(TextList& names) const {
    return HardwareOffer(m_context.document, m_context.directories).Collect(names);
}

AddOutcome HardwareCommands::AddHardware(const std::string& typeDisplayName) {
    // The limit's own result is not looked at: an unknown name leaves no free slot.
    int freeSlots = 0;
    m_checker.GetFreeSlots(typeDisplayName, freeSlots);
    int type = 0;
    m_context.document.FindTypeByName(typeDisplayName, type);
    return AddWithin(type, freeSlots,
                     [&] { return m_context.document.AddHardware(typeDisplayName); });
}

AddOutcome HardwareCommands::AddHardwareOfType(int type) {
    int freeSlots = 0;
    m_checker.GetFreeSlots(type, freeSlots);
    return AddWithin(type, freeSlots, [&] { return m_context.document.AddHardwareOfType(type); });
}

AddOutcome HardwareCommands::AddWithin(int type, int freeSlots,
                                       const std::function<Result()>& add) {
    AddOutcome outcome;
    if (freeSlots <= 0) {
        outcome.status = AddOutcome::Status::kNoFreeSlot;
        m_checker.GetMaximum(type, outcome.maximum);
        std::vector<HardwareRow> rows;
        ListHardware(rows);
        for (const HardwareRow& row : rows) {
            if (row.type == type) outcome.entriesOfType.push_back(row.number);
        }
        return outcome;
    }
    outcome.result = add();
    // Every entry is tested again, also after a failed save: the new entry may take an adapter.
    outcome.probe = ProbeAllHardware();
    return outcome;
}

Result HardwareCommands::RemoveHardware(int hardwareNumber) {
    return m_context.document.RemoveHardware(hardwareNumber);
}

ActivateOutcome HardwareCommands::Activate(int hardwareNumber) {
    using Status = ActivateOutcome::Status;
    ActivateOutcome outcome;
    ConfigDocument& document = m_context.document;
    std::string name;
    if (outcome.result = document.GetHardwareName(name, hardwareNumber, "");
        outcome.result != kOk) {
        outcome.status = Status::kNameLookupFailed;
        return outcome;
    }
    // The type is found again by its display name, as the catalogue's rules are written.
    int type = 0;
    int permission = 0;
    outcome.result = document.FindTypeByName(name, type);
    if (outcome.result == kOk) {
        outcome.result = m_checker.CanActivate(type, permission, &outcome.blockingEntries);
    }
    if (outcome.result != kOk) {
        outcome.status = Status::kRuleFailed;
        return outcome;
    }
    if (permission == 0) {
        outcome.status = Status::kIncompatible;
        return outcome;
    }
    const StateChange change = WriteState(hardwareNumber, 1, 0);
    outcome.result = change.result;
    if (!change.stateRead || change.result != kOk) {
        outcome.status = change.stateRead ? Status::kWriteFailed : Status::kStateUnreadable;
        return outcome;
    }
    BusDriverSession driver(m_context.busDrivers);
    SaveDriverConfiguration(driver);
    return outcome;
}

StateChange HardwareCommands::Deactivate(int hardwareNumber) {
    return WriteState(hardwareNumber, 0, 0);
}

StateChange HardwareCommands::SetDefault(int hardwareNumber) {
    return WriteState(hardwareNumber, 1, 1);
}

StateChange HardwareCommands::WriteState(int hardwareNumber, int isActive, int isDefault) {
    StateChange change;
    State state;
    if (ReadState(m_context.document, hardwareNumber, state) != kOk) {
        change.stateRead = false;
        return change;
    }
    change.result =
        m_context.document.SetHardwareState(hardwareNumber, isActive, isDefault, state.errorCode);
    return change;
}

CheckFindingList HardwareCommands::Check() const {
    // The check's own result is not looked at: the findings gathered until a failure stand.
    CheckFindingList findings;
    m_checker.CheckConfiguration(findings);
    return findings;
}

Leaving HardwareCommands::BeginLeave(bool saveDriverConfiguration) {
    CheckFindingList findings = Check();
    std::optional<BusDriverSession> driver;
    if (saveDriverConfiguration) {
        driver.emplace(m_context.busDrivers);
        SaveDriverConfiguration(*driver);
    }
    return Leaving(std::move(findings), std::move(driver));
}

// The driver's answer is of no interest: its own form of the file is its business.
void HardwareCommands::SaveDriverConfiguration(BusDriverSession& driver) const {
    driver.SaveProprietaryConfiguration(m_context.settings.ConfigFileName());
}

}  // namespace trelink
