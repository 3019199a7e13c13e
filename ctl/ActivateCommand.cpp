#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

int RefuseIncompatible(Session& session, const ActivateOutcome& outcome, Output& out) {
    std::string entries;
    for (const int number : outcome.blockingEntries) {
        entries += (entries.empty() ? "" : ", ") + std::to_string(number) + " (" +
                   session.EntryName(number) + ")";
    }
    const Catalogue& texts = session.Texts();
    //% "Aktiv und nicht kompatibel: Hardware %s."
    const std::string blocking = texts.Format(QT_TRID_NOOP("ctl.activate.blocking"), {entries});
    return out.Fail(kRefused, "incompatible",
                    texts.Numbered(Msg::kIncompatibleActive) + " " + blocking,
                    {{"entries", outcome.blockingEntries}});
}

int RefuseUnknownType(Session& session, int number, Result result, Output& out) {
    //% "Der Hardwaretyp von Hardware %s steht nicht im Katalog."
    return out.Fail(
        kRefused, "unknownType",
        session.Texts().Format(QT_TRID_NOOP("ctl.activate.unknowntype"), {std::to_string(number)}),
        {{"result", session.Code(result)}});
}

int Run(Session& session, const Arguments& arguments, Output& out) {
    using Status = ActivateOutcome::Status;
    const int number = arguments.number;
    if (const int refused = session.RequireEntry(number, out)) return refused;
    if (session.Row(number)->isActive != 0) {
        //% "Hardware %s ist bereits aktiv."
        return session.Report(number, false, QT_TRID_NOOP("ctl.activate.already"), out);
    }
    const ActivateOutcome outcome = session.Commands().Activate(number);
    switch (outcome.status) {
        case Status::kActivated:
            //% "Hardware %s aktiviert."
            return session.Report(number, true, QT_TRID_NOOP("ctl.activate.done"), out);
        case Status::kIncompatible:
            return RefuseIncompatible(session, outcome, out);
        case Status::kNameLookupFailed:
        case Status::kRuleFailed:
            return RefuseUnknownType(session, number, outcome.result, out);
        case Status::kStateUnreadable:
            return session.FileFailure(kCannotLoad, out);
        case Status::kWriteFailed:
            break;
    }
    return session.FileFailure(outcome.result, out);
}

}  // namespace

Command ActivateCommand() {
    return {"activate",
            "Activate an entry",
            "Activates entry N unless an active entry has a type that N's type may not run beside "
            "(the\n"
            "refusal names those entries); then lets the bus driver save its own form of the\n"
            "configuration, as the window does.",
            {Parameter::kNumber},
            true,
            &Run};
}

}  // namespace trelink::ctl
