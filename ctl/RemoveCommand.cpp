#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"

namespace trelink::ctl {

namespace {

int Run(Session& session, const Arguments& arguments, Output& out) {
    if (const int refused = session.RequireEntry(arguments.number, out)) return refused;
    const std::string name = session.EntryName(arguments.number);
    out.Object()["removed"] = session.RowJson(*session.Row(arguments.number));
    if (const Result result = session.Commands().RemoveHardware(arguments.number); result != kOk) {
        return session.FileFailure(result, out);
    }
    //% "Hardware %s entfernt: %s. Die folgenden Einträge rücken um eine Nummer vor."
    out.Line(session.Texts().Format(QT_TRID_NOOP("ctl.remove.done"),
                                    {std::to_string(arguments.number), name}));
    return kDone;
}

}  // namespace

Command RemoveCommand() {
    return {"remove",
            "Remove an entry",
            "Removes entry N; every later entry moves up one number.",
            {Parameter::kNumber},
            true,
            &Run};
}

}  // namespace trelink::ctl
