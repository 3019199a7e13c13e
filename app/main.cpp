#include <csignal>

#include "app/ConfigApp.h"

int main(int argc, char** argv) {
    // A save that runs into the file-size limit must fail like any other failed save.
    std::signal(SIGXFSZ, SIG_IGN);
    trelink::ConfigApp app;
    return app.Run(argc, argv);
}
