#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

int Run(Session& session, const Arguments&, Output& out) {
    const Catalogue& texts = session.Texts();
    const CheckFindingList findings = session.Commands().Check();
    Output::Json list = Output::Json::array();
    for (const Message& finding : findings) {
        list.push_back(
            {{"id", finding.id}, {"arguments", finding.arguments}, {"text", texts.Text(finding)}});
        out.Line(texts.Text(finding));
    }
    out.Object()["findings"] = std::move(list);
    if (!findings.empty()) return kRefused;
    out.Line(texts.Numbered(Msg::kCheckPassed));
    return kDone;
}

}  // namespace

Command CheckCommand() {
    return {
        "check",
        "Check the configuration",
        "Checks the configuration as the window does: values that must be unique, at least one\n"
        "active entry, exactly one default. Exits with 1 when it finds anything.",
        {},
        false,
        &Run};
}

}  // namespace trelink::ctl
