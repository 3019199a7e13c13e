#include "commands/Diagnosis.h"
#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"

namespace trelink::ctl {

namespace {

// Stores the connection test's code as the entry's ErrorCode, as every diagnosis does.
int Store(Diagnosis& diagnosis, Session& session, Output& out) {
    out.Object()["result"] = session.Code(diagnosis.Code());
    switch (diagnosis.StoreCode()) {
        case Diagnosis::Storing::kStored:
            return kDone;
        case Diagnosis::Storing::kStateUnreadable:
            return session.FileFailure(kCannotLoad, out);
        case Diagnosis::Storing::kNotSaved:
        case Diagnosis::Storing::kWriteFailed:
            break;
    }
    return session.FileFailure(kCannotSave, out);
}

// The status text the window shows, and whether the bus answered as asked.
int Finish(const Diagnosis& diagnosis, Session& session, int number, Output& out) {
    const Catalogue& texts = session.Texts();
    const std::string report = diagnosis.Report(texts);
    out.Object()["report"] = report;
    out.Line(report);
    const std::string numberText = std::to_string(number);
    if (diagnosis.Code() != kOk) {
        //% "Hardware %s ist nicht betriebsbereit: %s"
        return out.Fail(kBusDriverFailure, "notReady",
                        texts.Format(QT_TRID_NOOP("ctl.diagnose.notready"),
                                     {numberText, session.Errors().Description(diagnosis.Code())}),
                        {{"result", session.Code(diagnosis.Code())}});
    }
    if (diagnosis.ScanFailed()) {
        //% "Der Bus von Hardware %s konnte nicht abgesucht werden: %s"
        return out.Fail(
            kBusDriverFailure, "scanFailed",
            texts.Format(QT_TRID_NOOP("ctl.scan.failed"),
                         {numberText, session.Errors().Description(diagnosis.ScanCode())}),
            {{"result", session.Code(diagnosis.ScanCode())}});
    }
    return kDone;
}

int Diagnose(Session& session, int number, bool scan, Output& out) {
    if (const int refused = session.RequireEntry(number, out)) return refused;
    Diagnosis diagnosis(session.Context(), session.Errors(), number);
    if (const int failed = Store(diagnosis, session, out)) return failed;
    if (scan && diagnosis.OffersScan()) out.Object()["nodes"] = diagnosis.Scan();
    return Finish(diagnosis, session, number, out);
}

int RunDiagnose(Session& session, const Arguments& arguments, Output& out) {
    return Diagnose(session, arguments.number, false, out);
}

int RunScan(Session& session, const Arguments& arguments, Output& out) {
    if (!arguments.yes) {
        //% "Das Absuchen des Busses kann unter Umständen (z.B. falsche Baudrate) zum Absturz "
        //% "des Busses führen. Nur mit --yes wird der Bus abgesucht."
        return out.Fail(kRefused, "needsYes",
                        session.Texts().Text(QT_TRID_NOOP("ctl.scan.needsyes")));
    }
    return Diagnose(session, arguments.number, true, out);
}

}  // namespace

Command DiagnoseCommand() {
    return {
        "diagnose",
        "Test the connection of an entry",
        "Tests the connection of entry N through the bus driver, stores the result as the entry's\n"
        "code and shows the device status with the suggested remedy. Exits with 4 when the device\n"
        "is not ready.",
        {Parameter::kNumber},
        true,
        &RunDiagnose};
}

Command ScanCommand() {
    return {
        "scan",
        "Scan the bus of an entry for its nodes (needs --yes)",
        "Diagnoses entry N and, when the device is ready, scans its bus for the node addresses\n"
        "that answer. WARNING: a scan can bring the bus down (for example with a wrong baud\n"
        "rate), so it runs only with --yes.",
        {Parameter::kNumber, Parameter::kYes},
        true,
        &RunScan};
}

}  // namespace trelink::ctl
