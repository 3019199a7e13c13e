#include "ctl/Session.h"

#include <cstring>

#include "commands/EntryDetails.h"
#include "ctl/TextId.h"
#include "services/IniFile.h"
#include "services/ProgramPath.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

// Both programs are installed in one folder and share the window's settings file.
constexpr const char* kWindowProgram = "trelinkkonfigurator";
constexpr int kHexBase = 16;

ProgramSettings SettingsFor(const GlobalOptions& options) {
    ProgramSettings settings(options.settings.empty()
                                 ? SettingsPathFor(ProgramFolder() + "/" + kWindowProgram)
                                 : options.settings);
    if (!options.config.empty()) settings.SetConfigFile(options.config);
    return settings;
}

int LanguageOf(const GlobalOptions& options, const ProgramSettings& settings) {
    if (options.language == "de") return ProgramSettings::kGerman;
    if (options.language == "en") return ProgramSettings::kEnglish;
    // Any other stored number leaves the window with its built-in German.
    return settings.Language() == ProgramSettings::kEnglish ? ProgramSettings::kEnglish
                                                            : ProgramSettings::kGerman;
}

std::string Hex(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(number));
    return text;
}

}  // namespace

Session::Session(const GlobalOptions& options)
    : m_settings(SettingsFor(options)),
      m_texts(LanguageOf(options, m_settings)),
      m_configPath(m_settings.ConfigFileName()),
      m_busDrivers(ProgramFolder()),
      m_context{m_document, m_settings, m_busDrivers},
      m_commands(m_context),
      m_errors(ProgramFolder(), true) {
    m_errors.SetLanguage(m_texts.Language());
    m_document.SetLanguage(m_texts.Language());
}

int Session::Open(bool changes, Output& out) {
    if (const auto& failure = m_errors.Failure()) {
        out.Warn(m_texts.Numbered(
            Msg::kCannotLoadErrorLookup,
            {failure->fileName, std::to_string(failure->errorCode), Hex(failure->errorCode)}));
    }
    if (changes) {
        m_lock.emplace(m_configPath);
        if (!m_lock->IsHeld()) return LockFailure(out);
    }
    return FileFailure(m_document.SetConfigFile(m_configPath), out);
}

int Session::LockFailure(Output& out) const {
    if (m_lock->GetStatus() == ConfigFileLock::Status::kTimedOut) {
        //% "Die Konfigurationsdatei %s wird gerade von einem anderen Programm geändert. Bitte "
        //% "später noch einmal versuchen."
        return out.Fail(kFileFailure, "locked",
                        m_texts.Format(QT_TRID_NOOP("ctl.error.locked"), {m_configPath}),
                        {{"folder", m_lock->Folder()}});
    }
    //% "Der Ordner %s der Konfigurationsdatei kann nicht gesperrt werden: %s"
    return out.Fail(kFileFailure, "lockFailed",
                    m_texts.Format(QT_TRID_NOOP("ctl.error.lockfailed"),
                                   {m_lock->Folder(), std::strerror(m_lock->ErrorNumber())}),
                    {{"folder", m_lock->Folder()}});
}

int Session::FileFailure(Result result, Output& out) const {
    if (result == kOk) return kDone;
    const std::string kind = result == kCannotLoad   ? "unreadable"
                             : result == kCannotSave ? "notSaved"
                                                     : "fileFailure";
    // A save that failed has the window's own message; other codes have the lookup's text.
    std::string text =
        result == kCannotSave ? m_texts.Numbered(Msg::kCannotSave) : m_errors.Description(result);
    if (text.empty()) text = std::to_string(result);
    return out.Fail(kFileFailure, kind, m_configPath + ": " + text,
                    {{"file", m_configPath}, {"result", Code(result)}});
}

int Session::RequireEntry(int number, Output& out) const {
    int count = 0;
    if (const Result result = m_document.GetHardwareCount(count); result != kOk) {
        return FileFailure(result, out);
    }
    if (number >= 1 && number <= count) return kDone;
    //% "Es gibt keine Hardware %s; die Konfiguration hat %s Einträge."
    return out.Fail(kRefused, "noEntry",
                    m_texts.Format(QT_TRID_NOOP("ctl.error.noentry"),
                                   {std::to_string(number), std::to_string(count)}),
                    {{"entries", count}});
}

std::string Session::EntryName(int number) const {
    const std::string name = EntryDetails(m_context).TypeName(number);
    return name.empty() ? std::to_string(number) : name;
}

std::optional<HardwareRow> Session::Row(int number) const {
    std::vector<HardwareRow> rows;
    m_commands.ListHardware(rows);
    if (number < 1 || static_cast<std::size_t>(number) > rows.size()) return std::nullopt;
    return rows[static_cast<std::size_t>(number) - 1];
}

Output::Json Session::RowJson(const HardwareRow& row) const {
    return {{"number", row.number},          {"type", row.type},
            {"typeName", row.typeName},      {"active", row.isActive != 0},
            {"default", row.isDefault != 0}, {"error", Code(row.errorCode)}};
}

int Session::Report(int number, bool changed, std::string_view textId, Output& out) const {
    out.Object()["changed"] = changed;
    if (const std::optional<HardwareRow> row = Row(number)) out.Object()["entry"] = RowJson(*row);
    out.Line(m_texts.Format(textId, {std::to_string(number)}));
    return kDone;
}

int Session::ReportStateChange(int number, const StateChange& change, std::string_view textId,
                               Output& out) const {
    if (!change.stateRead) return FileFailure(kCannotLoad, out);
    if (change.result != kOk) return FileFailure(change.result, out);
    return Report(number, true, textId, out);
}

Output::Json Session::Code(Result code) const {
    return {{"code", code},
            {"description", m_errors.Description(code)},
            {"remedy", m_errors.Remedy(code)}};
}

}  // namespace trelink::ctl
