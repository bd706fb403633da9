<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Charts</name>
    <message>
        <source>Estimated air pressure (bar) versus time (min)</source>
        <translation>Geschätzter Flaschendruck (bar) über der Zeit (min)</translation>
    </message>
    <message>
        <source>Estimated breath rate (litres/minutes)</source>
        <translation>Geschätzte Atemrate (Liter/Minute)</translation>
    </message>
    <message>
        <source>No Air Data available</source>
        <translation>Keine Luftdaten vorhanden</translation>
    </message>
    <message>
        <source>Body temperature loss</source>
        <translation>Verlust an Körperwärme</translation>
    </message>
    <message>
        <source>Air bubbles</source>
        <translation>Luftblasen</translation>
    </message>
    <message>
        <source>Relative Air Consumption</source>
        <translation>Relativer Luftverbrauch</translation>
    </message>
    <message>
        <source>No Temp Data available</source>
        <translation>Keine Temperaturdaten vorhanden</translation>
    </message>
    <message>
        <source>No Deco Data available</source>
        <translation>Keine Dekodaten vorhanden</translation>
    </message>
    <message>
        <source>No Air Data Consumption available</source>
        <translation>Keine Daten zum Luftverbrauch vorhanden</translation>
    </message>
    <message>
        <source>Dive Number: %1  Depth (meters) versus Time (minutes)</source>
        <translation>Tauchgang Nr.: %1  Tiefe (Meter) über der Zeit (Minuten)</translation>
    </message>
    <message>
        <source>No Dive Data available</source>
        <translation>Keine Tauchdaten vorhanden</translation>
    </message>
    <message>
        <source>Depth derivative (meters per minutes)</source>
        <translation>Vertikalgeschwindigkeit (Meter pro Minute)</translation>
    </message>
    <message>
        <source>No Saturation Data available</source>
        <translation>Keine Sättigungsdaten vorhanden</translation>
    </message>
    <message>
        <source>  Calculating ...</source>
        <translation>  Berechnung läuft ...</translation>
    </message>
    <message>
        <source>Nitrogen Partial Pressure in tissues</source>
        <translation>Stickstoff-Partialdruck in den Geweben</translation>
    </message>
    <message>
        <source>% Allowed Nitrogen Over-Saturation coefficient</source>
        <translation>% des zulässigen Stickstoff-Übersättigungskoeffizienten</translation>
    </message>
    <message>
        <source>No dives with a date</source>
        <translation>Keine Tauchgänge mit Datum</translation>
    </message>
    <message>
        <source>No maximum depths</source>
        <translation>Keine maximalen Tiefen</translation>
    </message>
    <message>
        <source>No dive times</source>
        <translation>Keine Tauchzeiten</translation>
    </message>
    <message>
        <source>No water temperatures</source>
        <translation>Keine Wassertemperaturen</translation>
    </message>
    <message>
        <source>No dives with a breath rate estimate</source>
        <translation>Keine Tauchgänge mit geschätzter Atemrate</translation>
    </message>
    <message>
        <source>No dives with saturation results</source>
        <translation>Keine Tauchgänge mit Sättigungsergebnissen</translation>
    </message>
    <message>
        <source>Estimated air pressure (psi) versus time (min)</source>
        <translation>Geschätzter Flaschendruck (psi) über der Zeit (min)</translation>
    </message>
    <message>
        <source>Estimated breath rate (cubic feet/minutes)</source>
        <translation>Geschätzte Atemrate (Kubikfuß/Minute)</translation>
    </message>
    <message>
        <source>Dive Number: %1  Depth (feet) versus Time (minutes)</source>
        <translation>Tauchgang Nr.: %1  Tiefe (Fuß) über der Zeit (Minuten)</translation>
    </message>
    <message>
        <source>Depth derivative (feet per minutes)</source>
        <translation>Vertikalgeschwindigkeit (Fuß pro Minute)</translation>
    </message>
    <message>
        <source>Over-saturation of each tissue, % of allowed</source>
        <translation>Übersättigung jedes Gewebes, % des Erlaubten</translation>
    </message>
    <message>
        <source>Depth (meters) versus time (minutes)</source>
        <translation>Tiefe (Meter) über der Zeit (Minuten)</translation>
    </message>
    <message>
        <source>Depth (feet) versus time (minutes)</source>
        <translation>Tiefe (Fuß) über der Zeit (Minuten)</translation>
    </message>
    <message>
        <source>Highest % allowed nitrogen over-saturation among the tissues</source>
        <translation>Höchste Stickstoff-Übersättigung der Gewebe in % des Zulässigen</translation>
    </message>
    <message>
        <source>%1 % and more</source>
        <translation>%1 % und mehr</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Dives compared: %1</source>
        <translation>Verglichene Tauchgänge: %1</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>Dive %1: %2</source>
        <translation>Tauchgang %1: %2</translation>
    </message>
    <message>
        <source>%1 % on tissue %2</source>
        <translation>%1 % in Gewebe %2</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes, from dive %1</source>
        <translation>Ja, von Tauchgang %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Dive number</source>
        <translation>Tauchgang Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Tauchplatz</translation>
    </message>
    <message>
        <source>Maximum depth</source>
        <translation>Maximale Tiefe</translation>
    </message>
    <message>
        <source>Dive time</source>
        <translation>Tauchzeit</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Wassertemperatur</translation>
    </message>
    <message>
        <source>Base breath rate</source>
        <translation>Grund-Atemrate</translation>
    </message>
    <message>
        <source>Highest over-saturation</source>
        <translation>Höchste Übersättigung</translation>
    </message>
    <message>
        <source>Surface interval before</source>
        <translation>Oberflächenpause davor</translation>
    </message>
    <message>
        <source>Nitrogen carried over</source>
        <translation>Stickstoff übernommen</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Left out of the charts, for want of a profile: %1</source>
        <translation>In den Diagrammen fehlen mangels Profil: %1</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1, %2. %3 %4</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Lower than 1000 m</source>
        <translation>Unter 1000 m</translation>
    </message>
    <message>
        <source>Between 900m and 1950m</source>
        <translation>Zwischen 900m und 1950m</translation>
    </message>
    <message>
        <source>Between 1700m and 2900m</source>
        <translation>Zwischen 1700m und 2900m</translation>
    </message>
    <message>
        <source>Between 2700m and 4000m</source>
        <translation>Zwischen 2700m und 4000m</translation>
    </message>
    <message>
        <source>Higher than 4000m</source>
        <translation>Über 4000m</translation>
    </message>
    <message>
        <source>No Alarms</source>
        <translation>Keine Alarme</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation>Aufstieg</translation>
    </message>
    <message>
        <source>Decompression</source>
        <translation>Dekompression</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>SOS</source>
        <translation>SOS</translation>
    </message>
    <message>
        <source>No Stop</source>
        <translation>Nullzeit</translation>
    </message>
    <message>
        <source>Single Ascent</source>
        <translation>Einfacher Aufstieg</translation>
    </message>
    <message>
        <source>Multiple Ascent</source>
        <translation>Mehrfacher Aufstieg</translation>
    </message>
    <message>
        <source>Fresh Water</source>
        <translation>Süßwasser</translation>
    </message>
    <message>
        <source>Sea Water</source>
        <translation>Salzwasser</translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation>Nitrox</translation>
    </message>
    <message>
        <source>Exploration</source>
        <translation>Erkundung</translation>
    </message>
    <message>
        <source>Club Dive</source>
        <translation>Vereinstauchgang</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Ausbildung</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Unterricht</translation>
    </message>
    <message>
        <source>Night Dive</source>
        <translation>Nachttauchgang</translation>
    </message>
    <message>
        <source>Cave Dive</source>
        <translation>Höhlentauchgang</translation>
    </message>
    <message>
        <source>Ice Dive</source>
        <translation>Eistauchgang</translation>
    </message>
    <message>
        <source>Search Dive</source>
        <translation>Suchtauchgang</translation>
    </message>
    <message>
        <source>Wreck Dive</source>
        <translation>Wracktauchgang</translation>
    </message>
    <message>
        <source>River Dive</source>
        <translation>Flusstauchgang</translation>
    </message>
    <message>
        <source>Drift Dive</source>
        <translation>Strömungstauchgang</translation>
    </message>
    <message>
        <source>Photo Dive</source>
        <translation>Fototauchgang</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewölkt</translation>
    </message>
    <message>
        <source>Misty - Fog</source>
        <translation>Dunstig - Nebel</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>Stormy</source>
        <translation>Stürmisch</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>No suit</source>
        <translation>Kein Anzug</translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation>Shorty</translation>
    </message>
    <message>
        <source>One piece wetsuit</source>
        <translation>Nassanzug, einteilig</translation>
    </message>
    <message>
        <source>Two pieces wetsuit</source>
        <translation>Nassanzug, zweiteilig</translation>
    </message>
    <message>
        <source>Semi-dry</source>
        <translation>Halbtrocken</translation>
    </message>
    <message>
        <source>Dry suit</source>
        <translation>Trockenanzug</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>Dive Number: %1</source>
        <translation>Tauchgang Nr.: %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Tauchplatz:</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Surface Interval:</source>
        <translation>Oberflächenpause:</translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation>Wetter:</translation>
    </message>
    <message>
        <source>Air Temperature:</source>
        <translation>Lufttemperatur:</translation>
    </message>
    <message>
        <source>Min. Temperature:</source>
        <translation>Min. Temperatur:</translation>
    </message>
    <message>
        <source>Dive Suit:</source>
        <translation>Tauchanzug:</translation>
    </message>
    <message>
        <source>Air Tank size:</source>
        <translation>Flaschengröße:</translation>
    </message>
    <message>
        <source>Air consumption:</source>
        <translation>Luftverbrauch:</translation>
    </message>
    <message>
        <source>Maximum Depth:</source>
        <translation>Maximale Tiefe:</translation>
    </message>
    <message>
        <source>Dive Time:</source>
        <translation>Tauchzeit:</translation>
    </message>
    <message>
        <source>Dive Type:</source>
        <translation>Tauchgangsart:</translation>
    </message>
    <message>
        <source>Alarms:</source>
        <translation>Alarme:</translation>
    </message>
    <message>
        <source>Activities:</source>
        <translation>Aktivitäten:</translation>
    </message>
    <message>
        <source>Partners:</source>
        <translation>Tauchpartner:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>%1 dive exported to %2.</source>
        <translation>%1 Tauchgang nach %2 exportiert.</translation>
    </message>
    <message>
        <source>%1 dives exported to %2.</source>
        <translation>%1 Tauchgänge nach %2 exportiert.</translation>
    </message>
    <message>
        <source>The logbook cannot be exported to %1: %2.</source>
        <translation>Das Logbuch kann nicht nach %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>the file is too short to be a logbook</source>
        <translation>die Datei ist zu kurz für ein Logbuch</translation>
    </message>
    <message>
        <source>its dive count is negative</source>
        <translation>die Zahl der Tauchgänge ist negativ</translation>
    </message>
    <message>
        <source>the file ends inside its first entry (byte %1)</source>
        <translation>die Datei endet im ersten Eintrag (Byte %1)</translation>
    </message>
    <message>
        <source>its first entry is damaged (byte %1)</source>
        <translation>der erste Eintrag ist beschädigt (Byte %1)</translation>
    </message>
    <message>
        <source>the file ends inside dive %1 of %2 (byte %3)</source>
        <translation>die Datei endet in Tauchgang %1 von %2 (Byte %3)</translation>
    </message>
    <message>
        <source>the file is damaged at dive %1 of %2 (byte %3)</source>
        <translation>die Datei ist bei Tauchgang %1 von %2 beschädigt (Byte %3)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>reading stopped after dive %1: %2</source>
        <translation>das Lesen brach nach Tauchgang %1 ab: %2</translation>
    </message>
    <message>
        <source>%1 dives read.</source>
        <translation>%1 Tauchgänge gelesen.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>The logbook file %1 cannot be read: %2.</source>
        <translation>Die Logbuchdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no readable dive: it is not a logbook, or it is damaged before its first dive (%2).</source>
        <translation>Die Datei %1 enthält keinen lesbaren Tauchgang: Sie ist kein Logbuch oder vor ihrem ersten Tauchgang beschädigt (%2).</translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dive was read and can be viewed. Nothing was written to the file.</source>
        <translation>Die Logbuchdatei %1 ist beschädigt: %2.<byte value="xd"/>
<byte value="xd"/>
%3 Tauchgang wurde gelesen und kann angesehen werden. In die Datei wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dives were read and can be viewed. Nothing was written to the file.</source>
        <translation>Die Logbuchdatei %1 ist beschädigt: %2.<byte value="xd"/>
<byte value="xd"/>
%3 Tauchgänge wurden gelesen und können angesehen werden. In die Datei wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 holds no readable dive.</source>
        <translation>%1 enthält keinen lesbaren Tauchgang.</translation>
    </message>
    <message>
        <source>The logbook file %1 is loaded already. Merge its dives once more, so that they are listed twice?</source>
        <translation>Die Logbuchdatei %1 ist bereits geladen. Ihre Tauchgänge noch einmal zusammenführen, sodass sie doppelt aufgeführt sind?</translation>
    </message>
</context>
<context>
    <name>Models</name>
    <message>
        <source>Bühlmann ZH-L8 ADT (8 tissues)</source>
        <translation>Bühlmann ZH-L8 ADT (8 Gewebe)</translation>
    </message>
    <message>
        <source>FFESSM MN90 - French Navy (12 tissues)</source>
        <translation>FFESSM MN90 - Französische Marine (12 Gewebe)</translation>
    </message>
    <message>
        <source>Quorvan&apos;s special (15 tissues, slow to calculate)</source>
        <translation>Quorvans Spezialmodell (15 Gewebe, langsame Berechnung)</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
</context>
<context>
    <name>Month abbreviation</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Time=%1 Cold=%2</source>
        <translation>Zeit=%1 Kälte=%2</translation>
    </message>
    <message>
        <source>Time=%1 Bubbles=%2</source>
        <translation>Zeit=%1 Blasen=%2</translation>
    </message>
    <message>
        <source>Time=%1 Air=%2</source>
        <translation>Zeit=%1 Luft=%2</translation>
    </message>
    <message>
        <source>Max=%1% tissue=%2, Min=%3% tissue=%4</source>
        <translation>Max=%1% Gewebe=%2, Min=%3% Gewebe=%4</translation>
    </message>
    <message>
        <source>Min:%1, Max:%2</source>
        <translation>Min:%1, Max:%2</translation>
    </message>
    <message>
        <source>%1, Time=%2, Depth=%3, Tank=%4, Breath=%5</source>
        <translation>%1, Zeit=%2, Tiefe=%3, Flasche=%4, Atmung=%5</translation>
    </message>
    <message>
        <source>Time=%1 Depth=%2</source>
        <translation>Zeit=%1 Tiefe=%2</translation>
    </message>
    <message>
        <source> Vertical Speed=%1</source>
        <translation> Vertikalgeschw.=%1</translation>
    </message>
    <message>
        <source>Time=%1, Depth=%2, Max=%3, Min=%4</source>
        <translation>Zeit=%1, Tiefe=%2, Max=%3, Min=%4</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3</source>
        <translation>Tiefe: %1 bis %2, Unterschied %3</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1</source>
        <translation>Mittlere Vertikalgeschwindigkeit: %1</translation>
    </message>
    <message>
        <source>Air drawn: %1 (%2)</source>
        <translation>Luftverbrauch: %1 (%2)</translation>
    </message>
    <message>
        <source>Highest over-saturation: %1 % on tissue %2</source>
        <translation>Höchste Übersättigung: %1 % in Gewebe %2</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3 (ascent)</source>
        <translation>Tiefe: %1 bis %2, Unterschied %3 (Aufstieg)</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3 (descent)</source>
        <translation>Tiefe: %1 bis %2, Unterschied %3 (Abstieg)</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1 (ascent)</source>
        <translation>Mittlere Vertikalgeschwindigkeit: %1 (Aufstieg)</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1 (descent)</source>
        <translation>Mittlere Vertikalgeschwindigkeit: %1 (Abstieg)</translation>
    </message>
    <message>
        <source>Time=%1, tissue=%2: %3% of allowed</source>
        <translation>Zeit=%1, Gewebe=%2: %3% des Erlaubten</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>none loaded</source>
        <translation>keines geladen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Logbook summary – %1</source>
        <translation>Logbuch-Übersicht – %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Decompression model: %1, surface pressure %2</source>
        <translation>Dekompressionsmodell: %1, Oberflächendruck %2</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Tauchplatz</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Tauchpartner</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Reise</translation>
    </message>
    <message>
        <source>%1 dive</source>
        <translation>%1 Tauchgang</translation>
    </message>
    <message>
        <source>%1 dives</source>
        <translation>%1 Tauchgänge</translation>
    </message>
    <message>
        <source>%1: %2, %3 hours</source>
        <translation>%1: %2, %3 Stunden</translation>
    </message>
    <message>
        <source>%1 to %2%3: %4</source>
        <translation>%1 bis %2%3: %4</translation>
    </message>
    <message>
        <source>%1: no water temperature</source>
        <translation>%1: keine Wassertemperatur</translation>
    </message>
    <message>
        <source>Dive %1, %2</source>
        <translation>Tauchgang %1, %2</translation>
    </message>
    <message>
        <source>%1: %2 %, tissue %3</source>
        <translation>%1: %2 %, Gewebe %3</translation>
    </message>
    <message>
        <source>Dives by maximum depth (m)</source>
        <translation>Tauchgänge nach maximaler Tiefe (m)</translation>
    </message>
    <message>
        <source>Dives by dive time (min)</source>
        <translation>Tauchgänge nach Tauchzeit (min)</translation>
    </message>
    <message>
        <source>Highest over-saturation per dive (%) and the 100 % limit (red)</source>
        <translation>Höchste Übersättigung je Tauchgang (%) und die 100-%-Grenze (rot)</translation>
    </message>
    <message>
        <source>dive %1</source>
        <translation>Tauchgang %1</translation>
    </message>
    <message>
        <source>%1 of %2 dive</source>
        <translation>%1 von %2 Tauchgang</translation>
    </message>
    <message>
        <source>%1 of %2 dives</source>
        <translation>%1 von %2 Tauchgängen</translation>
    </message>
    <message>
        <source>%1 (search: %2)</source>
        <translation>%1 (Suche: %2)</translation>
    </message>
    <message>
        <source>Dives</source>
        <translation>Tauchgänge</translation>
    </message>
    <message>
        <source>Total dive time</source>
        <translation>Gesamte Tauchzeit</translation>
    </message>
    <message>
        <source>First dive</source>
        <translation>Erster Tauchgang</translation>
    </message>
    <message>
        <source>Last dive</source>
        <translation>Letzter Tauchgang</translation>
    </message>
    <message>
        <source>Deepest dive</source>
        <translation>Tiefster Tauchgang</translation>
    </message>
    <message>
        <source>Longest dive</source>
        <translation>Längster Tauchgang</translation>
    </message>
    <message>
        <source>Coldest dive</source>
        <translation>Kältester Tauchgang</translation>
    </message>
    <message>
        <source>Mean maximum depth</source>
        <translation>Mittlere maximale Tiefe</translation>
    </message>
    <message>
        <source>Mean dive time</source>
        <translation>Mittlere Tauchzeit</translation>
    </message>
    <message>
        <source>Mean base breath rate</source>
        <translation>Mittlere Grund-Atemrate</translation>
    </message>
    <message>
        <source>%1 (%2 dives)</source>
        <translation>%1 (%2 Tauchgänge)</translation>
    </message>
    <message>
        <source>Highest over-saturation</source>
        <translation>Höchste Übersättigung</translation>
    </message>
    <message>
        <source>%1 %, tissue %2</source>
        <translation>%1 %, Gewebe %2</translation>
    </message>
    <message>
        <source>Most frequent sites</source>
        <translation>Häufigste Tauchplätze</translation>
    </message>
    <message>
        <source>Most frequent partners</source>
        <translation>Häufigste Tauchpartner</translation>
    </message>
    <message>
        <source>Dive time (h)</source>
        <translation>Tauchzeit (h)</translation>
    </message>
    <message>
        <source>Deepest (m)</source>
        <translation>Tiefste (m)</translation>
    </message>
    <message>
        <source>Mean depth (m)</source>
        <translation>Mittlere Tiefe (m)</translation>
    </message>
    <message>
        <source>Coldest (°C)</source>
        <translation>Kälteste (°C)</translation>
    </message>
    <message>
        <source>Breath rate (l/min)</source>
        <translation>Atemrate (l/min)</translation>
    </message>
    <message>
        <source>Over-saturation (%)</source>
        <translation>Übersättigung (%)</translation>
    </message>
    <message>
        <source>%1: coldest %2, mean %3 (%4)</source>
        <translation>%1: am kältesten %2, Mittel %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 (%3 mean %4)</source>
        <translation>%1: %2 (Mittel %3: %4)</translation>
    </message>
    <message>
        <source>Dives by maximum depth (ft)</source>
        <translation>Tauchgänge nach maximaler Tiefe (ft)</translation>
    </message>
    <message>
        <source>Deepest (ft)</source>
        <translation>Tiefste (ft)</translation>
    </message>
    <message>
        <source>Mean depth (ft)</source>
        <translation>Mittlere Tiefe (ft)</translation>
    </message>
    <message>
        <source>Coldest (°F)</source>
        <translation>Kälteste (°F)</translation>
    </message>
    <message>
        <source>Breath rate (cu ft/min)</source>
        <translation>Atemrate (cu ft/min)</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>Dives (blue) and hours (%1) per year</source>
        <translation>Tauchgänge (blau) und Stunden (%1) pro Jahr</translation>
    </message>
    <message>
        <source>Water temperature by month (°C): coldest (blue) and mean (%1)</source>
        <translation>Wassertemperatur nach Monat (°C): am kältesten (blau) und Mittel (%1)</translation>
    </message>
    <message>
        <source>Water temperature by month (°F): coldest (blue) and mean (%1)</source>
        <translation>Wassertemperatur nach Monat (°F): am kältesten (blau) und Mittel (%1)</translation>
    </message>
    <message>
        <source>Base breath rate per dive (l/min) and each year&apos;s mean (%1)</source>
        <translation>Grund-Atemrate je Tauchgang (l/min) und Jahresmittel (%1)</translation>
    </message>
    <message>
        <source>Base breath rate per dive (cu ft/min) and each year&apos;s mean (%1)</source>
        <translation>Grund-Atemrate je Tauchgang (cu ft/min) und Jahresmittel (%1)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>No dive has the number %1.</source>
        <translation>Kein Tauchgang hat die Nummer %1.</translation>
    </message>
    <message>
        <source>%1 of %2 dives shown</source>
        <translation>%1 von %2 Tauchgängen angezeigt</translation>
    </message>
    <message>
        <source>Analysing dives: %1 of %2</source>
        <translation>Tauchgänge werden ausgewertet: %1 von %2</translation>
    </message>
</context>
<context>
    <name>Tissues</name>
    <message>
        <source>carried over %1 from dive %2</source>
        <translation>übernommen nach %1 aus Tauchgang %2</translation>
    </message>
    <message>
        <source>no dive before within the recorded interval</source>
        <translation>kein Tauchgang davor innerhalb der aufgezeichneten Pause</translation>
    </message>
    <message>
        <source>not carried over: the dive&apos;s date or time is unknown</source>
        <translation>nicht übernommen: Datum oder Uhrzeit des Tauchgangs unbekannt</translation>
    </message>
    <message>
        <source>nothing carried over: dive %1 before has no profile</source>
        <translation>nichts übernommen: der vorige Tauchgang %1 hat kein Profil</translation>
    </message>
    <message>
        <source>Max Oversaturation = %1 % at Time=%2 on tissue %3</source>
        <translation>Max. Übersättigung = %1 % bei Zeit=%2 in Gewebe %3</translation>
    </message>
    <message>
        <source>Type the surface pressure in bar as a number, such as 1.013 (with a point or a comma before the decimals).</source>
        <translation>Den Oberflächendruck in bar als Zahl eingeben, etwa 1.013 (mit Punkt oder Komma vor den Dezimalstellen).</translation>
    </message>
    <message>
        <source>The surface pressure must be above 0.1 bar.</source>
        <translation>Der Oberflächendruck muss über 0.1 bar liegen.</translation>
    </message>
    <message>
        <source>Tissue %1, half time: %2 minutes, Critical over-sat coeff: %3</source>
        <translation>Gewebe %1, Halbwertszeit: %2 Minuten, kritischer Übersätt.-Koeff.: %3</translation>
    </message>
    <message>
        <source>Tissues:</source>
        <translation>Gewebe:</translation>
    </message>
    <message>
        <source>%1 tissues, surface pressure %2</source>
        <translation>%1 Gewebe, Oberflächendruck %2</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
</context>
<context>
    <name>scrb::ComparisonWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Als PDF &amp;speichern...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Sc&amp;hließen</translation>
    </message>
    <message>
        <source>Close the comparison (Esc)</source>
        <translation>Vergleich schließen (Esc)</translation>
    </message>
    <message>
        <source>Point at a chart to read each dive&apos;s value.</source>
        <translation>Zeigen Sie auf ein Diagramm, um den Wert jedes Tauchgangs abzulesen.</translation>
    </message>
    <message>
        <source>Dive %1</source>
        <translation>Tauchgang %1</translation>
    </message>
    <message>
        <source>Save the Comparison as PDF</source>
        <translation>Vergleich als PDF speichern</translation>
    </message>
    <message>
        <source>The comparison could not be written to %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Der Vergleich konnte nicht nach %1 geschrieben werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Kennzahlen</translation>
    </message>
    <message>
        <source>Heat &amp;Maps</source>
        <translation>F&amp;arbkarten</translation>
    </message>
    <message>
        <source>Figures and &amp;Heat Maps</source>
        <translation>Kennzahlen und Farbkar&amp;ten</translation>
    </message>
    <message>
        <source>Shows the table of figures and the heat maps under the charts</source>
        <translation>Zeigt die Tabelle der Kennzahlen und die Farbkarten unter den Diagrammen</translation>
    </message>
    <message>
        <source>Print the comparison (Ctrl+P)</source>
        <translation>Vergleich drucken (Strg+P)</translation>
    </message>
    <message>
        <source>dives-%1</source>
        <comment>suggested file name; %1 is the dive numbers joined by hyphens</comment>
        <translation>Tauchgänge-%1</translation>
    </message>
</context>
<context>
    <name>scrb::DisclaimerDialog</name>
    <message>
        <source>Important notice: There is no guarantee that the calculations made by this program are correct. Users should NOT use this programme to calculate their dives.</source>
        <translation>Wichtiger Hinweis: Es gibt keine Gewähr dafür, dass die Berechnungen dieses Programms richtig sind. Dieses Programm darf NICHT zur Planung von Tauchgängen verwendet werden.</translation>
    </message>
    <message>
        <source>I &amp;agree</source>
        <translation>&amp;Einverstanden</translation>
    </message>
    <message>
        <source>I do &amp;not Agree</source>
        <translation>&amp;Nicht einverstanden</translation>
    </message>
    <message>
        <source>&amp;Do not display this warning anymore</source>
        <translation>Diesen Hinweis nicht mehr &amp;anzeigen</translation>
    </message>
</context>
<context>
    <name>scrb::DisplayOptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>String to display in left pane</source>
        <translation>Text in der Tauchgangsliste</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Ort</translation>
    </message>
    <message>
        <source>&amp;Site</source>
        <translation>&amp;Tauchplatz</translation>
    </message>
    <message>
        <source>L&amp;ocation, Site</source>
        <translation>O&amp;rt, Tauchplatz</translation>
    </message>
    <message>
        <source>S&amp;ite, Location</source>
        <translation>T&amp;auchplatz, Ort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>scrb::DiveTableModel</name>
    <message>
        <source>Dive</source>
        <translation>Tauchgang</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Tauchplatz</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Tauchpartner</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Max. depth</source>
        <translation>Max. Tiefe</translation>
    </message>
    <message>
        <source>Dive time</source>
        <translation>Tauchzeit</translation>
    </message>
    <message>
        <source>Water temp.</source>
        <translation>Wassertemp.</translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation>Lufttemp.</translation>
    </message>
    <message>
        <source>Air used</source>
        <translation>Luftverbrauch</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>Breath rate</source>
        <translation>Atemrate</translation>
    </message>
    <message>
        <source>Max. over-saturation</source>
        <translation>Max. Übersättigung</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Reise</translation>
    </message>
</context>
<context>
    <name>scrb::MainWindow</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Logbook</source>
        <translation>Logbuch ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Merge Logbook</source>
        <translation>Logbuch &amp;zusammenführen</translation>
    </message>
    <message>
        <source>Export Logbook as &amp;UDDF...</source>
        <translation>Logbuch als &amp;UDDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Recent Logbooks</source>
        <translation>&amp;Letzte Logbücher</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Export Dive Report as P&amp;DF...</source>
        <translation>Tauchbericht als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy &amp;All Dives to clipboard</source>
        <translation>&amp;Alle Tauchgänge in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy Current Dive &amp;Profile to clipboard</source>
        <translation>&amp;Profil des Tauchgangs in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Go to Dive...</source>
        <translation>&amp;Gehe zu Tauchgang...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Logbook</source>
        <translation>&amp;Logbuch</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Bathyscribe v%1.%2<byte value="xd"/>
<byte value="xd"/>
Written by the Bathyscribe developers.<byte value="xd"/>
<byte value="xd"/>
Bathyscribe reads the logbooks of the Datatrak PC logging software; the README that comes with it tells more.</source>
        <translation>Bathyscribe v%1.%2<byte value="xd"/>
<byte value="xd"/>
Geschrieben von den Bathyscribe-Entwicklern.<byte value="xd"/>
<byte value="xd"/>
Bathyscribe liest die Logbücher der Datatrak-PC-Logsoftware; mehr steht in der beiliegenden README.</translation>
    </message>
    <message>
        <source>Dive %1 could not be shown: %2</source>
        <translation>Tauchgang %1 konnte nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Dive parameters copied to clipboard</source>
        <translation>Tauchgangsdaten in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Dive data copied to clipboard</source>
        <translation>Profildaten in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Datatrak log files (*.log);;All files (*.*)</source>
        <translation>Datatrak-Logdateien (*.log);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Merge Logbook</source>
        <translation>Logbuch zusammenführen</translation>
    </message>
    <message>
        <source>Open Logbook</source>
        <translation>Logbuch öffnen</translation>
    </message>
    <message>
        <source>Export Dive Report as PDF</source>
        <translation>Tauchbericht als PDF exportieren</translation>
    </message>
    <message>
        <source>There is no dive loaded to put in a report.</source>
        <translation>Es ist kein Tauchgang für einen Bericht geladen.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing the dive report...</source>
        <translation>Tauchbericht wird gedruckt...</translation>
    </message>
    <message>
        <source>Dive report sent to the printer: %1.</source>
        <translation>Tauchbericht an den Drucker gesendet: %1.</translation>
    </message>
    <message>
        <source>Printing cancelled.</source>
        <translation>Drucken abgebrochen.</translation>
    </message>
    <message>
        <source>The dive report could not be printed.</source>
        <translation>Der Tauchbericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the dive report...</source>
        <translation>Tauchbericht wird geschrieben...</translation>
    </message>
    <message>
        <source>Dive report written to %1: %2.</source>
        <translation>Tauchbericht nach %1 geschrieben: %2.</translation>
    </message>
    <message>
        <source>Export cancelled; nothing was written.</source>
        <translation>Export abgebrochen; nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The dive report could not be written to %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Der Tauchbericht konnte nicht nach %1 geschrieben werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Search dives (Ctrl+F)</source>
        <translation>Tauchgänge suchen (Strg+F)</translation>
    </message>
    <message>
        <source>There are not enough dives loaded to navigate ....</source>
        <translation>Es sind zu wenige Tauchgänge geladen, um zu blättern ....</translation>
    </message>
    <message>
        <source>Export Logbook as UDDF</source>
        <translation>Logbuch als UDDF exportieren</translation>
    </message>
    <message>
        <source>UDDF files (*.uddf)</source>
        <translation>UDDF-Dateien (*.uddf)</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>&amp;Dive</source>
        <translation>&amp;Tauchgang</translation>
    </message>
    <message>
        <source>Vertical &amp;Speed</source>
        <translation>&amp;Vertikal</translation>
    </message>
    <message>
        <source>&amp;Air</source>
        <translation>L&amp;uft</translation>
    </message>
    <message>
        <source>Ph&amp;ys Data</source>
        <translation>&amp;Physiologie</translation>
    </message>
    <message>
        <source>&amp;Tissue Sat</source>
        <translation>&amp;Gewebe</translation>
    </message>
    <message>
        <source>&amp;Raw Data</source>
        <translation>&amp;Rohdaten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Bathyscribe dive report</source>
        <translation>Bathyscribe-Tauchbericht</translation>
    </message>
    <message>
        <source>Export Logbook to Subsurface</source>
        <translation>Logbuch nach Subsurface exportieren</translation>
    </message>
    <message>
        <source>Subsurface files (*.ssrf)</source>
        <translation>Subsurface-Dateien (*.ssrf)</translation>
    </message>
    <message>
        <source>Export Logbook to &amp;Subsurface...</source>
        <translation>Logbuch nach &amp;Subsurface exportieren...</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Nur %1</translation>
    </message>
    <message>
        <source>The table shows only these dives; the search looks among them.</source>
        <translation>Die Tabelle zeigt nur diese Tauchgänge; die Suche sucht unter ihnen.</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>Show every dive again (Esc)</source>
        <translation>Wieder alle Tauchgänge zeigen (Esc)</translation>
    </message>
    <message>
        <source>&amp;Compare Dives...</source>
        <translation>Tauchgänge &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Compare the %1 dives chosen in the table</source>
        <translation>Die %1 in der Tabelle gewählten Tauchgänge vergleichen</translation>
    </message>
    <message>
        <source>Choose two to six dives in the table (Ctrl+click, Shift+click) to compare them</source>
        <translation>Wählen Sie zwei bis sechs Tauchgänge in der Tabelle (Strg+Klick, Umschalt+Klick), um sie zu vergleichen</translation>
    </message>
    <message>
        <source>At most six dives can be compared; %1 are chosen in the table</source>
        <translation>Höchstens sechs Tauchgänge lassen sich vergleichen; in der Tabelle sind %1 gewählt</translation>
    </message>
</context>
<context>
    <name>scrb::ModelWindow</name>
    <message>
        <source>Only digits and one point or comma can be typed here: the surface pressure in bar.</source>
        <translation>Hier sind nur Ziffern und ein Punkt oder Komma möglich: der Oberflächendruck in bar.</translation>
    </message>
    <message>
        <source>Decompression Model and Tissues</source>
        <translation>Dekompressionsmodell und Gewebe</translation>
    </message>
    <message>
        <source>Surface Pressure (bar): ................</source>
        <translation>Oberflächendruck (bar): ........</translation>
    </message>
    <message>
        <source>Decompression Model</source>
        <translation>Dekompressionsmodell</translation>
    </message>
    <message>
        <source>Carry nitrogen over from the dive before</source>
        <translation>Stickstoff aus dem vorigen Tauchgang übernehmen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No dive selected</source>
        <translation>Kein Tauchgang gewählt</translation>
    </message>
</context>
<context>
    <name>scrb::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>&amp;Aussehen:</translation>
    </message>
</context>
<context>
    <name>scrb::StatisticsWindow</name>
    <message>
        <source>&amp;Group by:</source>
        <translation>G&amp;ruppieren nach:</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <translation>Dia&amp;gramm:</translation>
    </message>
    <message>
        <source>S&amp;ummary</source>
        <translation>Über&amp;sicht</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>Double-click a group to show just its dives in the dive table</source>
        <translation>Doppelklick auf eine Gruppe zeigt nur ihre Tauchgänge in der Tauchgangsliste</translation>
    </message>
    <message>
        <source>No dives to sum up.</source>
        <translation>Keine Tauchgänge zum Zusammenfassen.</translation>
    </message>
    <message>
        <source>Summing up...</source>
        <translation>Wird zusammengefasst...</translation>
    </message>
    <message>
        <source>Working out the analysis of %1 dives...</source>
        <translation>Auswertung von %1 Tauchgängen läuft...</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Select this dive</source>
        <translation>Diesen Tauchgang wählen</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Sc&amp;hließen</translation>
    </message>
    <message>
        <source>Close the statistics (Esc)</source>
        <translation>Statistik schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>scrb::TissuePage</name>
    <message>
        <source>&amp;Change Model ...</source>
        <translation>&amp;Modell wechseln ...</translation>
    </message>
    <message>
        <source>Heat &amp;Map</source>
        <translation>Farb&amp;karte</translation>
    </message>
    <message>
        <source>Shows the tissues&apos; over-saturation as a heat map in place of their pressures</source>
        <translation>Zeigt die Übersättigung der Gewebe als Farbkarte anstelle ihrer Drücke</translation>
    </message>
</context>
<context>
    <name>scrb::UserDialogs</name>
    <message>
        <source>Go to Dive</source>
        <translation>Gehe zu Tauchgang</translation>
    </message>
    <message>
        <source>Dive &amp;number:</source>
        <translation>Tauchgang-&amp;Nummer:</translation>
    </message>
    <message>
        <source>The current dive</source>
        <translation>Der aktuelle Tauchgang</translation>
    </message>
    <message>
        <source>All loaded dives (%1, one page each)</source>
        <translation>Alle geladenen Tauchgänge (%1, je eine Seite)</translation>
    </message>
    <message>
        <source>A logbook summary page, then the current dive</source>
        <translation>Eine Übersichtsseite des Logbuchs, dann der aktuelle Tauchgang</translation>
    </message>
    <message>
        <source>A logbook summary page, then all loaded dives (%1, one page each)</source>
        <translation>Eine Übersichtsseite des Logbuchs, dann alle geladenen Tauchgänge (%1, je eine Seite)</translation>
    </message>
    <message>
        <source>Dives to include:</source>
        <translation>Aufzunehmende Tauchgänge:</translation>
    </message>
</context>
</TS>
