#include "commands/Diagnosis.h"

#include <ctime>

#include "commands/MessageCatalogue.h"
#include "commands/ProgramSettings.h"
#include "services/ErrorLookup.h"
#include "store/ConfigDocument.h"
#include "store/MessageIds.h"

namespace trelink {

namespace {

std::string TimeStamp(const Clock& clock) {
    const std::tm now = clock.LocalNow();
    char stamp[64] = {};
    std::strftime(stamp, sizeof stamp, "%d.%m.%Y - %H:%M:%S", &now);
    return stamp;
}

}  // namespace

Diagnosis::Diagnosis(const CommandContext& context, const ErrorLookup& texts, int hardwareNumber)
    : m_context(context),
      m_texts(texts),
      m_hardwareNumber(hardwareNumber),
      m_driver(context.busDrivers) {
    m_driver.TestConnection(m_context.settings.ConfigFileName(), hardwareNumber);
    m_code = m_driver.LastResult();
}

Diagnosis::Storing Diagnosis::StoreCode() {
    ConfigDocument& document = m_context.document;
    int isActive = 0, isDefault = 0, oldCode = 0;
    if (document.GetHardwareState(m_hardwareNumber, isActive, isDefault, oldCode) != kOk) {
        return Storing::kStateUnreadable;
    }
    const Result written = document.SetHardwareState(m_hardwareNumber, isActive, isDefault, m_code);
    if (written == kCannotSave) return Storing::kNotSaved;
    return written == kOk ? Storing::kStored : Storing::kWriteFailed;
}

const std::vector<std::uint8_t>& Diagnosis::Scan() {
    m_scanned = true;
    m_scanFailed =
        m_driver.ScanBus(m_context.settings.ConfigFileName(), m_hardwareNumber, m_nodes) < 0;
    m_scanCode = m_driver.LastResult();
    return m_nodes;
}

std::string Diagnosis::Report(const MessageCatalogue& catalogue) const {
    std::string text =
        catalogue.Text({Msg::kDeviceStatus, {m_texts.Description(m_code), m_texts.Remedy(m_code)}});
    if (m_scanned && m_nodes.empty()) {
        // A scan that failed reads like one that found nobody.
        text += "\n\n" + catalogue.Text({Msg::kNoNodesFound, {}});
    } else if (m_scanned) {
        text += "\n" + catalogue.Text({Msg::kNodesFound, {}});
        for (const std::uint8_t node : m_nodes) text += " " + std::to_string(node) + ",";
    }
    return TimeStamp(m_context.clock) + "\n" + text;
}

}  // namespace trelink
