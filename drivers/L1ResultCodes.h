#pragma once

#include <array>
#include <cstdint>

namespace trelink::sim {

// Result codes of the simulated bus driver. They sit in a block of their own below the tool's
// codes (41233 and up) so that the error lookup can tell every code apart. docs/stand-ins.md
// explains each of them; the error lookup has texts for every one.
inline constexpr std::int32_t kOk = 0;
inline constexpr std::int32_t kNoXmlFile = 40960;              // SetXMLFile not called (or failed)
inline constexpr std::int32_t kConfigUnreadable = 40961;       // missing, unreadable or not XML
inline constexpr std::int32_t kNoSuchHardware = 40962;         // no n-th "Hardware" entry
inline constexpr std::int32_t kAdapterNotFound = 40963;        // no adapter of type and number
inline constexpr std::int32_t kAdapterNotPluggedIn = 40964;    // adapter known, not plugged in
inline constexpr std::int32_t kInjectedFault = 40965;          // a "Fault" without its own code
inline constexpr std::int32_t kInvalidHandle = 40966;          // unknown or closed connection
inline constexpr std::int32_t kNotSupported = 40967;           // entry point not simulated
inline constexpr std::int32_t kInvalidArgument = 40968;        // null pointer where one is needed
inline constexpr std::int32_t kSimulationUnreadable = 40969;   // simulation file exists, broken
inline constexpr std::int32_t kSimulationNotWritten = 40970;   // new device number not persisted
inline constexpr std::int32_t kProprietaryNotWritten = 40971;  // the .l1 file not written
inline constexpr std::int32_t kUnknownBuffer = 40972;          // Delete of a foreign pointer
inline constexpr std::int32_t kInvalidDeviceNumber = 40973;    // outside 0..255
inline constexpr std::int32_t kDeviceNumberTaken = 40974;      // another adapter of the type has it
inline constexpr std::int32_t kTooManyConnections = 40975;     // connection table full
inline constexpr std::int32_t kInternalFault = 40976;          // out of memory or similar

inline constexpr std::array kAllErrorCodes = {
    kNoXmlFile,           kConfigUnreadable,     kNoSuchHardware,       kAdapterNotFound,
    kAdapterNotPluggedIn, kInjectedFault,        kInvalidHandle,        kNotSupported,
    kInvalidArgument,     kSimulationUnreadable, kSimulationNotWritten, kProprietaryNotWritten,
    kUnknownBuffer,       kInvalidDeviceNumber,  kDeviceNumberTaken,    kTooManyConnections,
    kInternalFault,
};

}  // namespace trelink::sim
