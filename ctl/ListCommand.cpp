#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"
#include "ctl/TextTable.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

TextTable ListTable(const Catalogue& texts) {
    return TextTable({texts.Numbered(Msg::kColumnNumber), texts.Numbered(Msg::kColumnHardwareName),
                      //% "Aktiv"
                      texts.Text(QT_TRID_NOOP("ctl.list.active")),
                      //% "Standard"
                      texts.Text(QT_TRID_NOOP("ctl.list.default")),
                      //% "Code"
                      texts.Text(QT_TRID_NOOP("ctl.list.code")),
                      texts.Numbered(Msg::kColumnStatus)});
}

int Run(Session& session, const Arguments&, Output& out) {
    std::vector<HardwareRow> rows;
    if (const Result result = session.Commands().ListHardware(rows); result != kOk) {
        return session.FileFailure(result, out);
    }
    const Catalogue& texts = session.Texts();
    TextTable table = ListTable(texts);
    Output::Json entries = Output::Json::array();
    for (const HardwareRow& row : rows) {
        entries.push_back(session.RowJson(row));
        const std::string number = std::to_string(row.number);
        table.AddRow({number, row.typeName.empty() ? number : row.typeName,
                      texts.YesNo(row.isActive != 0), texts.YesNo(row.isDefault != 0),
                      std::to_string(row.errorCode), session.Errors().Description(row.errorCode)});
    }
    out.Object()["entries"] = std::move(entries);
    out.Print(table);
    return kDone;
}

}  // namespace

Command ListCommand() {
    return {
        "list",
        "List every entry with its state and last connection result",
        "Lists every hardware entry: number, type name, whether it is active and the default, and\n"
        "the code of its last connection test with its description. Reads the file only.",
        {},
        false,
        &Run};
}

}  // namespace trelink::ctl
