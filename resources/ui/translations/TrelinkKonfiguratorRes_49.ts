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
</context>
</TS>
