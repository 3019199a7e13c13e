#pragma once

#include <string>
#include <vector>

namespace trelink::ctl {

class Output;
class Session;

// What the command line handed a subcommand.
struct Arguments {
    int number = 0;  // the hardware number N
    std::string type;
    std::string setting;
    std::string value;
    bool yes = false;
    bool keepOnFailure = false;
};

// The arguments a subcommand takes beside the global options, in the order given.
enum class Parameter { kNumber, kType, kSetting, kValue, kYes, kKeepOnFailure };

// One subcommand: what --help says of it, what it takes, and what it does. Each lives in a
// file of its own; the command line only parses and dispatches.
struct Command {
    const char* name;
    const char* summary;  // one line in the program's --help
    const char* details;  // the subcommand's --help
    std::vector<Parameter> parameters;
    // The configuration is locked before it is loaded and stays locked until the command ends.
    bool changesConfiguration;
    int (*run)(Session& session, const Arguments& arguments, Output& out);
};

Command ListCommand();
Command ShowCommand();
Command TypesCommand();
Command AddCommand();
Command RemoveCommand();
Command ActivateCommand();
Command DeactivateCommand();
Command DefaultCommand();
Command SetCommand();
Command CheckCommand();
Command DiagnoseCommand();
Command ScanCommand();

}  // namespace trelink::ctl
