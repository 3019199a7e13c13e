#pragma once

#include "services/BusDriver.h"
#include "services/Clock.h"
#include "services/PlatformDirectories.h"

namespace trelink {

class ConfigDocument;
class ProgramSettings;

// What every command works on: the one configuration document, the program's settings, the
// bus driver each command loads for its own duration, and the platform's folders and clock.
// Each front end makes one; tests put fakes in.
struct CommandContext {
    ConfigDocument& document;
    const ProgramSettings& settings;
    const BusDriverFactory& busDrivers;
    const PlatformDirectories& directories = PlatformDirectories::Default();
    const Clock& clock = Clock::System();
};

}  // namespace trelink
