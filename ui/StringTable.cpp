#include "ui/StringTable.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>
#include <array>
#include <utility>

#include "store/Message.h"
#include "store/MessageIds.h"

namespace trelink {
namespace {

// The "//%" lines are the German texts; lupdate writes them into the catalogues as the source
// texts, and the built-in catalogue is compiled from them.
constexpr std::array kTable = {
    //% "Inf&o über Trelink-Zazorudevoza..."
    std::pair{Msg::kInfoAbout, QT_TRID_NOOP("101")},
    //% "Internal error: Modul: %s Line: %i Code: %i"
    std::pair{Msg::kInternalError, QT_TRID_NOOP("102")},
    //% "#"
    std::pair{Msg::kColumnNumber, QT_TRID_NOOP("103")},
    //% "Hardwarename"
    std::pair{Msg::kColumnHardwareName, QT_TRID_NOOP("104")},
    //% "Status"
    std::pair{Msg::kColumnStatus, QT_TRID_NOOP("105")},
    //% "Allgemein"
    std::pair{Msg::kTabGeneral, QT_TRID_NOOP("106")},
    //% "Treiber"
    std::pair{Msg::kTabDriver, QT_TRID_NOOP("107")},
    //% "Einstellungen"
    std::pair{Msg::kTabSettings, QT_TRID_NOOP("108")},
    //% "Dateiname"
    std::pair{Msg::kColumnFileName, QT_TRID_NOOP("109")},
    //% "Version"
    std::pair{Msg::kColumnVersion, QT_TRID_NOOP("110")},
    //% "Datum"
    std::pair{Msg::kColumnDate, QT_TRID_NOOP("111")},
    //% "Parameter"
    std::pair{Msg::kColumnParameter, QT_TRID_NOOP("112")},
    //% "Wert"
    std::pair{Msg::kColumnValue, QT_TRID_NOOP("113")},
    //% "%s bearbeiten"
    std::pair{Msg::kEditSetting, QT_TRID_NOOP("114")},
    //% "Die ausgewählte Hardware kann nicht hinzugefügt werden. Die maximale Anzahl der "
    //% "Hardware diesen Typs ist erreicht."
    std::pair{Msg::kNoFreeSlot, QT_TRID_NOOP("115")},
    //% "Die ausgewählte Hardware kann nicht aktiviert werden, da bereits ein nicht kompatibler "
    //% "Hardwaretyp aktiv ist."
    std::pair{Msg::kIncompatibleActive, QT_TRID_NOOP("116")},
    //% "Hardware %s und %s: Für Parameter <%s> wird der Wert %s mehrfach verwendet. Der Wert "
    //% "muss eindeutig sein."
    std::pair{Msg::kValueNotUnique, QT_TRID_NOOP("117")},
    //% "Bei der Überprüfung der Konfiguration wurden keine Fehler gefunden."
    std::pair{Msg::kCheckPassed, QT_TRID_NOOP("118")},
    //% "Bei der Überprüfung der Konfiguration wurden Fehler festgestellt. Trotzdem beenden?"
    std::pair{Msg::kLeaveDespiteFindings, QT_TRID_NOOP("119")},
    //% "Es ist keine Hardware aktiv. Um zu kommunizieren muss mindestens eine Hardware "
    //% "aktiviert sein."
    std::pair{Msg::kNothingActive, QT_TRID_NOOP("120")},
    //% "Es ist keine Hardware als Standardhardware festgelegt. Es muss genau eine Hardware als "
    //% "Standard festgelegt werden."
    std::pair{Msg::kNoSingleDefault, QT_TRID_NOOP("121")},
    //% "Gerätestatus:\n%s\n\nLösungsvorschlag:\n%s"
    std::pair{Msg::kDeviceStatus, QT_TRID_NOOP("122")},
    //% "Das Geräte ist betriebsbereit. Der Bus kann jetzt nach vorhandenen Teilnehmern "
    //% "abgesucht werden.\nAchtung: Das Absuchen des Busses kann unter Umständen (z.B. falsche "
    //% "Baudrate) zum Absturz des Busses führen.\nMorvak übernimmt keine Haftung für Schäden, "
    //% "die daraus entstehen.\nSoll der Bus jetzt abgesucht werden?"
    std::pair{Msg::kAskScanBus, QT_TRID_NOOP("123")},
    //% "Auf folgenden Knotenadressen wurden Teilnehmer gefunden:\n\n"
    std::pair{Msg::kNodesFound, QT_TRID_NOOP("124")},
    //% "Die neue Gerätenummer wurde erfolgreich übertragen.\nDamit die neue Gerätenummer "
    //% "übernommen wird, muß der USB Adapter einmal entfernt und wieder angesteckt werden (USB "
    //% "Gerät vorher deaktivieren!)"
    std::pair{Msg::kDeviceNumberTransferred, QT_TRID_NOOP("125")},
    //% "Beim Übertragen der Gerätenummer ist ein Fehler aufgetreten.\n(Fehler: %s Lösung: "
    //% "%s)\nSoll die neue Gerätenummer trotzdem in die Konfiguration übernommen werden?"
    std::pair{Msg::kDeviceNumberTransferFailed, QT_TRID_NOOP("126")},
    //% "Es konnten keine Teilnehmer am Bus gefunden werden."
    std::pair{Msg::kNoNodesFound, QT_TRID_NOOP("127")},
    //% "&Hinzufügen"
    std::pair{Msg::kCaptionAdd, QT_TRID_NOOP("128")},
    //% "&Entfernen"
    std::pair{Msg::kCaptionRemove, QT_TRID_NOOP("129")},
    //% "Über&prüfen"
    std::pair{Msg::kCaptionCheck, QT_TRID_NOOP("130")},
    //% "&Beenden"
    std::pair{Msg::kCaptionLeave, QT_TRID_NOOP("131")},
    //% "&Diagnose"
    std::pair{Msg::kCaptionDiagnose, QT_TRID_NOOP("132")},
    //% "Gerätestatus"
    std::pair{Msg::kCaptionDeviceStatus, QT_TRID_NOOP("133")},
    //% "Treiberinformationen:"
    std::pair{Msg::kCaptionDriverInfo, QT_TRID_NOOP("134")},
    //% "Einstellungen:"
    std::pair{Msg::kCaptionSettings, QT_TRID_NOOP("135")},
    //% "Morvak Trelink-Zazorudevoza"
    std::pair{Msg::kWindowTitle, QT_TRID_NOOP("136")},
    //% "Fehler beim Speichern der Konfigurationsdatei. Die Datei ist eventuell "
    //% "schreibgeschützt, oder Sie verfügen nicht über die notwendigen Zugriffsrechte."
    std::pair{Msg::kCannotSave, QT_TRID_NOOP("137")},
    //% "Can't load %s. Error code: %i (%x)"
    std::pair{Msg::kCannotLoadErrorLookup, QT_TRID_NOOP("errorlookup.cantload")},
    //% "Can't load %s"
    std::pair{Msg::kCannotLoadLanguage, QT_TRID_NOOP("language.cantload")},
    //% "&Überprüfen"
    std::pair{Msg::kLayoutCheck, QT_TRID_NOOP("mainwindow.check")},
    //% "Morvak Trelinkkonfigurator"
    std::pair{Msg::kLayoutTitle, QT_TRID_NOOP("mainwindow.title")},
    //% "OK"
    std::pair{Msg::kButtonOk, QT_TRID_NOOP("button.ok")},
    //% "Abbrechen"
    std::pair{Msg::kButtonCancel, QT_TRID_NOOP("button.cancel")},
    //% "Die Konfigurationsdatei wurde von einem anderen Programm geändert. Die Liste zeigt "
    //% "jetzt den neuen Stand; bitte wiederholen Sie den Vorgang."
    std::pair{Msg::kChangedElsewhere, QT_TRID_NOOP("change.reloaded")},
    //% "Die Konfigurationsdatei wurde von einem anderen Programm geändert und kann nicht gelesen "
    //% "werden. Es wird nichts gespeichert, bis sie wieder gelesen werden kann."
    std::pair{Msg::kChangedUnreadable, QT_TRID_NOOP("change.unreadable")},
    //% "Die Konfigurationsdatei wird gerade von einem anderen Programm geändert. Bitte versuchen "
    //% "Sie es gleich noch einmal."
    std::pair{Msg::kChangeBusy, QT_TRID_NOOP("change.busy")},
};

const char* TextIdFor(int id) {
    for (const auto& [number, textId] : kTable) {
        if (number == id) return textId;
    }
    return nullptr;
}

}  // namespace

QString StringTable::Text(int id) {
    const char* textId = TextIdFor(id);
    return textId ? qtTrId(textId) : QString();
}

QString StringTable::Format(int id, const QStringList& arguments) {
    return FillPlaceholders(Text(id), arguments);
}

QString StringTable::Text(const Message& message) {
    return QString::fromStdString(CurrentCatalogue().Text(message));
}

QStringList StringTable::Texts(const std::vector<Message>& messages) {
    QStringList texts;
    for (const Message& message : messages) texts.append(Text(message));
    return texts;
}

QStringList StringTable::ToStringList(const TextList& texts) {
    QStringList list;
    for (const std::string& text : texts) list.append(QString::fromStdString(text));
    return list;
}

QString StringTable::FillPlaceholders(const QString& pattern, const QStringList& arguments) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(arguments.size()));
    for (const QString& argument : arguments) texts.push_back(argument.toStdString());
    return QString::fromStdString(trelink::FillPlaceholders(pattern.toStdString(), texts));
}

QString StringTable::LoadFailureText(const ErrorLookup::LoadFailure& failure) {
    return Format(Msg::kCannotLoadErrorLookup,
                  {QString::fromStdString(failure.fileName), QString::number(failure.errorCode),
                   QString::number(static_cast<unsigned>(failure.errorCode), 16)});
}

bool StringTable::InstallBuiltInCatalogue() {
    // Owned by the application object, so every later qtTrId of its run falls back on it.
    static QPointer<QTranslator> builtIn;
    if (builtIn) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/i18n/TrelinkKonfiguratorRes_49.qm"))) {
        delete translator;
        return false;
    }
    builtIn = translator;
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace trelink
