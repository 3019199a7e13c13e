#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"

namespace trelink::ctl {

namespace {

int Run(Session& session, const Arguments& arguments, Output& out) {
    const int number = arguments.number;
    if (const int refused = session.RequireEntry(number, out)) return refused;
    const HardwareRow row = *session.Row(number);
    // Making an inactive entry the default would activate it past the incompatibility rule,
    // which is why the window offers it only for active entries.
    if (row.isActive == 0) {
        //% "Hardware %s ist nicht aktiv. Nur eine aktive Hardware kann Standard werden."
        return out.Fail(
            kRefused, "notActive",
            session.Texts().Format(QT_TRID_NOOP("ctl.default.inactive"), {std::to_string(number)}));
    }
    if (row.isDefault != 0) {
        //% "Hardware %s ist bereits die Standardhardware."
        return session.Report(number, false, QT_TRID_NOOP("ctl.default.already"), out);
    }
    //% "Hardware %s ist jetzt die Standardhardware."
    return session.ReportStateChange(number, session.Commands().SetDefault(number),
                                     QT_TRID_NOOP("ctl.default.done"), out);
}

}  // namespace

Command DefaultCommand() {
    return {
        "default",
        "Make an active entry the default",
        "Makes active entry N the one default entry; every other entry loses its default mark. An\n"
        "inactive entry is refused: activate it first.",
        {Parameter::kNumber},
        true,
        &Run};
}

}  // namespace trelink::ctl
