<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Charts</name>
    <message>
        <source>Estimated air pressure (bar) versus time (min)</source>
        <translation>Pressione stimata della bombola (bar) nel tempo (min)</translation>
    </message>
    <message>
        <source>Estimated breath rate (litres/minutes)</source>
        <translation>Consumo respiratorio stimato (litri/minuto)</translation>
    </message>
    <message>
        <source>No Air Data available</source>
        <translation>Nessun dato sull&apos;aria disponibile</translation>
    </message>
    <message>
        <source>Body temperature loss</source>
        <translation>Perdita di calore corporeo</translation>
    </message>
    <message>
        <source>Air bubbles</source>
        <translation>Bolle d&apos;aria</translation>
    </message>
    <message>
        <source>Relative Air Consumption</source>
        <translation>Consumo d&apos;aria relativo</translation>
    </message>
    <message>
        <source>No Temp Data available</source>
        <translation>Nessun dato di temperatura disponibile</translation>
    </message>
    <message>
        <source>No Deco Data available</source>
        <translation>Nessun dato deco disponibile</translation>
    </message>
    <message>
        <source>No Air Data Consumption available</source>
        <translation>Nessun dato sul consumo d&apos;aria disponibile</translation>
    </message>
    <message>
        <source>Dive Number: %1  Depth (meters) versus Time (minutes)</source>
        <translation>Immersione n.: %1  Profondità (metri) nel tempo (minuti)</translation>
    </message>
    <message>
        <source>No Dive Data available</source>
        <translation>Nessun dato d&apos;immersione disponibile</translation>
    </message>
    <message>
        <source>Depth derivative (meters per minutes)</source>
        <translation>Velocità verticale (metri al minuto)</translation>
    </message>
    <message>
        <source>No Saturation Data available</source>
        <translation>Nessun dato di saturazione disponibile</translation>
    </message>
    <message>
        <source>  Calculating ...</source>
        <translation>  Calcolo in corso ...</translation>
    </message>
    <message>
        <source>Nitrogen Partial Pressure in tissues</source>
        <translation>Pressione parziale dell&apos;azoto nei tessuti</translation>
    </message>
    <message>
        <source>% Allowed Nitrogen Over-Saturation coefficient</source>
        <translation>% del coefficiente di sovrasaturazione d&apos;azoto ammesso</translation>
    </message>
    <message>
        <source>No dives with a date</source>
        <translation>Nessuna immersione con data</translation>
    </message>
    <message>
        <source>No maximum depths</source>
        <translation>Nessuna profondità massima</translation>
    </message>
    <message>
        <source>No dive times</source>
        <translation>Nessuna durata d&apos;immersione</translation>
    </message>
    <message>
        <source>No water temperatures</source>
        <translation>Nessuna temperatura dell&apos;acqua</translation>
    </message>
    <message>
        <source>No dives with a breath rate estimate</source>
        <translation>Nessuna immersione con consumo respiratorio stimato</translation>
    </message>
    <message>
        <source>No dives with saturation results</source>
        <translation>Nessuna immersione con risultati di saturazione</translation>
    </message>
    <message>
        <source>Estimated air pressure (psi) versus time (min)</source>
        <translation>Pressione stimata della bombola (psi) nel tempo (min)</translation>
    </message>
    <message>
        <source>Estimated breath rate (cubic feet/minutes)</source>
        <translation>Consumo respiratorio stimato (piedi cubi/minuto)</translation>
    </message>
    <message>
        <source>Dive Number: %1  Depth (feet) versus Time (minutes)</source>
        <translation>Immersione n.: %1  Profondità (piedi) nel tempo (minuti)</translation>
    </message>
    <message>
        <source>Depth derivative (feet per minutes)</source>
        <translation>Velocità verticale (piedi al minuto)</translation>
    </message>
    <message>
        <source>Over-saturation of each tissue, % of allowed</source>
        <translation>Sovrasaturazione di ogni tessuto, % del consentito</translation>
    </message>
    <message>
        <source>Depth (meters) versus time (minutes)</source>
        <translation>Profondità (metri) in funzione del tempo (minuti)</translation>
    </message>
    <message>
        <source>Depth (feet) versus time (minutes)</source>
        <translation>Profondità (piedi) in funzione del tempo (minuti)</translation>
    </message>
    <message>
        <source>Highest % allowed nitrogen over-saturation among the tissues</source>
        <translation>Sovrasaturazione di azoto più alta dei tessuti, in % del consentito</translation>
    </message>
    <message>
        <source>%1 % and more</source>
        <translation>%1 % e oltre</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Dives compared: %1</source>
        <translation>Immersioni confrontate: %1</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminata</translation>
    </message>
    <message>
        <source>Dive %1: %2</source>
        <translation>Immersione %1: %2</translation>
    </message>
    <message>
        <source>%1 % on tissue %2</source>
        <translation>%1 % sul tessuto %2</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes, from dive %1</source>
        <translation>Sì, dall&apos;immersione %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Dive number</source>
        <translation>Numero immersione</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>Maximum depth</source>
        <translation>Profondità massima</translation>
    </message>
    <message>
        <source>Dive time</source>
        <translation>Durata dell&apos;immersione</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Temperatura dell&apos;acqua</translation>
    </message>
    <message>
        <source>Base breath rate</source>
        <translation>Consumo respiratorio di base</translation>
    </message>
    <message>
        <source>Highest over-saturation</source>
        <translation>Sovrasaturazione massima</translation>
    </message>
    <message>
        <source>Surface interval before</source>
        <translation>Intervallo di superficie precedente</translation>
    </message>
    <message>
        <source>Nitrogen carried over</source>
        <translation>Azoto riportato</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Left out of the charts, for want of a profile: %1</source>
        <translation>Escluse dai grafici, per mancanza di profilo: %1</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Lower than 1000 m</source>
        <translation>Sotto i 1000 m</translation>
    </message>
    <message>
        <source>Between 900m and 1950m</source>
        <translation>Tra 900m e 1950m</translation>
    </message>
    <message>
        <source>Between 1700m and 2900m</source>
        <translation>Tra 1700m e 2900m</translation>
    </message>
    <message>
        <source>Between 2700m and 4000m</source>
        <translation>Tra 2700m e 4000m</translation>
    </message>
    <message>
        <source>Higher than 4000m</source>
        <translation>Oltre i 4000m</translation>
    </message>
    <message>
        <source>No Alarms</source>
        <translation>Nessun allarme</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation>Risalita</translation>
    </message>
    <message>
        <source>Decompression</source>
        <translation>Decompressione</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>SOS</source>
        <translation>SOS</translation>
    </message>
    <message>
        <source>No Stop</source>
        <translation>Senza deco</translation>
    </message>
    <message>
        <source>Single Ascent</source>
        <translation>Risalita singola</translation>
    </message>
    <message>
        <source>Multiple Ascent</source>
        <translation>Risalite multiple</translation>
    </message>
    <message>
        <source>Fresh Water</source>
        <translation>Acqua dolce</translation>
    </message>
    <message>
        <source>Sea Water</source>
        <translation>Acqua di mare</translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation>Nitrox</translation>
    </message>
    <message>
        <source>Exploration</source>
        <translation>Esplorazione</translation>
    </message>
    <message>
        <source>Club Dive</source>
        <translation>Immersione di club</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Formazione</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Istruzione</translation>
    </message>
    <message>
        <source>Night Dive</source>
        <translation>Immersione notturna</translation>
    </message>
    <message>
        <source>Cave Dive</source>
        <translation>Immersione in grotta</translation>
    </message>
    <message>
        <source>Ice Dive</source>
        <translation>Immersione sotto il ghiaccio</translation>
    </message>
    <message>
        <source>Search Dive</source>
        <translation>Immersione di ricerca</translation>
    </message>
    <message>
        <source>Wreck Dive</source>
        <translation>Immersione su relitto</translation>
    </message>
    <message>
        <source>River Dive</source>
        <translation>Immersione in fiume</translation>
    </message>
    <message>
        <source>Drift Dive</source>
        <translation>Immersione in corrente</translation>
    </message>
    <message>
        <source>Photo Dive</source>
        <translation>Immersione fotografica</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Sereno</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuvoloso</translation>
    </message>
    <message>
        <source>Misty - Fog</source>
        <translation>Foschia - Nebbia</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pioggia</translation>
    </message>
    <message>
        <source>Stormy</source>
        <translation>Burrascoso</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>No suit</source>
        <translation>Senza muta</translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation>Shorty</translation>
    </message>
    <message>
        <source>One piece wetsuit</source>
        <translation>Muta umida intera</translation>
    </message>
    <message>
        <source>Two pieces wetsuit</source>
        <translation>Muta umida a due pezzi</translation>
    </message>
    <message>
        <source>Semi-dry</source>
        <translation>Semistagna</translation>
    </message>
    <message>
        <source>Dry suit</source>
        <translation>Muta stagna</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>Dive Number: %1</source>
        <translation>Immersione n.: %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Località:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Sito:</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altitudine:</translation>
    </message>
    <message>
        <source>Surface Interval:</source>
        <translation>Intervallo di superficie:</translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation>Meteo:</translation>
    </message>
    <message>
        <source>Air Temperature:</source>
        <translation>Temperatura dell&apos;aria:</translation>
    </message>
    <message>
        <source>Min. Temperature:</source>
        <translation>Temperatura min.:</translation>
    </message>
    <message>
        <source>Dive Suit:</source>
        <translation>Muta:</translation>
    </message>
    <message>
        <source>Air Tank size:</source>
        <translation>Volume della bombola:</translation>
    </message>
    <message>
        <source>Air consumption:</source>
        <translation>Consumo d&apos;aria:</translation>
    </message>
    <message>
        <source>Maximum Depth:</source>
        <translation>Profondità massima:</translation>
    </message>
    <message>
        <source>Dive Time:</source>
        <translation>Durata dell&apos;immersione:</translation>
    </message>
    <message>
        <source>Dive Type:</source>
        <translation>Tipo di immersione:</translation>
    </message>
    <message>
        <source>Alarms:</source>
        <translation>Allarmi:</translation>
    </message>
    <message>
        <source>Activities:</source>
        <translation>Attività:</translation>
    </message>
    <message>
        <source>Partners:</source>
        <translation>Compagni:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commento:</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>%1 dive exported to %2.</source>
        <translation>%1 immersione esportata in %2.</translation>
    </message>
    <message>
        <source>%1 dives exported to %2.</source>
        <translation>%1 immersioni esportate in %2.</translation>
    </message>
    <message>
        <source>The logbook cannot be exported to %1: %2.</source>
        <translation>Il logbook non può essere esportato in %1: %2.</translation>
    </message>
    <message>
        <source>the file is too short to be a logbook</source>
        <translation>il file è troppo corto per essere un logbook</translation>
    </message>
    <message>
        <source>its dive count is negative</source>
        <translation>il numero di immersioni è negativo</translation>
    </message>
    <message>
        <source>the file ends inside its first entry (byte %1)</source>
        <translation>il file termina all&apos;interno della prima voce (byte %1)</translation>
    </message>
    <message>
        <source>its first entry is damaged (byte %1)</source>
        <translation>la prima voce è danneggiata (byte %1)</translation>
    </message>
    <message>
        <source>the file ends inside dive %1 of %2 (byte %3)</source>
        <translation>il file termina all&apos;interno dell&apos;immersione %1 di %2 (byte %3)</translation>
    </message>
    <message>
        <source>the file is damaged at dive %1 of %2 (byte %3)</source>
        <translation>il file è danneggiato all&apos;immersione %1 di %2 (byte %3)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>reading stopped after dive %1: %2</source>
        <translation>la lettura si è interrotta dopo l&apos;immersione %1: %2</translation>
    </message>
    <message>
        <source>%1 dives read.</source>
        <translation>%1 immersioni lette.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 è danneggiato: %2.</translation>
    </message>
    <message>
        <source>The logbook file %1 cannot be read: %2.</source>
        <translation>Il file di logbook %1 non può essere letto: %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no readable dive: it is not a logbook, or it is damaged before its first dive (%2).</source>
        <translation>Il file %1 non contiene alcuna immersione leggibile: non è un logbook, oppure è danneggiato prima della prima immersione (%2).</translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dive was read and can be viewed. Nothing was written to the file.</source>
        <translation>Il file di logbook %1 è danneggiato: %2.<byte value="xd"/>
<byte value="xd"/>
%3 immersione è stata letta e può essere visualizzata. Nel file non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dives were read and can be viewed. Nothing was written to the file.</source>
        <translation>Il file di logbook %1 è danneggiato: %2.<byte value="xd"/>
<byte value="xd"/>
%3 immersioni sono state lette e possono essere visualizzate. Nel file non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 non può essere letto: %2.</translation>
    </message>
    <message>
        <source>%1 holds no readable dive.</source>
        <translation>%1 non contiene alcuna immersione leggibile.</translation>
    </message>
    <message>
        <source>The logbook file %1 is loaded already. Merge its dives once more, so that they are listed twice?</source>
        <translation>Il file di logbook %1 è già caricato. Unire di nuovo le sue immersioni, che compariranno così due volte?</translation>
    </message>
</context>
<context>
    <name>Models</name>
    <message>
        <source>Bühlmann ZH-L8 ADT (8 tissues)</source>
        <translation>Bühlmann ZH-L8 ADT (8 tessuti)</translation>
    </message>
    <message>
        <source>FFESSM MN90 - French Navy (12 tissues)</source>
        <translation>FFESSM MN90 - Marina francese (12 tessuti)</translation>
    </message>
    <message>
        <source>Quorvan&apos;s special (15 tissues, slow to calculate)</source>
        <translation>Modello speciale Quorvan (15 tessuti, calcolo lento)</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>Month abbreviation</name>
    <message>
        <source>Jan</source>
        <translation>gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Time=%1 Cold=%2</source>
        <translation>Tempo=%1 Freddo=%2</translation>
    </message>
    <message>
        <source>Time=%1 Bubbles=%2</source>
        <translation>Tempo=%1 Bolle=%2</translation>
    </message>
    <message>
        <source>Time=%1 Air=%2</source>
        <translation>Tempo=%1 Aria=%2</translation>
    </message>
    <message>
        <source>Max=%1% tissue=%2, Min=%3% tissue=%4</source>
        <translation>Max=%1% tessuto=%2, Min=%3% tessuto=%4</translation>
    </message>
    <message>
        <source>Min:%1, Max:%2</source>
        <translation>Min:%1, Max:%2</translation>
    </message>
    <message>
        <source>%1, Time=%2, Depth=%3, Tank=%4, Breath=%5</source>
        <translation>%1, Tempo=%2, Prof.=%3, Bombola=%4, Resp.=%5</translation>
    </message>
    <message>
        <source>Time=%1 Depth=%2</source>
        <translation>Tempo=%1 Prof.=%2</translation>
    </message>
    <message>
        <source> Vertical Speed=%1</source>
        <translation> Velocità verticale=%1</translation>
    </message>
    <message>
        <source>Time=%1, Depth=%2, Max=%3, Min=%4</source>
        <translation>Tempo=%1, Prof.=%2, Max=%3, Min=%4</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Durata: %1</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3</source>
        <translation>Profondità: da %1 a %2, differenza %3</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1</source>
        <translation>Velocità verticale media: %1</translation>
    </message>
    <message>
        <source>Air drawn: %1 (%2)</source>
        <translation>Aria consumata: %1 (%2)</translation>
    </message>
    <message>
        <source>Highest over-saturation: %1 % on tissue %2</source>
        <translation>Sovrasaturazione massima: %1 % nel tessuto %2</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3 (ascent)</source>
        <translation>Profondità: da %1 a %2, differenza %3 (risalita)</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3 (descent)</source>
        <translation>Profondità: da %1 a %2, differenza %3 (discesa)</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1 (ascent)</source>
        <translation>Velocità verticale media: %1 (risalita)</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1 (descent)</source>
        <translation>Velocità verticale media: %1 (discesa)</translation>
    </message>
    <message>
        <source>Time=%1, tissue=%2: %3% of allowed</source>
        <translation>Tempo=%1, tessuto=%2: %3% del consentito</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>none loaded</source>
        <translation>nessuno caricato</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Logbook summary – %1</source>
        <translation>Riepilogo del logbook – %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Decompression model: %1, surface pressure %2</source>
        <translation>Modello di decompressione: %1, pressione in superficie %2</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Compagno</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viaggio</translation>
    </message>
    <message>
        <source>%1 dive</source>
        <translation>%1 immersione</translation>
    </message>
    <message>
        <source>%1 dives</source>
        <translation>%1 immersioni</translation>
    </message>
    <message>
        <source>%1: %2, %3 hours</source>
        <translation>%1: %2, %3 ore</translation>
    </message>
    <message>
        <source>%1 to %2%3: %4</source>
        <translation>da %1 a %2%3: %4</translation>
    </message>
    <message>
        <source>%1: no water temperature</source>
        <translation>%1: nessuna temperatura dell&apos;acqua</translation>
    </message>
    <message>
        <source>Dive %1, %2</source>
        <translation>Immersione %1, %2</translation>
    </message>
    <message>
        <source>%1: %2 %, tissue %3</source>
        <translation>%1: %2 %, tessuto %3</translation>
    </message>
    <message>
        <source>Dives by maximum depth (m)</source>
        <translation>Immersioni per profondità massima (m)</translation>
    </message>
    <message>
        <source>Dives by dive time (min)</source>
        <translation>Immersioni per durata (min)</translation>
    </message>
    <message>
        <source>Highest over-saturation per dive (%) and the 100 % limit (red)</source>
        <translation>Sovrasaturazione massima per immersione (%) e il limite del 100 % (rosso)</translation>
    </message>
    <message>
        <source>dive %1</source>
        <translation>immersione %1</translation>
    </message>
    <message>
        <source>%1 of %2 dive</source>
        <translation>%1 di %2 immersione</translation>
    </message>
    <message>
        <source>%1 of %2 dives</source>
        <translation>%1 di %2 immersioni</translation>
    </message>
    <message>
        <source>%1 (search: %2)</source>
        <translation>%1 (ricerca: %2)</translation>
    </message>
    <message>
        <source>Dives</source>
        <translation>Immersioni</translation>
    </message>
    <message>
        <source>Total dive time</source>
        <translation>Durata totale d&apos;immersione</translation>
    </message>
    <message>
        <source>First dive</source>
        <translation>Prima immersione</translation>
    </message>
    <message>
        <source>Last dive</source>
        <translation>Ultima immersione</translation>
    </message>
    <message>
        <source>Deepest dive</source>
        <translation>Immersione più profonda</translation>
    </message>
    <message>
        <source>Longest dive</source>
        <translation>Immersione più lunga</translation>
    </message>
    <message>
        <source>Coldest dive</source>
        <translation>Immersione più fredda</translation>
    </message>
    <message>
        <source>Mean maximum depth</source>
        <translation>Profondità massima media</translation>
    </message>
    <message>
        <source>Mean dive time</source>
        <translation>Durata media d&apos;immersione</translation>
    </message>
    <message>
        <source>Mean base breath rate</source>
        <translation>Consumo respiratorio di base medio</translation>
    </message>
    <message>
        <source>%1 (%2 dives)</source>
        <translation>%1 (%2 immersioni)</translation>
    </message>
    <message>
        <source>Highest over-saturation</source>
        <translation>Sovrasaturazione massima</translation>
    </message>
    <message>
        <source>%1 %, tissue %2</source>
        <translation>%1 %, tessuto %2</translation>
    </message>
    <message>
        <source>Most frequent sites</source>
        <translation>Siti più frequenti</translation>
    </message>
    <message>
        <source>Most frequent partners</source>
        <translation>Compagni più frequenti</translation>
    </message>
    <message>
        <source>Dive time (h)</source>
        <translation>Durata (h)</translation>
    </message>
    <message>
        <source>Deepest (m)</source>
        <translation>Più profonda (m)</translation>
    </message>
    <message>
        <source>Mean depth (m)</source>
        <translation>Profondità media (m)</translation>
    </message>
    <message>
        <source>Coldest (°C)</source>
        <translation>Più fredda (°C)</translation>
    </message>
    <message>
        <source>Breath rate (l/min)</source>
        <translation>Consumo resp. (l/min)</translation>
    </message>
    <message>
        <source>Over-saturation (%)</source>
        <translation>Sovrasaturazione (%)</translation>
    </message>
    <message>
        <source>%1: coldest %2, mean %3 (%4)</source>
        <translation>%1: la più fredda %2, media %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 (%3 mean %4)</source>
        <translation>%1: %2 (media %3: %4)</translation>
    </message>
    <message>
        <source>Dives by maximum depth (ft)</source>
        <translation>Immersioni per profondità massima (ft)</translation>
    </message>
    <message>
        <source>Deepest (ft)</source>
        <translation>Più profonda (ft)</translation>
    </message>
    <message>
        <source>Mean depth (ft)</source>
        <translation>Profondità media (ft)</translation>
    </message>
    <message>
        <source>Coldest (°F)</source>
        <translation>Più fredda (°F)</translation>
    </message>
    <message>
        <source>Breath rate (cu ft/min)</source>
        <translation>Consumo resp. (cu ft/min)</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrone</translation>
    </message>
    <message>
        <source>Dives (blue) and hours (%1) per year</source>
        <translation>Immersioni (blu) e ore (%1) per anno</translation>
    </message>
    <message>
        <source>Water temperature by month (°C): coldest (blue) and mean (%1)</source>
        <translation>Temperatura dell&apos;acqua per mese (°C): la più fredda (blu) e media (%1)</translation>
    </message>
    <message>
        <source>Water temperature by month (°F): coldest (blue) and mean (%1)</source>
        <translation>Temperatura dell&apos;acqua per mese (°F): la più fredda (blu) e media (%1)</translation>
    </message>
    <message>
        <source>Base breath rate per dive (l/min) and each year&apos;s mean (%1)</source>
        <translation>Consumo respiratorio di base per immersione (l/min) e media annuale (%1)</translation>
    </message>
    <message>
        <source>Base breath rate per dive (cu ft/min) and each year&apos;s mean (%1)</source>
        <translation>Consumo respiratorio di base per immersione (cu ft/min) e media annuale (%1)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>No dive has the number %1.</source>
        <translation>Nessuna immersione ha il numero %1.</translation>
    </message>
    <message>
        <source>%1 of %2 dives shown</source>
        <translation>%1 di %2 immersioni mostrate</translation>
    </message>
    <message>
        <source>Analysing dives: %1 of %2</source>
        <translation>Analisi delle immersioni: %1 di %2</translation>
    </message>
</context>
<context>
    <name>Tissues</name>
    <message>
        <source>carried over %1 from dive %2</source>
        <translation>riportato dopo %1 dall&apos;immersione %2</translation>
    </message>
    <message>
        <source>no dive before within the recorded interval</source>
        <translation>nessuna immersione precedente entro l&apos;intervallo registrato</translation>
    </message>
    <message>
        <source>not carried over: the dive&apos;s date or time is unknown</source>
        <translation>non riportato: data o ora dell&apos;immersione sconosciuta</translation>
    </message>
    <message>
        <source>nothing carried over: dive %1 before has no profile</source>
        <translation>nulla riportato: l&apos;immersione precedente %1 non ha un profilo</translation>
    </message>
    <message>
        <source>Max Oversaturation = %1 % at Time=%2 on tissue %3</source>
        <translation>Sovrasaturazione max. = %1 % a Tempo=%2 nel tessuto %3</translation>
    </message>
    <message>
        <source>Type the surface pressure in bar as a number, such as 1.013 (with a point or a comma before the decimals).</source>
        <translation>Digitare la pressione in superficie in bar come numero, per esempio 1.013 (con un punto o una virgola prima dei decimali).</translation>
    </message>
    <message>
        <source>The surface pressure must be above 0.1 bar.</source>
        <translation>La pressione in superficie deve superare 0.1 bar.</translation>
    </message>
    <message>
        <source>Tissue %1, half time: %2 minutes, Critical over-sat coeff: %3</source>
        <translation>Tessuto %1, emitempo: %2 minuti, coeff. critico di sovrasat.: %3</translation>
    </message>
    <message>
        <source>Tissues:</source>
        <translation>Tessuti:</translation>
    </message>
    <message>
        <source>%1 tissues, surface pressure %2</source>
        <translation>%1 tessuti, pressione in superficie %2</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
    </message>
</context>
<context>
    <name>scrb::ComparisonWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Salva come &amp;PDF...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close the comparison (Esc)</source>
        <translation>Chiudi il confronto (Esc)</translation>
    </message>
    <message>
        <source>Point at a chart to read each dive&apos;s value.</source>
        <translation>Puntate un grafico per leggere il valore di ogni immersione.</translation>
    </message>
    <message>
        <source>Dive %1</source>
        <translation>Immersione %1</translation>
    </message>
    <message>
        <source>Save the Comparison as PDF</source>
        <translation>Salva il confronto come PDF</translation>
    </message>
    <message>
        <source>The comparison could not be written to %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Il confronto non è stato scritto in %1.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>Heat &amp;Maps</source>
        <translation>&amp;Mappe di calore</translation>
    </message>
    <message>
        <source>Figures and &amp;Heat Maps</source>
        <translation>Dati e mappe di ca&amp;lore</translation>
    </message>
    <message>
        <source>Shows the table of figures and the heat maps under the charts</source>
        <translation>Mostra la tabella dei dati e le mappe di calore sotto i grafici</translation>
    </message>
    <message>
        <source>Print the comparison (Ctrl+P)</source>
        <translation>Stampa il confronto (Ctrl+P)</translation>
    </message>
    <message>
        <source>dives-%1</source>
        <comment>suggested file name; %1 is the dive numbers joined by hyphens</comment>
        <translation>immersioni-%1</translation>
    </message>
</context>
<context>
    <name>scrb::DisclaimerDialog</name>
    <message>
        <source>Important notice: There is no guarantee that the calculations made by this program are correct. Users should NOT use this programme to calculate their dives.</source>
        <translation>Avviso importante: non vi è alcuna garanzia che i calcoli di questo programma siano corretti. Questo programma NON deve essere usato per calcolare le proprie immersioni.</translation>
    </message>
    <message>
        <source>I &amp;agree</source>
        <translation>&amp;Accetto</translation>
    </message>
    <message>
        <source>I do &amp;not Agree</source>
        <translation>&amp;Non accetto</translation>
    </message>
    <message>
        <source>&amp;Do not display this warning anymore</source>
        <translation>Non &amp;mostrare più questo avviso</translation>
    </message>
</context>
<context>
    <name>scrb::DisplayOptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>String to display in left pane</source>
        <translation>Testo da mostrare nell&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Località</translation>
    </message>
    <message>
        <source>&amp;Site</source>
        <translation>&amp;Sito</translation>
    </message>
    <message>
        <source>L&amp;ocation, Site</source>
        <translation>L&amp;ocalità, sito</translation>
    </message>
    <message>
        <source>S&amp;ite, Location</source>
        <translation>S&amp;ito, località</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>scrb::DiveTableModel</name>
    <message>
        <source>Dive</source>
        <translation>Immersione</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Compagni</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Max. depth</source>
        <translation>Prof. max.</translation>
    </message>
    <message>
        <source>Dive time</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Water temp.</source>
        <translation>Temp. acqua</translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation>Temp. aria</translation>
    </message>
    <message>
        <source>Air used</source>
        <translation>Aria usata</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Bombola</translation>
    </message>
    <message>
        <source>Breath rate</source>
        <translation>Consumo resp.</translation>
    </message>
    <message>
        <source>Max. over-saturation</source>
        <translation>Sovrasat. max.</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viaggio</translation>
    </message>
</context>
<context>
    <name>scrb::MainWindow</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Precedente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Seg&amp;uente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open Logbook</source>
        <translation>&amp;Apri logbook</translation>
    </message>
    <message>
        <source>&amp;Merge Logbook</source>
        <translation>&amp;Unisci logbook</translation>
    </message>
    <message>
        <source>Export Logbook as &amp;UDDF...</source>
        <translation>Esporta logbook in UDD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Recent Logbooks</source>
        <translation>Logbook &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Export Dive Report as P&amp;DF...</source>
        <translation>Esporta rapporto in &amp;PDF...</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Copy &amp;All Dives to clipboard</source>
        <translation>Copia &amp;tutte le immersioni negli appunti</translation>
    </message>
    <message>
        <source>Copy Current Dive &amp;Profile to clipboard</source>
        <translation>Copia il &amp;profilo dell&apos;immersione negli appunti</translation>
    </message>
    <message>
        <source>&amp;Go to Dive...</source>
        <translation>&amp;Vai all&apos;immersione...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Pr&amp;eferenze...</translation>
    </message>
    <message>
        <source>&amp;Logbook</source>
        <translation>&amp;Logbook</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiche...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Bathyscribe v%1.%2<byte value="xd"/>
<byte value="xd"/>
Written by the Bathyscribe developers.<byte value="xd"/>
<byte value="xd"/>
Bathyscribe reads the logbooks of the Datatrak PC logging software; the README that comes with it tells more.</source>
        <translation>Bathyscribe v%1.%2<byte value="xd"/>
<byte value="xd"/>
Scritto dagli sviluppatori di Bathyscribe.<byte value="xd"/>
<byte value="xd"/>
Bathyscribe legge i logbook del software Datatrak PC; il README allegato fornisce maggiori dettagli.</translation>
    </message>
    <message>
        <source>Dive %1 could not be shown: %2</source>
        <translation>Impossibile mostrare l&apos;immersione %1: %2</translation>
    </message>
    <message>
        <source>Dive parameters copied to clipboard</source>
        <translation>Parametri delle immersioni copiati negli appunti</translation>
    </message>
    <message>
        <source>Dive data copied to clipboard</source>
        <translation>Dati dell&apos;immersione copiati negli appunti</translation>
    </message>
    <message>
        <source>Datatrak log files (*.log);;All files (*.*)</source>
        <translation>File di log Datatrak (*.log);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Merge Logbook</source>
        <translation>Unisci logbook</translation>
    </message>
    <message>
        <source>Open Logbook</source>
        <translation>Apri logbook</translation>
    </message>
    <message>
        <source>Export Dive Report as PDF</source>
        <translation>Esporta rapporto in PDF</translation>
    </message>
    <message>
        <source>There is no dive loaded to put in a report.</source>
        <translation>Nessuna immersione caricata da inserire in un rapporto.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 pagina</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pagine</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Printing the dive report...</source>
        <translation>Stampa del rapporto d&apos;immersione...</translation>
    </message>
    <message>
        <source>Dive report sent to the printer: %1.</source>
        <translation>Rapporto d&apos;immersione inviato alla stampante: %1.</translation>
    </message>
    <message>
        <source>Printing cancelled.</source>
        <translation>Stampa annullata.</translation>
    </message>
    <message>
        <source>The dive report could not be printed.</source>
        <translation>Impossibile stampare il rapporto d&apos;immersione.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the dive report...</source>
        <translation>Scrittura del rapporto d&apos;immersione...</translation>
    </message>
    <message>
        <source>Dive report written to %1: %2.</source>
        <translation>Rapporto d&apos;immersione scritto in %1: %2.</translation>
    </message>
    <message>
        <source>Export cancelled; nothing was written.</source>
        <translation>Esportazione annullata; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The dive report could not be written to %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile scrivere il rapporto d&apos;immersione in %1.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Search dives (Ctrl+F)</source>
        <translation>Cerca immersioni (Ctrl+F)</translation>
    </message>
    <message>
        <source>There are not enough dives loaded to navigate ....</source>
        <translation>Non ci sono abbastanza immersioni caricate per scorrere ....</translation>
    </message>
    <message>
        <source>Export Logbook as UDDF</source>
        <translation>Esporta logbook in UDDF</translation>
    </message>
    <message>
        <source>UDDF files (*.uddf)</source>
        <translation>File UDDF (*.uddf)</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Generale</translation>
    </message>
    <message>
        <source>&amp;Dive</source>
        <translation>&amp;Immersione</translation>
    </message>
    <message>
        <source>Vertical &amp;Speed</source>
        <translation>&amp;Velocità verticale</translation>
    </message>
    <message>
        <source>&amp;Air</source>
        <translation>A&amp;ria</translation>
    </message>
    <message>
        <source>Ph&amp;ys Data</source>
        <translation>Dati fi&amp;siologici</translation>
    </message>
    <message>
        <source>&amp;Tissue Sat</source>
        <translation>&amp;Tessuti</translation>
    </message>
    <message>
        <source>&amp;Raw Data</source>
        <translation>Dati gre&amp;zzi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Bathyscribe dive report</source>
        <translation>Rapporto d&apos;immersione Bathyscribe</translation>
    </message>
    <message>
        <source>Export Logbook to Subsurface</source>
        <translation>Esporta logbook in Subsurface</translation>
    </message>
    <message>
        <source>Subsurface files (*.ssrf)</source>
        <translation>File Subsurface (*.ssrf)</translation>
    </message>
    <message>
        <source>Export Logbook to &amp;Subsurface...</source>
        <translation>Esporta logbook in Su&amp;bsurface...</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Solo %1</translation>
    </message>
    <message>
        <source>The table shows only these dives; the search looks among them.</source>
        <translation>La tabella mostra solo queste immersioni; la ricerca cerca tra di esse.</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostra tutte</translation>
    </message>
    <message>
        <source>Show every dive again (Esc)</source>
        <translation>Mostra di nuovo tutte le immersioni (Esc)</translation>
    </message>
    <message>
        <source>&amp;Compare Dives...</source>
        <translation>&amp;Confronta immersioni...</translation>
    </message>
    <message>
        <source>Compare the %1 dives chosen in the table</source>
        <translation>Confronta le %1 immersioni scelte nella tabella</translation>
    </message>
    <message>
        <source>Choose two to six dives in the table (Ctrl+click, Shift+click) to compare them</source>
        <translation>Scegliete da due a sei immersioni nella tabella (Ctrl+clic, Maiusc+clic) per confrontarle</translation>
    </message>
    <message>
        <source>At most six dives can be compared; %1 are chosen in the table</source>
        <translation>Si confrontano al massimo sei immersioni; nella tabella ne sono scelte %1</translation>
    </message>
</context>
<context>
    <name>scrb::ModelWindow</name>
    <message>
        <source>Only digits and one point or comma can be typed here: the surface pressure in bar.</source>
        <translation>Qui si possono digitare solo cifre e un punto o una virgola: la pressione in superficie in bar.</translation>
    </message>
    <message>
        <source>Decompression Model and Tissues</source>
        <translation>Modello di decompressione e tessuti</translation>
    </message>
    <message>
        <source>Surface Pressure (bar): ................</source>
        <translation>Pressione in superficie (bar): ........</translation>
    </message>
    <message>
        <source>Decompression Model</source>
        <translation>Modello di decompressione</translation>
    </message>
    <message>
        <source>Carry nitrogen over from the dive before</source>
        <translation>Riportare l&apos;azoto dall&apos;immersione precedente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>No dive selected</source>
        <translation>Nessuna immersione scelta</translation>
    </message>
</context>
<context>
    <name>scrb::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unità:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contrasto elevato</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>&amp;Aspetto:</translation>
    </message>
</context>
<context>
    <name>scrb::StatisticsWindow</name>
    <message>
        <source>&amp;Group by:</source>
        <translation>&amp;Raggruppa per:</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <translation>&amp;Grafico:</translation>
    </message>
    <message>
        <source>S&amp;ummary</source>
        <translation>Ri&amp;epilogo</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>Gra&amp;fici</translation>
    </message>
    <message>
        <source>Double-click a group to show just its dives in the dive table</source>
        <translation>Fare doppio clic su un gruppo per mostrare solo le sue immersioni nell&apos;elenco</translation>
    </message>
    <message>
        <source>No dives to sum up.</source>
        <translation>Nessuna immersione da riepilogare.</translation>
    </message>
    <message>
        <source>Summing up...</source>
        <translation>Riepilogo in corso...</translation>
    </message>
    <message>
        <source>Working out the analysis of %1 dives...</source>
        <translation>Analisi di %1 immersioni in corso...</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Select this dive</source>
        <translation>Scegli questa immersione</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close the statistics (Esc)</source>
        <translation>Chiudi le statistiche (Esc)</translation>
    </message>
</context>
<context>
    <name>scrb::TissuePage</name>
    <message>
        <source>&amp;Change Model ...</source>
        <translation>&amp;Cambia modello ...</translation>
    </message>
    <message>
        <source>Heat &amp;Map</source>
        <translation>Mappa di cal&amp;ore</translation>
    </message>
    <message>
        <source>Shows the tissues&apos; over-saturation as a heat map in place of their pressures</source>
        <translation>Mostra la sovrasaturazione dei tessuti come mappa di calore al posto delle loro pressioni</translation>
    </message>
</context>
<context>
    <name>scrb::UserDialogs</name>
    <message>
        <source>Go to Dive</source>
        <translation>Vai all&apos;immersione</translation>
    </message>
    <message>
        <source>Dive &amp;number:</source>
        <translation>&amp;Numero dell&apos;immersione:</translation>
    </message>
    <message>
        <source>The current dive</source>
        <translation>L&apos;immersione attuale</translation>
    </message>
    <message>
        <source>All loaded dives (%1, one page each)</source>
        <translation>Tutte le immersioni caricate (%1, una pagina ciascuna)</translation>
    </message>
    <message>
        <source>A logbook summary page, then the current dive</source>
        <translation>Una pagina di riepilogo del logbook, poi l&apos;immersione attuale</translation>
    </message>
    <message>
        <source>A logbook summary page, then all loaded dives (%1, one page each)</source>
        <translation>Una pagina di riepilogo del logbook, poi tutte le immersioni caricate (%1, una pagina ciascuna)</translation>
    </message>
    <message>
        <source>Dives to include:</source>
        <translation>Immersioni da includere:</translation>
    </message>
</context>
</TS>
