#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"

namespace trelink::ctl {

namespace {

int Run(Session& session, const Arguments& arguments, Output& out) {
    const int number = arguments.number;
    if (const int refused = session.RequireEntry(number, out)) return refused;
    const Catalogue& texts = session.Texts();
    const std::string numberText = std::to_string(number);
    if (session.Row(number)->isActive == 0) {
        //% "Hardware %s ist bereits inaktiv."
        return session.Report(
            number, false, texts.Format(QT_TRID_NOOP("ctl.deactivate.already"), {numberText}), out);
    }
    //% "Hardware %s deaktiviert."
    const std::string done = texts.Format(QT_TRID_NOOP("ctl.deactivate.done"), {numberText});
    return session.ReportStateChange(number, session.Commands().Deactivate(number), done, out);
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
