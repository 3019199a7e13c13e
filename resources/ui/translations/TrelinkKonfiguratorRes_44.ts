<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="addhardware.title">
        <source>Hardware hinzufügen</source>
        <translation>Add Hardware</translation>
    </message>
    <message id="errorlist.title">
        <source>Fehlerliste</source>
        <translation>Error List</translation>
    </message>
    <message id="contextmenu.activate">
        <source>&amp;Aktivieren</source>
        <translation>Ac&amp;tivate</translation>
    </message>
    <message id="contextmenu.deactivate">
        <source>Deaktiveren</source>
        <translation>D&amp;eactivate</translation>
    </message>
    <message id="contextmenu.default">
        <source>&amp;Standard</source>
        <translation>Set as &amp;Default</translation>
    </message>
    <message id="menu.options">
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message id="menu.language">
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message id="menu.german">
        <source>&amp;Deutsch</source>
        <translation>&amp;German</translation>
    </message>
    <message id="menu.english">
        <source>&amp;Englisch</source>
        <translation>&amp;English</translation>
    </message>
    <message id="menu.help">
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="menu.helptopics">
        <source>&amp;Hilfethemen</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message id="menu.info">
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message id="mainwindow.title">
        <source>Morvak Trelinkkonfigurator</source>
        <translation>Morvak Trelink Configurator</translation>
    </message>
    <message id="mainwindow.check">
        <source>&amp;Überprüfen</source>
        <translation>&amp;Check</translation>
    </message>
    <message id="101">
        <source>Inf&amp;o über Trelink-Zazorudevoza...</source>
        <translation>&amp;About Trelink-Zazorudevoza...</translation>
    </message>
    <message id="102">
        <source>Internal error: Modul: %s Line: %i Code: %i</source>
        <translation>Internal error: Module: %s Line: %i Code: %i</translation>
    </message>
    <message id="103">
        <source>#</source>
        <translation>#</translation>
    </message>
    <message id="104">
        <source>Hardwarename</source>
        <translation>Hardware name</translation>
    </message>
    <message id="105">
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message id="106">
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message id="107">
        <source>Treiber</source>
        <translation>Drivers</translation>
    </message>
    <message id="108">
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message id="109">
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message id="110">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="111">
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message id="112">
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message id="113">
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message id="114">
        <source>%s bearbeiten</source>
        <translation>Edit %s</translation>
    </message>
    <message id="115">
        <source>Die ausgewählte Hardware kann nicht hinzugefügt werden. Die maximale Anzahl der Hardware diesen Typs ist erreicht.</source>
        <translation>The selected hardware cannot be added. The maximum number of hardware entries of this type has been reached.</translation>
    </message>
    <message id="116">
        <source>Die ausgewählte Hardware kann nicht aktiviert werden, da bereits ein nicht kompatibler Hardwaretyp aktiv ist.</source>
        <translation>The selected hardware cannot be activated because an incompatible hardware type is already active.</translation>
    </message>
    <message id="117">
        <source>Hardware %s und %s: Für Parameter &lt;%s&gt; wird der Wert %s mehrfach verwendet. Der Wert muss eindeutig sein.</source>
        <translation>Hardware %s and %s: parameter &lt;%s&gt; uses the value %s more than once. The value must be unique.</translation>
    </message>
    <message id="118">
        <source>Bei der Überprüfung der Konfiguration wurden keine Fehler gefunden.</source>
        <translation>No errors were found while checking the configuration.</translation>
    </message>
    <message id="119">
        <source>Bei der Überprüfung der Konfiguration wurden Fehler festgestellt. Trotzdem beenden?</source>
        <translation>Errors were found while checking the configuration. Exit anyway?</translation>
    </message>
    <message id="120">
        <source>Es ist keine Hardware aktiv. Um zu kommunizieren muss mindestens eine Hardware aktiviert sein.</source>
        <translation>No hardware is active. At least one hardware entry must be active for communication.</translation>
    </message>
    <message id="121">
        <source>Es ist keine Hardware als Standardhardware festgelegt. Es muss genau eine Hardware als Standard festgelegt werden.</source>
        <translation>No hardware is set as the default. Exactly one hardware entry must be set as the default.</translation>
    </message>
    <message id="122">
        <source>Gerätestatus:
%s

Lösungsvorschlag:
%s</source>
        <translation>Device status:
%s

Suggested remedy:
%s</translation>
    </message>
    <message id="123">
        <source>Das Geräte ist betriebsbereit. Der Bus kann jetzt nach vorhandenen Teilnehmern abgesucht werden.
Achtung: Das Absuchen des Busses kann unter Umständen (z.B. falsche Baudrate) zum Absturz des Busses führen.
Morvak übernimmt keine Haftung für Schäden, die daraus entstehen.
Soll der Bus jetzt abgesucht werden?</source>
        <translation>The device is ready for operation. The bus can now be scanned for connected nodes.
Caution: under certain conditions (for example a wrong baud rate) scanning the bus can make the bus crash.
Morvak accepts no liability for any damage that results from this.
Scan the bus now?</translation>
    </message>
    <message id="124">
        <source>Auf folgenden Knotenadressen wurden Teilnehmer gefunden:

</source>
        <translation>Nodes were found at the following node addresses:

</translation>
    </message>
    <message id="125">
        <source>Die neue Gerätenummer wurde erfolgreich übertragen.
Damit die neue Gerätenummer übernommen wird, muß der USB Adapter einmal entfernt und wieder angesteckt werden (USB Gerät vorher deaktivieren!)</source>
        <translation>The new device number was transferred successfully.
For the new device number to take effect, the USB adapter must be unplugged and plugged in again once (deactivate the USB device first!)</translation>
    </message>
    <message id="126">
        <source>Beim Übertragen der Gerätenummer ist ein Fehler aufgetreten.
(Fehler: %s Lösung: %s)
Soll die neue Gerätenummer trotzdem in die Konfiguration übernommen werden?</source>
        <translation>An error occurred while transferring the device number.
(Error: %s Remedy: %s)
Store the new device number in the configuration anyway?</translation>
    </message>
    <message id="127">
        <source>Es konnten keine Teilnehmer am Bus gefunden werden.</source>
        <translation>No nodes could be found on the bus.</translation>
    </message>
    <message id="128">
        <source>&amp;Hinzufügen</source>
        <translation>&amp;Add</translation>
    </message>
    <message id="129">
        <source>&amp;Entfernen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message id="130">
        <source>Über&amp;prüfen</source>
        <translation>&amp;Check</translation>
    </message>
    <message id="131">
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message id="132">
        <source>&amp;Diagnose</source>
        <translation>&amp;Diagnose</translation>
    </message>
    <message id="133">
        <source>Gerätestatus</source>
        <translation>Device status</translation>
    </message>
    <message id="134">
        <source>Treiberinformationen:</source>
        <translation>Driver information:</translation>
    </message>
    <message id="135">
        <source>Einstellungen:</source>
        <translation>Settings:</translation>
    </message>
    <message id="136">
        <source>Morvak Trelink-Zazorudevoza</source>
        <translation>Morvak Trelink-Zazorudevoza</translation>
    </message>
    <message id="137">
        <source>Fehler beim Speichern der Konfigurationsdatei. Die Datei ist eventuell schreibgeschützt, oder Sie verfügen nicht über die notwendigen Zugriffsrechte.</source>
        <translation>Error saving the configuration file. The file may be write-protected, or you may not have the necessary access rights.</translation>
    </message>
    <message id="messagebox.yes">
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="messagebox.no">
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message id="errorlookup.cantload">
        <source>Can&apos;t load %s. Error code: %i (%x)</source>
        <translation>Can&apos;t load %s. Error code: %i (%x)</translation>
    </message>
    <message id="language.cantload">
        <source>Can&apos;t load %s</source>
        <translation>Can&apos;t load %s</translation>
    </message>
    <message id="valuechoice.standard">
        <source>&amp;Standard</source>
        <translation>&amp;Default</translation>
    </message>
    <message id="valuechoice.apply">
        <source>&amp;Übernehmen</source>
        <translation>&amp;Apply</translation>
    </message>
    <message id="button.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="button.cancel">
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message id="about.title">
        <source>Info über Trelink-Zazorudevoza</source>
        <translation>About Trelink-Zazorudevoza</translation>
    </message>
    <message id="about.product">
        <source>Trelink-Zazorudevoza Version</source>
        <translation>Trelink-Zazorudevoza Version</translation>
    </message>
    <message id="about.build">
        <source>%s %s (Build: %s)</source>
        <translation>%s %s (Build: %s)</translation>
    </message>
    <message id="help.searchfor">
        <source>&amp;Suchen nach:</source>
        <translation>&amp;Search for:</translation>
    </message>
    <message id="help.search">
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message id="help.hits">
        <source>Treffer: %1</source>
        <translation>Hits: %1</translation>
    </message>
    <message id="help.title">
        <source>Trelink-Zazorudevoza Hilfe</source>
        <translation>Trelink-Zazorudevoza Help</translation>
    </message>
    <message id="help.contents">
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message id="help.index">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="help.searchtab">
        <source>Suche</source>
        <translation>Search</translation>
    </message>
    <message id="help.missing">
        <source>Die Hilfedatei %1 wurde nicht gefunden oder kann nicht geöffnet werden.</source>
        <translation>The help file %1 was not found or cannot be opened.</translation>
    </message>
    <message id="ctl.activate.blocking">
        <source>Aktiv und nicht kompatibel: Hardware %s.</source>
        <translation>Active and incompatible: hardware %s.</translation>
    </message>
    <message id="ctl.activate.unknowntype">
        <source>Der Hardwaretyp von Hardware %s steht nicht im Katalog.</source>
        <translation>The hardware type of hardware %s is not in the catalogue.</translation>
    </message>
    <message id="ctl.activate.already">
        <source>Hardware %s ist bereits aktiv.</source>
        <translation>Hardware %s is already active.</translation>
    </message>
    <message id="ctl.activate.done">
        <source>Hardware %s aktiviert.</source>
        <translation>Hardware %s activated.</translation>
    </message>
    <message id="ctl.add.limit">
        <source>Höchstzahl: %s, belegt von Hardware %s.</source>
        <translation>Maximum: %s, taken by hardware %s.</translation>
    </message>
    <message id="ctl.add.nodriver">
        <source>Der Hardwaretyp %s kann nicht hinzugefügt werden: sein Treiber %s ist nicht installiert.</source>
        <translation>The hardware type %s cannot be added: its driver %s is not installed.</translation>
    </message>
    <message id="ctl.add.done">
        <source>Hardware %s hinzugefügt: %s. Ergebnis der Verbindungsprüfung: %s</source>
        <translation>Hardware %s added: %s. Result of the connection test: %s</translation>
    </message>
    <message id="ctl.add.unknowntype">
        <source>Der Katalog hat keinen Hardwaretyp %s.</source>
        <translation>The catalogue has no hardware type %s.</translation>
    </message>
    <message id="ctl.yes">
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message id="ctl.no">
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message id="ctl.deactivate.already">
        <source>Hardware %s ist bereits inaktiv.</source>
        <translation>Hardware %s is already inactive.</translation>
    </message>
    <message id="ctl.deactivate.done">
        <source>Hardware %s deaktiviert.</source>
        <translation>Hardware %s deactivated.</translation>
    </message>
    <message id="ctl.default.inactive">
        <source>Hardware %s ist nicht aktiv. Nur eine aktive Hardware kann Standard werden.</source>
        <translation>Hardware %s is not active. Only active hardware can become the default.</translation>
    </message>
    <message id="ctl.default.already">
        <source>Hardware %s ist bereits die Standardhardware.</source>
        <translation>Hardware %s is already the default hardware.</translation>
    </message>
    <message id="ctl.default.done">
        <source>Hardware %s ist jetzt die Standardhardware.</source>
        <translation>Hardware %s is now the default hardware.</translation>
    </message>
    <message id="ctl.diagnose.notready">
        <source>Hardware %s ist nicht betriebsbereit: %s</source>
        <translation>Hardware %s is not ready for operation: %s</translation>
    </message>
    <message id="ctl.scan.failed">
        <source>Der Bus von Hardware %s konnte nicht abgesucht werden: %s</source>
        <translation>The bus of hardware %s could not be scanned: %s</translation>
    </message>
    <message id="ctl.scan.needsyes">
        <source>Das Absuchen des Busses kann unter Umständen (z.B. falsche Baudrate) zum Absturz des Busses führen. Nur mit --yes wird der Bus abgesucht.</source>
        <translation>Under certain conditions (for example a wrong baud rate) scanning the bus can make the bus crash. The bus is scanned only with --yes.</translation>
    </message>
    <message id="ctl.list.active">
        <source>Aktiv</source>
        <translation>Active</translation>
    </message>
    <message id="ctl.list.default">
        <source>Standard</source>
        <translation>Default</translation>
    </message>
    <message id="ctl.list.code">
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message id="ctl.remove.done">
        <source>Hardware %s entfernt: %s. Die folgenden Einträge rücken um eine Nummer vor.</source>
        <translation>Hardware %s removed: %s. The entries after it move up by one number.</translation>
    </message>
    <message id="ctl.error.locked">
        <source>Die Konfigurationsdatei %s wird gerade von einem anderen Programm geändert. Bitte später noch einmal versuchen.</source>
        <translation>The configuration file %s is being changed by another program. Please try again later.</translation>
    </message>
    <message id="ctl.error.lockfailed">
        <source>Der Ordner %s der Konfigurationsdatei kann nicht gesperrt werden: %s</source>
        <translation>The folder %s of the configuration file cannot be locked: %s</translation>
    </message>
    <message id="ctl.error.noentry">
        <source>Es gibt keine Hardware %s; die Konfiguration hat %s Einträge.</source>
        <translation>There is no hardware %s; the configuration has %s entries.</translation>
    </message>
    <message id="ctl.set.nosetting">
        <source>Hardware %s hat keine Einstellung %s.</source>
        <translation>Hardware %s has no setting %s.</translation>
    </message>
    <message id="ctl.set.noteditable">
        <source>Die Einstellung &lt;%s&gt; kann nicht geändert werden.</source>
        <translation>The setting &lt;%s&gt; cannot be changed.</translation>
    </message>
    <message id="ctl.set.notachoice">
        <source>%s ist keine Auswahl von &lt;%s&gt;. Möglich sind: %s</source>
        <translation>%s is not a choice of &lt;%s&gt;. The choices are: %s</translation>
    </message>
    <message id="ctl.set.noelement">
        <source>Hardware %s hat kein Element für &lt;%s&gt;; die Einstellung kann nicht geändert werden.</source>
        <translation>Hardware %s has no element for &lt;%s&gt;; the setting cannot be changed.</translation>
    </message>
    <message id="ctl.set.transferfailed">
        <source>Die Gerätenummer konnte nicht übertragen werden (Fehler: %s Lösung: %s). Der alte Wert bleibt; mit --keep-on-failure wird der neue trotzdem übernommen.</source>
        <translation>The device number could not be transferred (Error: %s Remedy: %s). The old value stays; with --keep-on-failure the new one is stored all the same.</translation>
    </message>
    <message id="ctl.set.keptanyway">
        <source>Die Gerätenummer konnte nicht übertragen werden (Fehler: %s Lösung: %s). Sie wurde trotzdem in die Konfiguration übernommen.</source>
        <translation>The device number could not be transferred (Error: %s Remedy: %s). It was stored in the configuration all the same.</translation>
    </message>
    <message id="ctl.set.done">
        <source>Hardware %s: &lt;%s&gt; = %s</source>
        <translation>Hardware %s: &lt;%s&gt; = %s</translation>
    </message>
    <message id="ctl.set.adjusted">
        <source>Gespeichert wurde %s, nicht der angegebene Wert %s.</source>
        <translation>Stored was %s, not the value %s given.</translation>
    </message>
    <message id="ctl.show.fixed">
        <source>nicht änderbar</source>
        <translation>not editable</translation>
    </message>
    <message id="ctl.show.name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="ctl.show.unit">
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message id="ctl.show.type">
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message id="ctl.show.range">
        <source>Bereich/Auswahl</source>
        <translation>Range/choices</translation>
    </message>
    <message id="ctl.show.default">
        <source>Standardwert</source>
        <translation>Default value</translation>
    </message>
    <message id="ctl.show.entry">
        <source>Hardware %s: %s (Typ %s), aktiv: %s, Standard: %s, Code %s: %s</source>
        <translation>Hardware %s: %s (type %s), active: %s, default: %s, code %s: %s</translation>
    </message>
    <message id="ctl.types.missing">
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message id="ctl.types.number">
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message id="ctl.types.maximum">
        <source>Höchstzahl</source>
        <translation>Maximum</translation>
    </message>
    <message id="ctl.types.free">
        <source>Frei</source>
        <translation>Free</translation>
    </message>
    <message id="ctl.types.notparallel">
        <source>Nicht neben</source>
        <translation>Not beside</translation>
    </message>
    <message id="ctl.types.driver">
        <source>Treiber</source>
        <translation>Driver</translation>
    </message>
    <message id="ctl.types.canadd">
        <source>Hinzufügbar</source>
        <translation>Can be added</translation>
    </message>
    <message id="change.reloaded">
        <source>Die Konfigurationsdatei wurde von einem anderen Programm geändert. Die Liste zeigt jetzt den neuen Stand; bitte wiederholen Sie den Vorgang.</source>
        <translation>The configuration file was changed by another program. The list now shows its new state; please repeat the action.</translation>
    </message>
    <message id="change.unreadable">
        <source>Die Konfigurationsdatei wurde von einem anderen Programm geändert und kann nicht gelesen werden. Es wird nichts gespeichert, bis sie wieder gelesen werden kann.</source>
        <translation>The configuration file was changed by another program and cannot be read. Nothing is saved until it can be read again.</translation>
    </message>
    <message id="change.busy">
        <source>Die Konfigurationsdatei wird gerade von einem anderen Programm geändert. Bitte versuchen Sie es gleich noch einmal.</source>
        <translation>The configuration file is being changed by another program. Please try again in a moment.</translation>
    </message>
</context>
</TS>
