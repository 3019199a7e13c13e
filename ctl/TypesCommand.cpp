#include "commands/TypeCatalogue.h"
#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"
#include "ctl/TextTable.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

Output::Json TypeJson(const TypeInfo& type) {
    Output::Json driver = nullptr;
    if (type.firstDriver) {
        driver = {{"path", type.firstDriver->FullPath()},
                  {"fileName", type.firstDriver->FileName()},
                  {"version", type.firstDriver->Version()},
                  {"present", type.offered}};
    }
    return {{"number", type.number},
            {"typeId", type.typeId},
            {"name", type.name},
            {"names", {{"de", type.germanName}, {"en", type.englishName}}},
            {"maximum", type.maximum},
            {"used", type.used},
            {"free", type.freeSlots},
            {"notParallelTo", type.notParallelTo},
            {"driver", std::move(driver)},
            {"offered", type.offered},
            {"canAdd", type.offered && type.freeSlots > 0}};
}

std::string DriverText(const TypeInfo& type, const Catalogue& texts) {
    if (!type.firstDriver) return "-";
    //% "fehlt"
    const std::string state =
        type.offered ? type.firstDriver->Version() : texts.Text(QT_TRID_NOOP("ctl.types.missing"));
    return type.firstDriver->FileName() + " (" + state + ")";
}

TextTable TypesTable(const Catalogue& texts) {
    return TextTable({//% "Typ"
                      texts.Text(QT_TRID_NOOP("ctl.types.number")),
                      texts.Numbered(Msg::kColumnHardwareName),
                      //% "Höchstzahl"
                      texts.Text(QT_TRID_NOOP("ctl.types.maximum")),
                      //% "Frei"
                      texts.Text(QT_TRID_NOOP("ctl.types.free")),
                      //% "Nicht neben"
                      texts.Text(QT_TRID_NOOP("ctl.types.notparallel")),
                      //% "Treiber"
                      texts.Text(QT_TRID_NOOP("ctl.types.driver")),
                      //% "Hinzufügbar"
                      texts.Text(QT_TRID_NOOP("ctl.types.canadd"))});
}

int Run(Session& session, const Arguments&, Output& out) {
    std::vector<TypeInfo> types;
    if (const Result result = TypeCatalogue(session.Context()).List(types); result != kOk) {
        return session.FileFailure(result, out);
    }
    const Catalogue& texts = session.Texts();
    TextTable table = TypesTable(texts);
    Output::Json list = Output::Json::array();
    for (const TypeInfo& type : types) {
        list.push_back(TypeJson(type));
        table.AddRow({std::to_string(type.number), type.name, std::to_string(type.maximum),
                      std::to_string(type.freeSlots),
                      type.notParallelTo.empty() ? "-" : NumberList(type.notParallelTo),
                      DriverText(type, texts), texts.YesNo(type.offered && type.freeSlots > 0)});
    }
    out.Object()["types"] = std::move(list);
    out.Print(table);
    return kDone;
}

}  // namespace

Command TypesCommand() {
    return {
        "types",
        "List the hardware types that can be added and their limits",
        "Lists the catalogue's hardware types: the largest number of entries, the free slots, the\n"
        "types that may not be active beside them, and whether their driver is installed, which\n"
        "decides whether they can be added.",
        {},
        false,
        &Run};
}

}  // namespace trelink::ctl
