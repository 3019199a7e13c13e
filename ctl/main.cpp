#include <csignal>

#include "ctl/CommandLine.h"

int main(int argc, char** argv) {
    // A save that runs into the file-size limit must fail like any other failed save.
    std::signal(SIGXFSZ, SIG_IGN);
    return trelink::ctl::RunCommandLine(argc, argv);
}
