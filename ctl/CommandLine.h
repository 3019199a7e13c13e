#pragma once

namespace trelink::ctl {

// Parses the command line, runs the subcommand it names and gives the exit status.
int RunCommandLine(int argc, char** argv);

}  // namespace trelink::ctl
