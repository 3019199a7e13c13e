#include "commands/TypeCatalogue.h"
#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"
#include "ctl/TextTable.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

int RefuseLimit(const Catalogue& texts, const AddOutcome& outcome, Output& out) {
    //% "Höchstzahl: %s, belegt von Hardware %s."
    const std::string limit =
        texts.Format(QT_TRID_NOOP("ctl.add.limit"),
                     {std::to_string(outcome.maximum), NumberList(outcome.entriesOfType)});
    return out.Fail(kRefused, "limitReached", texts.Numbered(Msg::kNoFreeSlot) + " " + limit,
                    {{"maximum", outcome.maximum}, {"entries", outcome.entriesOfType}});
}

// The add offers only types whose driver is installed, as the window's dialog does.
int RefuseNotOffered(const Catalogue& texts, const TypeInfo& type, Output& out) {
    const std::string driver = type.firstDriver ? type.firstDriver->FullPath() : "";
    //% "Der Hardwaretyp %s kann nicht hinzugefügt werden: sein Treiber %s ist nicht installiert."
    return out.Fail(kRefused, "driverMissing",
                    texts.Format(QT_TRID_NOOP("ctl.add.nodriver"), {type.name, driver}),
                    {{"driver", driver}});
}

int Add(Session& session, const TypeInfo& type, Output& out) {
    const AddOutcome outcome = session.Commands().AddHardwareOfType(type.number);
    if (outcome.status == AddOutcome::Status::kNoFreeSlot) {
        return RefuseLimit(session.Texts(), outcome, out);
    }
    if (outcome.result != kOk) return session.FileFailure(outcome.result, out);
    if (outcome.probe.saveFailed) return session.FileFailure(kCannotSave, out);
    if (outcome.probe.result != kOk) return session.FileFailure(outcome.probe.result, out);
    int count = 0;
    session.Context().document.GetHardwareCount(count);
    const HardwareRow row = *session.Row(count);
    out.Object()["entry"] = session.RowJson(row);
    //% "Hardware %s hinzugefügt: %s. Ergebnis der Verbindungsprüfung: %s"
    out.Line(session.Texts().Format(QT_TRID_NOOP("ctl.add.done"),
                                    {std::to_string(row.number), session.EntryName(row.number),
                                     session.Errors().Description(row.errorCode)}));
    return kDone;
}

int Run(Session& session, const Arguments& arguments, Output& out) {
    const Catalogue& texts = session.Texts();
    const std::optional<TypeInfo> type = TypeCatalogue(session.Context()).Find(arguments.type);
    if (!type) {
        //% "Der Katalog hat keinen Hardwaretyp %s."
        return out.Fail(kRefused, "unknownType",
                        texts.Format(QT_TRID_NOOP("ctl.add.unknowntype"), {arguments.type}));
    }
    out.Object()["type"] = type->number;
    if (!type->offered) return RefuseNotOffered(texts, *type, out);
    return Add(session, *type, out);
}

}  // namespace

Command AddCommand() {
    return {
        "add",
        "Add an entry of a hardware type",
        "Adds an entry of TYPE, named in German or English or by its type number, when its driver\n"
        "is installed and its limit allows another one; then tests the connection of every entry, "
        "as\n"
        "the window does. A refusal names its reason, for example the limit and the entries that\n"
        "use it.",
        {Parameter::kType},
        true,
        &Run};
}

}  // namespace trelink::ctl
