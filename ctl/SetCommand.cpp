#include "commands/SettingChange.h"
#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"
#include "ctl/TextTable.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

using Status = SettingChangeOutcome::Status;

Output::Json SettingJson(const SettingChangeOutcome& outcome, const std::string& given) {
    return {{"name", outcome.name},
            {"displayName", outcome.displayName},
            {"given", given},
            {"oldValue", outcome.oldValue},
            {"value", outcome.storedValue},
            {"unit", outcome.unit},
            {"adjusted", outcome.adjusted}};
}

int Refuse(Session& session, const SettingChangeOutcome& outcome, const Arguments& arguments,
           Output& out) {
    const Catalogue& texts = session.Texts();
    const std::string number = std::to_string(arguments.number);
    switch (outcome.status) {
        case Status::kNoSuchSetting:
            //% "Hardware %s hat keine Einstellung %s."
            return out.Fail(
                kRefused, "noSetting",
                texts.Format(QT_TRID_NOOP("ctl.set.nosetting"), {number, arguments.setting}));
        case Status::kNotEditable:
            //% "Die Einstellung <%s> kann nicht geändert werden."
            return out.Fail(
                kRefused, "notEditable",
                texts.Format(QT_TRID_NOOP("ctl.set.noteditable"), {outcome.displayName}));
        case Status::kNotAChoice:
            //% "%s ist keine Auswahl von <%s>. Möglich sind: %s"
            return out.Fail(
                kRefused, "notAChoice",
                texts.Format(QT_TRID_NOOP("ctl.set.notachoice"),
                             {arguments.value, outcome.displayName, Joined(outcome.choices, ", ")}),
                {{"choices", outcome.choices}});
        case Status::kNoValueElement:
            //% "Hardware %s hat kein Element für <%s>; die Einstellung kann nicht geändert werden."
            return out.Fail(
                kRefused, "noValueElement",
                texts.Format(QT_TRID_NOOP("ctl.set.noelement"), {number, outcome.displayName}));
        case Status::kTransferFailed: {
            const Result code = *outcome.transfer;
            //% "Die Gerätenummer konnte nicht übertragen werden (Fehler: %s Lösung: %s). Der "
            //% "alte Wert bleibt; mit --keep-on-failure wird der neue trotzdem übernommen."
            return out.Fail(
                kBusDriverFailure, "transferFailed",
                texts.Format(QT_TRID_NOOP("ctl.set.transferfailed"),
                             {session.Errors().Description(code), session.Errors().Remedy(code)}),
                {{"result", session.Code(code)}});
        }
        case Status::kNotSaved:
        case Status::kWriteFailed:
        case Status::kWritten:
            break;
    }
    return session.FileFailure(outcome.status == Status::kNotSaved ? kCannotSave : outcome.result,
                               out);
}

void ReportTransfer(Session& session, Result code, Output& out) {
    out.Object()["transfer"] = session.Code(code);
    if (code == kOk) return out.Line(session.Texts().Numbered(Msg::kDeviceNumberTransferred));
    //% "Die Gerätenummer konnte nicht übertragen werden (Fehler: %s Lösung: %s). Sie wurde "
    //% "trotzdem in die Konfiguration übernommen."
    out.Warn(session.Texts().Format(
        QT_TRID_NOOP("ctl.set.keptanyway"),
        {session.Errors().Description(code), session.Errors().Remedy(code)}));
}

int Run(Session& session, const Arguments& arguments, Output& out) {
    if (const int refused = session.RequireEntry(arguments.number, out)) return refused;
    const SettingChangeOutcome outcome =
        SettingChange(session.Context(), arguments.number)
            .Apply(arguments.setting, arguments.value, arguments.keepOnFailure);
    if (outcome.status != Status::kNoSuchSetting) {
        out.Object()["setting"] = SettingJson(outcome, arguments.value);
    }
    if (outcome.status != Status::kWritten) return Refuse(session, outcome, arguments, out);
    const Catalogue& texts = session.Texts();
    //% "Hardware %s: <%s> = %s"
    out.Line(
        texts.Format(QT_TRID_NOOP("ctl.set.done"),
                     {std::to_string(arguments.number), outcome.displayName, outcome.storedValue}));
    if (outcome.adjusted) {
        //% "Gespeichert wurde %s, nicht der angegebene Wert %s."
        out.Line(
            texts.Format(QT_TRID_NOOP("ctl.set.adjusted"), {outcome.storedValue, arguments.value}));
    }
    if (outcome.transfer) ReportTransfer(session, *outcome.transfer, out);
    return kDone;
}

}  // namespace

Command SetCommand() {
    return {
        "set",
        "Change a setting of an entry",
        "Sets SETTING of entry N to VALUE. SETTING is the display name in the chosen language or "
        "the\n"
        "parameter name. VALUE is converted as the window's value dialog converts it: numbers are\n"
        "clamped to their bounds or wrapped to their type's width, a unit after the number is\n"
        "ignored, and a choice must be one of the choices. The output says when the stored value\n"
        "differs from VALUE. A new DeviceNr is first transferred to the adapter; when that fails,\n"
        "the old value stays unless --keep-on-failure is given.",
        {Parameter::kNumber, Parameter::kSetting, Parameter::kValue, Parameter::kKeepOnFailure},
        true,
        &Run};
}

}  // namespace trelink::ctl
