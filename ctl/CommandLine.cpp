#include "ctl/CommandLine.h"

#include <exception>
#include <iostream>
#include <limits>

#include <CLI/CLI.hpp>

#include "ctl/Command.h"
#include "ctl/ExitCode.h"
#include "ctl/Output.h"
#include "ctl/Session.h"

namespace trelink::ctl {

namespace {

constexpr const char* kDescription =
    "trelinkctl: the Trelink-Konfigurator's operations for machines without a display. It "
    "changes the Trelink bus driver's configuration file with the same rules, the same safe "
    "save and the same texts as the window, and writes JSON for scripts on request.";

constexpr const char* kExitStatus =
    "Exit status:\n"
    "  0  done\n"
    "  1  the check found something, or the command was refused (the reason is given)\n"
    "  2  the command line is wrong\n"
    "  3  the configuration file could not be read, locked or saved\n"
    "  4  the bus driver failed: device not ready, device number transfer or scan failed\n"
    "\nSee trelinkctl(1) for the JSON written with --json.\n";

std::vector<Command> AllCommands() {
    return {ListCommand(),   ShowCommand(),     TypesCommand(),      AddCommand(),
            RemoveCommand(), ActivateCommand(), DeactivateCommand(), DefaultCommand(),
            SetCommand(),    CheckCommand(),    DiagnoseCommand(),   ScanCommand()};
}

void AddGlobalOptions(CLI::App& app, GlobalOptions& options) {
    app.add_option("--config", options.config,
                   "The configuration file to work on (default: the one the settings file "
                   "names)")
        ->type_name("FILE");
    app.add_option("--settings", options.settings,
                   "The settings file that names the configuration file and stores the "
                   "language (default: trelinkkonfigurator.ini beside the program, the "
                   "window's)")
        ->type_name("FILE");
    app.add_option("--lang", options.language,
                   "Language of the texts, type names and setting names (default: the stored "
                   "language)")
        ->check(CLI::IsMember({"de", "en"}));
    app.add_flag("--json", options.json,
                 "Write one JSON object for scripts instead of text (see trelinkctl(1))");
}

void AddParameter(CLI::App& command, Parameter parameter, Arguments& arguments) {
    switch (parameter) {
        case Parameter::kNumber:
            command.add_option("N", arguments.number, "The hardware number, as list shows it")
                ->required()
                ->check(CLI::Range(1, std::numeric_limits<int>::max()));
            return;
        case Parameter::kType:
            command
                .add_option("TYPE", arguments.type,
                            "The type's name in German or English, or its number (see types)")
                ->required();
            return;
        case Parameter::kSetting:
            command
                .add_option("SETTING", arguments.setting,
                            "The setting's display name in the chosen language, or its "
                            "parameter name (see show N)")
                ->required();
            return;
        case Parameter::kValue:
            command
                .add_option("VALUE", arguments.value,
                            "The new value, as it would be typed into the window's value "
                            "dialog; put -- before a value that starts with -")
                ->required();
            return;
        case Parameter::kYes:
            command.add_flag("--yes", arguments.yes, "Scan although a scan can bring the bus down");
            return;
        case Parameter::kKeepOnFailure:
            command.add_flag("--keep-on-failure", arguments.keepOnFailure,
                             "Keep the new device number even when its transfer to the adapter "
                             "fails");
            return;
    }
}

int UsageFailure(const CLI::App& app, const CLI::ParseError& error) {
    // --help and --version are "errors" that end the parse successfully.
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return app.exit(error);
    std::cerr << "trelinkctl: " << error.what() << "\nRun with --help for more information.\n";
    return kUsage;
}

int Execute(const Command& command, const GlobalOptions& options, const Arguments& arguments) {
    Output out(options.json, std::cout, std::cerr);
    out.Object()["command"] = command.name;
    try {
        Session session(options);
        out.Object()["config"] = session.ConfigPath();
        out.Object()["language"] =
            session.Texts().Language() == ProgramSettings::kEnglish ? "en" : "de";
        int exitCode = session.Open(command.changesConfiguration, out);
        if (exitCode == kDone) exitCode = command.run(session, arguments, out);
        return out.Finish(exitCode);
    } catch (const std::exception& failure) {
        // Nothing is expected to throw; whatever does ends this command, not the program.
        return out.Finish(out.Fail(kFileFailure, "failure", failure.what()));
    }
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
    CLI::App app(kDescription, "trelinkctl");
    app.footer(kExitStatus);
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", TRELINK_VERSION);
    GlobalOptions options;
    AddGlobalOptions(app, options);
    Arguments arguments;
    const std::vector<Command> commands = AllCommands();
    std::vector<CLI::App*> parsers;
    for (const Command& command : commands) {
        CLI::App* parser = app.add_subcommand(command.name, command.summary);
        parser->footer(std::string(command.details) + "\n\n" + kExitStatus);
        for (const Parameter parameter : command.parameters) {
            AddParameter(*parser, parameter, arguments);
        }
        parsers.push_back(parser);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return UsageFailure(app, error);
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (parsers[i]->parsed()) return Execute(commands[i], options, arguments);
    }
    return kUsage;
}

}  // namespace trelink::ctl
