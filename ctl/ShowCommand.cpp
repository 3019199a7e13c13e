#include "commands/EntryDetails.h"
#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/Session.h"
#include "ctl/TextId.h"
#include "ctl/TextTable.h"
#include "store/MessageIds.h"
#include "store/ParameterDefinition.h"
#include "store/ValueConversion.h"

namespace trelink::ctl {

namespace {

// What the value dialog would allow: the bounds of a clamped number or the choices of a list.
std::string Range(const ParameterDefinition& record, const Catalogue& texts) {
    //% "nicht änderbar"
    if (!EditRowFor(record)) return texts.Text(QT_TRID_NOOP("ctl.show.fixed"));
    if (record.type == PT_SUBRANGE) {
        return std::to_string(record.minimum) + ".." + std::to_string(record.maximum);
    }
    return Joined(record.choices, "|");
}

Output::Json SettingJson(const ParameterDefinition& record) {
    Output::Json setting = {{"name", record.name},
                            {"displayName", record.displayName},
                            {"value", record.value},
                            {"unit", record.unit},
                            {"type", ParameterTypeName(record.type)},
                            {"editable", EditRowFor(record).has_value()},
                            {"default", record.defaultValue}};
    if (record.type == PT_SUBRANGE) {
        setting["minimum"] = record.minimum;
        setting["maximum"] = record.maximum;
    }
    if (record.type == PT_ENUM) setting["choices"] = record.choices;
    return setting;
}

void ShowSettings(Session& session, int number, Output& out) {
    const Catalogue& texts = session.Texts();
    ParameterDefinitionList records;
    EntryDetails(session.Context()).ReadSettings(number, records);
    TextTable table({texts.Numbered(Msg::kColumnParameter),
                     //% "Name"
                     texts.Text(QT_TRID_NOOP("ctl.show.name")), texts.Numbered(Msg::kColumnValue),
                     //% "Einheit"
                     texts.Text(QT_TRID_NOOP("ctl.show.unit")),
                     //% "Typ"
                     texts.Text(QT_TRID_NOOP("ctl.show.type")),
                     //% "Bereich/Auswahl"
                     texts.Text(QT_TRID_NOOP("ctl.show.range")),
                     //% "Standardwert"
                     texts.Text(QT_TRID_NOOP("ctl.show.default"))});
    Output::Json settings = Output::Json::array();
    for (const auto& record : records) {
        settings.push_back(SettingJson(*record));
        table.AddRow({record->displayName, record->name, record->value, record->unit,
                      ParameterTypeName(record->type), Range(*record, texts),
                      record->defaultValue});
    }
    out.Object()["settings"] = std::move(settings);
    out.Line(texts.Numbered(Msg::kCaptionSettings));
    out.Print(table);
}

void ShowDrivers(Session& session, int number, Output& out) {
    const Catalogue& texts = session.Texts();
    TextTable table({texts.Numbered(Msg::kColumnFileName), texts.Numbered(Msg::kColumnVersion),
                     texts.Numbered(Msg::kColumnDate)});
    Output::Json drivers = Output::Json::array();
    for (const DriverFileInfo& file : EntryDetails(session.Context()).DriverFiles(number)) {
        drivers.push_back({{"path", file.FullPath()},
                           {"fileName", file.FileName()},
                           {"version", file.Version()},
                           {"date", file.Date()}});
        table.AddRow({file.FileName(), file.Version(), file.Date()});
    }
    out.Object()["drivers"] = std::move(drivers);
    out.Line("");
    out.Line(texts.Numbered(Msg::kCaptionDriverInfo));
    out.Print(table);
}

int Run(Session& session, const Arguments& arguments, Output& out) {
    if (const int refused = session.RequireEntry(arguments.number, out)) return refused;
    const HardwareRow row = *session.Row(arguments.number);
    const Catalogue& texts = session.Texts();
    out.Object()["entry"] = session.RowJson(row);
    //% "Hardware %s: %s (Typ %s), aktiv: %s, Standard: %s, Code %s: %s"
    out.Line(texts.Format(
        QT_TRID_NOOP("ctl.show.entry"),
        {std::to_string(row.number), session.EntryName(row.number), std::to_string(row.type),
         texts.YesNo(row.isActive != 0), texts.YesNo(row.isDefault != 0),
         std::to_string(row.errorCode), session.Errors().Description(row.errorCode)}));
    out.Line("");
    ShowSettings(session, row.number, out);
    ShowDrivers(session, row.number, out);
    return kDone;
}

}  // namespace

Command ShowCommand() {
    return {
        "show",
        "Show one entry's settings and driver files",
        "Shows entry N: its settings (display name, parameter name, value, unit, type, bounds or\n"
        "choices, default) and its type's driver files (name, version, date).",
        {Parameter::kNumber},
        false,
        &Run};
}

}  // namespace trelink::ctl
