#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/CommandContext.h"
#include "services/BusDriverSession.h"
#include "services/ResultCodes.h"

namespace trelink {

class ErrorLookup;
class MessageCatalogue;

// One diagnosis of an entry: the connection test, its code stored as the entry's ErrorCode,
// the status text with description and remedy, and on request a scan of the bus. The bus
// driver is loaded when the diagnosis starts and stays loaded until the object goes, so the
// front end can ask whether to scan in between.
class Diagnosis {
public:
    enum class Storing {
        kStored,
        kStateUnreadable,  // nothing was written
        kNotSaved,         // the file could not be saved
        kWriteFailed,      // another failure of the write
    };

    // Loads the bus driver and tests the connection of the entry.
    Diagnosis(const CommandContext& context, const ErrorLookup& texts, int hardwareNumber);

    // The result of the connection test: the last library call's, or kBusDriverNotLoaded.
    Result Code() const { return m_code; }
    // Writes the code as the entry's ErrorCode, its other state as it was.
    Storing StoreCode();
    // A scan is offered only for a device that is ready.
    bool OffersScan() const { return m_code == kOk; }
    // Scans the bus; the nodes that answered, in the order delivered (none on any failure).
    const std::vector<std::uint8_t>& Scan();
    // Whether the scan failed, which its empty node list does not tell from a quiet bus, and
    // the code of the library call that failed (0 when the library answered success but
    // delivered nothing to read).
    bool ScanFailed() const { return m_scanFailed; }
    Result ScanCode() const { return m_scanCode; }
    // The status box's text: the local time of now, then the device status with the description
    // and remedy of the code in the lookup's language, then what the scan found when one ran.
    std::string Report(const MessageCatalogue& catalogue) const;

private:
    CommandContext m_context;
    const ErrorLookup& m_texts;
    int m_hardwareNumber;
    BusDriverSession m_driver;
    Result m_code = kOk;
    bool m_scanned = false;
    bool m_scanFailed = false;
    Result m_scanCode = kOk;
    std::vector<std::uint8_t> m_nodes;
};

}  // namespace trelink
