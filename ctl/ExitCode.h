#pragma once

namespace trelink::ctl {

// What the program's exit status tells a script.
enum ExitCode : int {
    kDone = 0,
    kRefused = 1,  // also: the check found something
    kUsage = 2,
    kFileFailure = 3,  // the configuration could not be read, locked or saved
    kBusDriverFailure = 4,
};

}  // namespace trelink::ctl
