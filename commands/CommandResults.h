#pragma once

#include "services/ResultCodes.h"

namespace trelink {

// Results of the commands themselves, beside the codes of the store and the libraries.
inline constexpr Result kNoConfigFileName = -3;      // the settings file names no configuration
inline constexpr Result kNoSuchSetting = -4;         // no setting has the display name given
inline constexpr Result kDeviceNumberDeclined = -6;  // a failed transfer was not to be kept

}  // namespace trelink
