#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/CommandContext.h"
#include "services/BusDriverSession.h"
#include "services/ResultCodes.h"
#include "store/ConfigChecker.h"
#include "store/Message.h"
#include "store/TextList.h"

namespace trelink {

// One row of the hardware list, as the document holds it now.
struct HardwareRow {
    int number = 0;
    int type = 0;
    int isActive = 0;
    int isDefault = 0;
    int errorCode = 0;
    std::string typeName;  // empty when the catalogue has no name in the current language
};

// The connection test of every entry.
struct ProbeOutcome {
    Result result = kOk;      // a failing read of the document, else kOk
    bool saveFailed = false;  // the file could not be saved; reported once, whatever the count
};

struct AddOutcome {
    enum class Status {
        kAdded,       // the entry was added (result says whether the file was saved)
        kNoFreeSlot,  // the type's "MaxNumHW" is reached: nothing added, nothing probed
    };
    Status status = Status::kAdded;
    Result result = kOk;  // of the add
    ProbeOutcome probe;   // of the connection test of every entry after the add
    // For a refusal: the type's limit and the entries of the type that use it up.
    int maximum = 0;
    std::vector<int> entriesOfType;
};

struct ActivateOutcome {
    enum class Status {
        kActivated,
        kNameLookupFailed,  // the type's display name could not be read; result tells why
        kRuleFailed,        // the incompatibility rule could not be answered; result tells why
        kIncompatible,      // an active entry's type is in this type's "NotParallelToHW"
        kStateUnreadable,   // nothing changed
        kWriteFailed,       // the state write failed; result tells why
    };
    Status status = Status::kActivated;
    Result result = kOk;
    std::vector<int> blockingEntries;  // for kIncompatible: the active entries in the way
};

// Deactivating or making the default.
struct StateChange {
    bool stateRead = true;  // false: the entry's state could not be read, nothing changed
    Result result = kOk;    // of the state write
};

// Leaving the program: the check, and with "Beenden" the driver's own save. The driver stays
// loaded until the front end has asked whether to leave despite findings and lets this go.
class Leaving {
public:
    Leaving(CheckFindingList findings, std::optional<BusDriverSession> driver)
        : m_findings(std::move(findings)), m_driver(std::move(driver)) {}

    const CheckFindingList& Findings() const { return m_findings; }

private:
    CheckFindingList m_findings;
    std::optional<BusDriverSession> m_driver;
};

// The commands of the hardware list, written once for every front end. Each reads and changes
// the document, loads the bus driver for its own duration where it needs it, and hands back
// what happened; it shows nothing and asks nothing.
class HardwareCommands {
public:
    explicit HardwareCommands(const CommandContext& context);

    // The front end's own load of the configuration named in the settings file:
    // kNoConfigFileName when none is named, else the document's load result.
    Result LoadConfiguration();
    // Tests the connection of every entry and stores each result as the entry's ErrorCode.
    ProbeOutcome ProbeAllHardware();
    // The rows of every entry in document order; on a failing read the rows made so far stay.
    Result ListHardware(std::vector<HardwareRow>& rows) const;

    // The display names of the types that may be added: those whose first driver file is
    // there with a version, and those without driver files.
    Result OfferedTypes(TextList& names) const;
    // Adds an entry of the type within its limit, then tests every entry again.
    AddOutcome AddHardware(const std::string& typeDisplayName);
    AddOutcome AddHardwareOfType(int type);
    Result RemoveHardware(int hardwareNumber);

    // Activates the entry unless an incompatible type is active, then lets the bus driver save
    // its own form of the configuration.
    ActivateOutcome Activate(int hardwareNumber);
    StateChange Deactivate(int hardwareNumber);
    // Makes the entry active and the one default; every other entry loses its default mark.
    StateChange SetDefault(int hardwareNumber);

    CheckFindingList Check() const;
    // The check, and when saveDriverConfiguration the bus driver's own save, before the
    // front end asks whether to leave.
    Leaving BeginLeave(bool saveDriverConfiguration);

private:
    AddOutcome AddWithin(int type, int freeSlots, const std::function<Result()>& add);
    StateChange WriteState(int hardwareNumber, int isActive, int isDefault);
    void SaveDriverConfiguration(BusDriverSession& driver) const;

    CommandContext m_context;
    ConfigChecker m_checker;
};

}  // namespace trelink
