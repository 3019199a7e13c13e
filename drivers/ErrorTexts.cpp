#include "drivers/ErrorTexts.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "drivers/L1ResultCodes.h"

namespace trelink::lookup {

namespace {

// The configuration tool's own codes; they share the number range with the driver's.
constexpr std::int32_t kToolCannotLoad = 41233;
constexpr std::int32_t kToolUnknownTypeName = 41238;
constexpr std::int32_t kToolCannotSave = 41240;
constexpr std::int32_t kToolNoConfigurationElement = 41241;
constexpr std::int32_t kToolBusDriverNotLoaded = 41245;
constexpr std::int32_t kToolXmlParserMissing = 41246;

struct ErrorText {
    std::int32_t code;
    std::string_view germanDescription;
    std::string_view germanSolution;
    std::string_view englishDescription;
    std::string_view englishSolution;
};

// Each text stays below the 255 bytes that the tool asks for.
constexpr std::array kTexts = {
    ErrorText{sim::kOk, "Das Gerät ist betriebsbereit.",
              "Es ist nichts zu tun. Die Verbindung zur Schnittstellenhardware wurde erfolgreich "
              "geprüft.",
              "The device is ready for operation.",
              "Nothing needs to be done. The connection to the interface hardware was tested "
              "successfully."},
    ErrorText{sim::kNoXmlFile, "Dem Bustreiber wurde noch keine Konfigurationsdatei genannt.",
              "Wiederholen Sie den Vorgang. Bleibt der Fehler bestehen, prüfen Sie den Namen der "
              "Konfigurationsdatei in den Einstellungen des Programms.",
              "The bus driver has not been given a configuration file yet.",
              "Repeat the operation. If the error persists, check the name of the configuration "
              "file in the program's settings."},
    ErrorText{sim::kConfigUnreadable, "Der Bustreiber kann die Konfigurationsdatei nicht lesen.",
              "Prüfen Sie, ob die Konfigurationsdatei vorhanden ist, gelesen werden darf und "
              "gültiges XML enthält.",
              "The bus driver cannot read the configuration file.",
              "Check that the configuration file exists, may be read and contains well-formed "
              "XML."},
    ErrorText{sim::kNoSuchHardware,
              "Die Konfiguration enthält keinen Hardwareeintrag mit dieser Nummer.",
              "Laden Sie die Konfiguration neu und wählen Sie einen vorhandenen Hardwareeintrag "
              "aus.",
              "The configuration has no hardware entry with this number.",
              "Reload the configuration and select an existing hardware entry."},
    ErrorText{sim::kAdapterNotFound,
              "Es wurde keine Schnittstellenhardware dieses Typs mit der eingestellten "
              "Gerätenummer gefunden.",
              "Prüfen Sie, ob die Hardware eingebaut bzw. angeschlossen ist und ob die "
              "eingestellte Gerätenummer mit der Gerätenummer der Hardware übereinstimmt.",
              "No interface hardware of this type with the configured device number was found.",
              "Check that the hardware is installed or connected and that the configured device "
              "number matches the device number of the hardware."},
    ErrorText{sim::kAdapterNotPluggedIn,
              "Die Schnittstellenhardware ist bekannt, aber nicht angeschlossen.",
              "Stecken Sie den Adapter auf bzw. schließen Sie ihn an und wiederholen Sie die "
              "Diagnose.",
              "The interface hardware is known but not connected.",
              "Plug in or connect the adapter and run the diagnosis again."},
    ErrorText{sim::kInjectedFault, "Die Schnittstellenhardware meldet einen Gerätefehler.",
              "Trennen Sie die Hardware kurz von der Versorgung und wiederholen Sie die Diagnose. "
              "In der Simulation löst ein Eintrag „Fault“ der Simulationsdatei diesen Fehler aus.",
              "The interface hardware reports a device fault.",
              "Disconnect the hardware from its supply briefly and run the diagnosis again. In "
              "the simulation a \"Fault\" entry of the simulation file causes this error."},
    ErrorText{sim::kInvalidHandle,
              "Die Verbindungskennung ist ungültig oder die Verbindung wurde bereits getrennt.",
              "Bauen Sie die Verbindung zur Hardware neu auf.",
              "The connection handle is invalid or the connection has already been closed.",
              "Open the connection to the hardware again."},
    ErrorText{sim::kNotSupported, "Diese Funktion wird vom Bustreiber nicht unterstützt.",
              "Verwenden Sie eine Version des Bustreibers, die diese Funktion anbietet.",
              "The bus driver does not support this function.",
              "Use a version of the bus driver that provides this function."},
    ErrorText{sim::kInvalidArgument,
              "Der Bustreiber wurde mit einem ungültigen Argument aufgerufen.",
              "Das aufrufende Programm hat einen fehlenden Zeiger übergeben. Wenden Sie sich an "
              "den Hersteller des Programms.",
              "The bus driver was called with an invalid argument.",
              "The calling program passed a missing pointer. Please contact the maker of the "
              "program."},
    ErrorText{sim::kSimulationUnreadable, "Die Simulationsdatei des Bustreibers ist beschädigt.",
              "Prüfen Sie, ob die Simulationsdatei (mtrelinksim.xml oder die in "
              "MTRELINK_SIMULATION genannte Datei) gültiges XML enthält.",
              "The bus driver's simulation file is damaged.",
              "Check that the simulation file (mtrelinksim.xml or the file named by "
              "MTRELINK_SIMULATION) contains well-formed XML."},
    ErrorText{sim::kSimulationNotWritten,
              "Die neue Gerätenummer konnte nicht im Adapter gespeichert werden.",
              "Prüfen Sie, ob die Simulationsdatei beschrieben werden darf und genügend "
              "Speicherplatz frei ist.",
              "The new device number could not be stored in the adapter.",
              "Check that the simulation file may be written and that there is enough free disk "
              "space."},
    ErrorText{sim::kProprietaryNotWritten,
              "Der Bustreiber konnte seine eigene Konfiguration nicht speichern.",
              "Prüfen Sie, ob im Ordner der Konfigurationsdatei geschrieben werden darf und "
              "genügend Speicherplatz frei ist.",
              "The bus driver could not save its own configuration.",
              "Check that the folder of the configuration file may be written and that there is "
              "enough free disk space."},
    ErrorText{sim::kUnknownBuffer,
              "Der zurückgegebene Puffer stammt nicht vom Bustreiber oder wurde bereits "
              "zurückgegeben.",
              "Geben Sie nur Puffer zurück, die ScanBus geliefert hat, und jeden nur einmal. "
              "Wenden Sie sich an den Hersteller des Programms.",
              "The buffer handed back was not given out by the bus driver or has already been "
              "handed back.",
              "Hand back only buffers that ScanBus gave out, each of them once. Please contact "
              "the maker of the program."},
    ErrorText{sim::kInvalidDeviceNumber,
              "Die Gerätenummer liegt außerhalb des zulässigen Bereichs von 0 bis 255.",
              "Wählen Sie eine Gerätenummer von 0 bis 255.",
              "The device number lies outside the permitted range of 0 to 255.",
              "Choose a device number from 0 to 255."},
    ErrorText{sim::kDeviceNumberTaken,
              "Ein anderer Adapter desselben Typs verwendet diese Gerätenummer bereits.",
              "Wählen Sie eine Gerätenummer, die noch kein anderer Adapter dieses Typs verwendet.",
              "Another adapter of the same type already uses this device number.",
              "Choose a device number that no other adapter of this type uses."},
    ErrorText{sim::kTooManyConnections, "Es sind zu viele Verbindungen gleichzeitig geöffnet.",
              "Trennen Sie nicht mehr benötigte Verbindungen und versuchen Sie es erneut.",
              "Too many connections are open at the same time.",
              "Close connections that are no longer needed and try again."},
    ErrorText{sim::kInternalFault, "Im Bustreiber ist ein interner Fehler aufgetreten.",
              "Wiederholen Sie den Vorgang. Bleibt der Fehler bestehen, starten Sie das Programm "
              "neu.",
              "An internal error occurred in the bus driver.",
              "Repeat the operation. If the error persists, restart the program."},
    ErrorText{kToolCannotLoad, "Die Konfigurationsdatei konnte nicht geladen werden.",
              "Prüfen Sie, ob die in den Einstellungen genannte Konfigurationsdatei vorhanden ist "
              "und gültiges XML enthält.",
              "The configuration file could not be loaded.",
              "Check that the configuration file named in the settings exists and contains "
              "well-formed XML."},
    ErrorText{kToolUnknownTypeName, "Es gibt keinen Hardwaretyp mit diesem Namen.",
              "Der Hardwarekatalog der Konfigurationsdatei enthält diesen Namen nicht. Laden Sie "
              "die Konfiguration neu oder prüfen Sie die Einträge „HWName“ des Katalogs.",
              "There is no hardware type with this name.",
              "The hardware catalogue of the configuration file does not contain this name. "
              "Reload the configuration or check the \"HWName\" entries of the catalogue."},
    ErrorText{kToolCannotSave, "Die Konfigurationsdatei konnte nicht gespeichert werden.",
              "Die Datei ist eventuell schreibgeschützt, oder Sie verfügen nicht über die "
              "notwendigen Zugriffsrechte. Prüfen Sie auch den freien Speicherplatz.",
              "The configuration file could not be saved.",
              "The file may be read-only, or you may lack the necessary access rights. Check the "
              "free disk space as well."},
    ErrorText{kToolNoConfigurationElement,
              "Die Konfigurationsdatei enthält kein Element „configuration“, dem Hardware "
              "hinzugefügt werden kann.",
              "Verwenden Sie die mit dem Bustreiber ausgelieferte Konfigurationsdatei oder "
              "ergänzen Sie das Element „configuration“.",
              "The configuration file has no \"configuration\" element to add hardware to.",
              "Use the configuration file that came with the bus driver, or add the "
              "\"configuration\" element."},
    ErrorText{kToolBusDriverNotLoaded,
              "Die Bustreiber-Bibliothek libMTrelinkL1.so konnte nicht geladen werden.",
              "Prüfen Sie, ob libMTrelinkL1.so im Programmordner liegt und der Bustreiber "
              "vollständig installiert ist.",
              "The bus driver library libMTrelinkL1.so could not be loaded.",
              "Check that libMTrelinkL1.so is in the program folder and that the bus driver is "
              "installed completely."},
    ErrorText{kToolXmlParserMissing, "Der XML-Parser ist nicht verfügbar.",
              "Installieren Sie das Programm neu; der XML-Parser gehört zu seinem Lieferumfang.",
              "The XML parser is not available.",
              "Install the program again; the XML parser comes with it."},
};

const ErrorText* Find(std::int32_t code) {
    const auto found = std::find_if(kTexts.begin(), kTexts.end(),
                                    [code](const ErrorText& text) { return text.code == code; });
    return found == kTexts.end() ? nullptr : &*found;
}

}  // namespace

std::string Description(std::int32_t code, Language language) {
    if (const ErrorText* text = Find(code)) {
        return std::string(language == Language::German ? text->germanDescription
                                                        : text->englishDescription);
    }
    const std::string number = std::to_string(code);
    return language == Language::German ? "Unbekannter Fehler " + number + "."
                                        : "Unknown error " + number + ".";
}

std::string Solution(std::int32_t code, Language language) {
    if (const ErrorText* text = Find(code)) {
        return std::string(language == Language::German ? text->germanSolution
                                                        : text->englishSolution);
    }
    const std::string number = std::to_string(code);
    if (language == Language::German) {
        return "Für diesen Fehler ist kein Lösungsvorschlag hinterlegt. Wenden Sie sich mit dem "
               "Fehlercode " +
               number + " an den Hersteller.";
    }
    return "No remedy is known for this error. Please contact the manufacturer and quote the "
           "error code " +
           number + ".";
}

}  // namespace trelink::lookup
