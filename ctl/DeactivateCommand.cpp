#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"

namespace trelink::ctl {

namespace {

int Run(Session& session, const Arguments& arguments, Output& out) {
    const int number = arguments.number;
    if (const int refused = session.RequireEntry(number, out)) return refused;
    if (session.Row(number)->isActive == 0) {
        //% "Hardware %s ist bereits inaktiv."
        return session.Report(number, false, QT_TRID_NOOP("ctl.deactivate.already"), out);
    }
    //% "Hardware %s deaktiviert."
    return session.ReportStateChange(number, session.Commands().Deactivate(number),
                                     QT_TRID_NOOP("ctl.deactivate.done"), out);
}

}  // namespace

Command DeactivateCommand() {
    return {"deactivate",
            "Deactivate an entry",
            "Deactivates entry N; it is then no longer the default either.",
            {Parameter::kNumber},
            true,
            &Run};
}

}  // namespace trelink::ctl
