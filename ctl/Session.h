#pragma once

#include <optional>
#include <string>

#include "commands/CommandContext.h"
#include "commands/HardwareCommands.h"
#include "commands/ProgramSettings.h"
#include "ctl/Catalogue.h"
#include "ctl/Output.h"
#include "services/BusDriver.h"
#include "services/ConfigFileLock.h"
#include "services/ErrorLookup.h"
#include "store/ConfigDocument.h"

namespace trelink::ctl {

// The options every subcommand takes.
struct GlobalOptions {
    std::string config;    // empty: the file the settings file names
    std::string settings;  // empty: the window's settings file beside the program
    std::string language;  // "de", "en", or empty: the language stored in the settings
    bool json = false;
};

// What one run of the program works on: the settings, the configuration document in the
// chosen language, the error texts, the bus driver's loader and, for a command that changes
// the file, the lock on it.
class Session {
public:
    explicit Session(const GlobalOptions& options);

    const Catalogue& Texts() const { return m_texts; }
    const std::string& ConfigPath() const { return m_configPath; }
    // Takes the lock when the command changes the file, then loads it. kDone, or the exit code
    // of the failure, whose reason is then in out.
    int Open(bool changes, Output& out);

    CommandContext& Context() { return m_context; }
    HardwareCommands& Commands() { return m_commands; }
    const ErrorLookup& Errors() const { return m_errors; }

    // kDone when the configuration has entry number, else the refusal in out.
    int RequireEntry(int number, Output& out) const;
    // The display name of the entry's type, or its number when the type has no name here, as
    // the window's list shows it.
    std::string EntryName(int number) const;
    // The entry's row as the document holds it now; none when there is no such entry.
    std::optional<HardwareRow> Row(int number) const;
    // A row as `list` writes it for scripts.
    Output::Json RowJson(const HardwareRow& row) const;
    // The end of a command on one entry: whether it changed anything, the entry as it is now,
    // and for people the text of textId about the entry's number.
    int Report(int number, bool changed, std::string_view textId, Output& out) const;
    // What a state write of the entry came to: the text of textId when it was made, else why not.
    int ReportStateChange(int number, const StateChange& change, std::string_view textId,
                          Output& out) const;
    // A code with its description and remedy in the chosen language.
    Output::Json Code(Result code) const;
    // The exit code and reason for a failure of the document; kDone for kOk.
    int FileFailure(Result result, Output& out) const;

private:
    int LockFailure(Output& out) const;

    ProgramSettings m_settings;
    Catalogue m_texts;
    std::string m_configPath;
    ConfigDocument m_document;
    LibraryBusDriverFactory m_busDrivers;
    CommandContext m_context;
    HardwareCommands m_commands;
    ErrorLookup m_errors;
    std::optional<ConfigFileLock> m_lock;
};

}  // namespace trelink::ctl
