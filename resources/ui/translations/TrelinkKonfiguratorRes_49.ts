<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="addhardware.title">
        <source>Hardware hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="errorlist.title">
        <source>Fehlerliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="contextmenu.activate">
        <source>&amp;Aktivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="contextmenu.deactivate">
        <source>Deaktiveren</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="contextmenu.default">
        <source>&amp;Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.options">
        <source>&amp;Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.language">
        <source>&amp;Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.german">
        <source>&amp;Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.english">
        <source>&amp;Englisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.help">
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.helptopics">
        <source>&amp;Hilfethemen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.info">
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="mainwindow.title">
        <source>Morvak Trelinkkonfigurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="mainwindow.check">
        <source>&amp;Überprüfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="101">
        <source>Inf&amp;o über Trelink-Zazorudevoza...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="102">
        <source>Internal error: Modul: %s Line: %i Code: %i</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="103">
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="104">
        <source>Hardwarename</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="105">
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="106">
        <source>Allgemein</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="107">
        <source>Treiber</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="108">
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="109">
        <source>Dateiname</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="110">
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="111">
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="112">
        <source>Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="113">
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="114">
        <source>%s bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="115">
        <source>Die ausgewählte Hardware kann nicht hinzugefügt werden. Die maximale Anzahl der Hardware diesen Typs ist erreicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="116">
        <source>Die ausgewählte Hardware kann nicht aktiviert werden, da bereits ein nicht kompatibler Hardwaretyp aktiv ist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="117">
        <source>Hardware %s und %s: Für Parameter &lt;%s&gt; wird der Wert %s mehrfach verwendet. Der Wert muss eindeutig sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="118">
        <source>Bei der Überprüfung der Konfiguration wurden keine Fehler gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="119">
        <source>Bei der Überprüfung der Konfiguration wurden Fehler festgestellt. Trotzdem beenden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="120">
        <source>Es ist keine Hardware aktiv. Um zu kommunizieren muss mindestens eine Hardware aktiviert sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="121">
        <source>Es ist keine Hardware als Standardhardware festgelegt. Es muss genau eine Hardware als Standard festgelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="122">
        <source>Gerätestatus:
%s

Lösungsvorschlag:
%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="123">
        <source>Das Geräte ist betriebsbereit. Der Bus kann jetzt nach vorhandenen Teilnehmern abgesucht werden.
Achtung: Das Absuchen des Busses kann unter Umständen (z.B. falsche Baudrate) zum Absturz des Busses führen.
Morvak übernimmt keine Haftung für Schäden, die daraus entstehen.
Soll der Bus jetzt abgesucht werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="124">
        <source>Auf folgenden Knotenadressen wurden Teilnehmer gefunden:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="125">
        <source>Die neue Gerätenummer wurde erfolgreich übertragen.
Damit die neue Gerätenummer übernommen wird, muß der USB Adapter einmal entfernt und wieder angesteckt werden (USB Gerät vorher deaktivieren!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="126">
        <source>Beim Übertragen der Gerätenummer ist ein Fehler aufgetreten.
(Fehler: %s Lösung: %s)
Soll die neue Gerätenummer trotzdem in die Konfiguration übernommen werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="127">
        <source>Es konnten keine Teilnehmer am Bus gefunden werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="128">
        <source>&amp;Hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="129">
        <source>&amp;Entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="130">
        <source>Über&amp;prüfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="131">
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="132">
        <source>&amp;Diagnose</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="133">
        <source>Gerätestatus</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="134">
        <source>Treiberinformationen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="135">
        <source>Einstellungen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="136">
        <source>Morvak Trelink-Zazorudevoza</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="137">
        <source>Fehler beim Speichern der Konfigurationsdatei. Die Datei ist eventuell schreibgeschützt, oder Sie verfügen nicht über die notwendigen Zugriffsrechte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="messagebox.yes">
        <source>&amp;Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="messagebox.no">
        <source>&amp;Nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="errorlookup.cantload">
        <source>Can&apos;t load %s. Error code: %i (%x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="language.cantload">
        <source>Can&apos;t load %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="valuechoice.standard">
        <source>&amp;Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="valuechoice.apply">
        <source>&amp;Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="button.ok">
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="button.cancel">
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="about.title">
        <source>Info über Trelink-Zazorudevoza</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="about.product">
        <source>Trelink-Zazorudevoza Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="about.build">
        <source>%s %s (Build: %s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.searchfor">
        <source>&amp;Suchen nach:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.search">
        <source>Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.hits">
        <source>Treffer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.title">
        <source>Trelink-Zazorudevoza Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.contents">
        <source>Inhalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.index">
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.searchtab">
        <source>Suche</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="help.missing">
        <source>Die Hilfedatei %1 wurde nicht gefunden oder kann nicht geöffnet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.activate.blocking">
        <source>Aktiv und nicht kompatibel: Hardware %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.activate.unknowntype">
        <source>Der Hardwaretyp von Hardware %s steht nicht im Katalog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.activate.already">
        <source>Hardware %s ist bereits aktiv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.activate.done">
        <source>Hardware %s aktiviert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.add.limit">
        <source>Höchstzahl: %s, belegt von Hardware %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.add.nodriver">
        <source>Der Hardwaretyp %s kann nicht hinzugefügt werden: sein Treiber %s ist nicht installiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.add.done">
        <source>Hardware %s hinzugefügt: %s. Ergebnis der Verbindungsprüfung: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.add.unknowntype">
        <source>Der Katalog hat keinen Hardwaretyp %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.yes">
        <source>ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.no">
        <source>nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.deactivate.already">
        <source>Hardware %s ist bereits inaktiv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.deactivate.done">
        <source>Hardware %s deaktiviert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.default.inactive">
        <source>Hardware %s ist nicht aktiv. Nur eine aktive Hardware kann Standard werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.default.already">
        <source>Hardware %s ist bereits die Standardhardware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.default.done">
        <source>Hardware %s ist jetzt die Standardhardware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.diagnose.notready">
        <source>Hardware %s ist nicht betriebsbereit: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.scan.failed">
        <source>Der Bus von Hardware %s konnte nicht abgesucht werden: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.scan.needsyes">
        <source>Das Absuchen des Busses kann unter Umständen (z.B. falsche Baudrate) zum Absturz des Busses führen. Nur mit --yes wird der Bus abgesucht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.list.active">
        <source>Aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.list.default">
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.list.code">
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.remove.done">
        <source>Hardware %s entfernt: %s. Die folgenden Einträge rücken um eine Nummer vor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.error.locked">
        <source>Die Konfigurationsdatei %s wird gerade von einem anderen Programm geändert. Bitte später noch einmal versuchen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.error.lockfailed">
        <source>Der Ordner %s der Konfigurationsdatei kann nicht gesperrt werden: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.error.noentry">
        <source>Es gibt keine Hardware %s; die Konfiguration hat %s Einträge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.nosetting">
        <source>Hardware %s hat keine Einstellung %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.noteditable">
        <source>Die Einstellung &lt;%s&gt; kann nicht geändert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.notachoice">
        <source>%s ist keine Auswahl von &lt;%s&gt;. Möglich sind: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.noelement">
        <source>Hardware %s hat kein Element für &lt;%s&gt;; die Einstellung kann nicht geändert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.transferfailed">
        <source>Die Gerätenummer konnte nicht übertragen werden (Fehler: %s Lösung: %s). Der alte Wert bleibt; mit --keep-on-failure wird der neue trotzdem übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.keptanyway">
        <source>Die Gerätenummer konnte nicht übertragen werden (Fehler: %s Lösung: %s). Sie wurde trotzdem in die Konfiguration übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.done">
        <source>Hardware %s: &lt;%s&gt; = %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.set.adjusted">
        <source>Gespeichert wurde %s, nicht der angegebene Wert %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.show.fixed">
        <source>nicht änderbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.show.name">
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.show.unit">
        <source>Einheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.show.type">
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.show.range">
        <source>Bereich/Auswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.show.default">
        <source>Standardwert</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.show.entry">
        <source>Hardware %s: %s (Typ %s), aktiv: %s, Standard: %s, Code %s: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.types.missing">
        <source>fehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.types.number">
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.types.maximum">
        <source>Höchstzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.types.free">
        <source>Frei</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.types.notparallel">
        <source>Nicht neben</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.types.driver">
        <source>Treiber</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ctl.types.canadd">
        <source>Hinzufügbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="change.reloaded">
        <source>Die Konfigurationsdatei wurde von einem anderen Programm geändert. Die Liste zeigt jetzt den neuen Stand; bitte wiederholen Sie den Vorgang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="change.unreadable">
        <source>Die Konfigurationsdatei wurde von einem anderen Programm geändert und kann nicht gelesen werden. Es wird nichts gespeichert, bis sie wieder gelesen werden kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="change.busy">
        <source>Die Konfigurationsdatei wird gerade von einem anderen Programm geändert. Bitte versuchen Sie es gleich noch einmal.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
