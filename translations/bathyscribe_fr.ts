<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Charts</name>
    <message>
        <source>Estimated air pressure (bar) versus time (min)</source>
        <translation>Pression estimée du bloc (bar) en fonction du temps (min)</translation>
    </message>
    <message>
        <source>Estimated breath rate (litres/minutes)</source>
        <translation>Débit respiratoire estimé (litres/minute)</translation>
    </message>
    <message>
        <source>No Air Data available</source>
        <translation>Aucune donnée d&apos;air disponible</translation>
    </message>
    <message>
        <source>Body temperature loss</source>
        <translation>Perte de chaleur corporelle</translation>
    </message>
    <message>
        <source>Air bubbles</source>
        <translation>Bulles d&apos;air</translation>
    </message>
    <message>
        <source>Relative Air Consumption</source>
        <translation>Consommation d&apos;air relative</translation>
    </message>
    <message>
        <source>No Temp Data available</source>
        <translation>Aucune donnée de température disponible</translation>
    </message>
    <message>
        <source>No Deco Data available</source>
        <translation>Aucune donnée de déco disponible</translation>
    </message>
    <message>
        <source>No Air Data Consumption available</source>
        <translation>Aucune donnée de consommation d&apos;air disponible</translation>
    </message>
    <message>
        <source>Dive Number: %1  Depth (meters) versus Time (minutes)</source>
        <translation>Plongée n° : %1  Profondeur (mètres) en fonction du temps (minutes)</translation>
    </message>
    <message>
        <source>No Dive Data available</source>
        <translation>Aucune donnée de plongée disponible</translation>
    </message>
    <message>
        <source>Depth derivative (meters per minutes)</source>
        <translation>Vitesse verticale (mètres par minute)</translation>
    </message>
    <message>
        <source>No Saturation Data available</source>
        <translation>Aucune donnée de saturation disponible</translation>
    </message>
    <message>
        <source>  Calculating ...</source>
        <translation>  Calcul en cours ...</translation>
    </message>
    <message>
        <source>Nitrogen Partial Pressure in tissues</source>
        <translation>Pression partielle d&apos;azote dans les compartiments</translation>
    </message>
    <message>
        <source>% Allowed Nitrogen Over-Saturation coefficient</source>
        <translation>% du coefficient de sursaturation d&apos;azote admis</translation>
    </message>
    <message>
        <source>No dives with a date</source>
        <translation>Aucune plongée datée</translation>
    </message>
    <message>
        <source>No maximum depths</source>
        <translation>Aucune profondeur maximale</translation>
    </message>
    <message>
        <source>No dive times</source>
        <translation>Aucune durée de plongée</translation>
    </message>
    <message>
        <source>No water temperatures</source>
        <translation>Aucune température de l&apos;eau</translation>
    </message>
    <message>
        <source>No dives with a breath rate estimate</source>
        <translation>Aucune plongée avec un débit respiratoire estimé</translation>
    </message>
    <message>
        <source>No dives with saturation results</source>
        <translation>Aucune plongée avec des résultats de saturation</translation>
    </message>
    <message>
        <source>Estimated air pressure (psi) versus time (min)</source>
        <translation>Pression estimée du bloc (psi) en fonction du temps (min)</translation>
    </message>
    <message>
        <source>Estimated breath rate (cubic feet/minutes)</source>
        <translation>Débit respiratoire estimé (pieds cubes/minute)</translation>
    </message>
    <message>
        <source>Dive Number: %1  Depth (feet) versus Time (minutes)</source>
        <translation>Plongée n° : %1  Profondeur (pieds) en fonction du temps (minutes)</translation>
    </message>
    <message>
        <source>Depth derivative (feet per minutes)</source>
        <translation>Vitesse verticale (pieds par minute)</translation>
    </message>
    <message>
        <source>Over-saturation of each tissue, % of allowed</source>
        <translation>Sursaturation de chaque compartiment, % de l&apos;admissible</translation>
    </message>
    <message>
        <source>Depth (meters) versus time (minutes)</source>
        <translation>Profondeur (mètres) en fonction du temps (minutes)</translation>
    </message>
    <message>
        <source>Depth (feet) versus time (minutes)</source>
        <translation>Profondeur (pieds) en fonction du temps (minutes)</translation>
    </message>
    <message>
        <source>Highest % allowed nitrogen over-saturation among the tissues</source>
        <translation>Sursaturation en azote la plus élevée des compartiments, en % de l&apos;admis</translation>
    </message>
    <message>
        <source>%1 % and more</source>
        <translation>%1 % et plus</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Dives compared: %1</source>
        <translation>Plongées comparées : %1</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminée</translation>
    </message>
    <message>
        <source>Dive %1: %2</source>
        <translation>Plongée %1 : %2</translation>
    </message>
    <message>
        <source>%1 % on tissue %2</source>
        <translation>%1 % sur le compartiment %2</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes, from dive %1</source>
        <translation>Oui, de la plongée %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Dive number</source>
        <translation>Numéro de plongée</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Maximum depth</source>
        <translation>Profondeur maximale</translation>
    </message>
    <message>
        <source>Dive time</source>
        <translation>Durée de plongée</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Température de l&apos;eau</translation>
    </message>
    <message>
        <source>Base breath rate</source>
        <translation>Débit respiratoire de base</translation>
    </message>
    <message>
        <source>Highest over-saturation</source>
        <translation>Sursaturation maximale</translation>
    </message>
    <message>
        <source>Surface interval before</source>
        <translation>Intervalle de surface avant</translation>
    </message>
    <message>
        <source>Nitrogen carried over</source>
        <translation>Azote reporté</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Left out of the charts, for want of a profile: %1</source>
        <translation>Absentes des graphiques, faute de profil : %1</translation>
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
        <translation>Moins de 1000 m</translation>
    </message>
    <message>
        <source>Between 900m and 1950m</source>
        <translation>Entre 900m et 1950m</translation>
    </message>
    <message>
        <source>Between 1700m and 2900m</source>
        <translation>Entre 1700m et 2900m</translation>
    </message>
    <message>
        <source>Between 2700m and 4000m</source>
        <translation>Entre 2700m et 4000m</translation>
    </message>
    <message>
        <source>Higher than 4000m</source>
        <translation>Plus de 4000m</translation>
    </message>
    <message>
        <source>No Alarms</source>
        <translation>Aucune alarme</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation>Remontée</translation>
    </message>
    <message>
        <source>Decompression</source>
        <translation>Décompression</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>SOS</source>
        <translation>SOS</translation>
    </message>
    <message>
        <source>No Stop</source>
        <translation>Sans palier</translation>
    </message>
    <message>
        <source>Single Ascent</source>
        <translation>Remontée unique</translation>
    </message>
    <message>
        <source>Multiple Ascent</source>
        <translation>Remontées multiples</translation>
    </message>
    <message>
        <source>Fresh Water</source>
        <translation>Eau douce</translation>
    </message>
    <message>
        <source>Sea Water</source>
        <translation>Eau de mer</translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation>Nitrox</translation>
    </message>
    <message>
        <source>Exploration</source>
        <translation>Exploration</translation>
    </message>
    <message>
        <source>Club Dive</source>
        <translation>Plongée club</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Formation</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Encadrement</translation>
    </message>
    <message>
        <source>Night Dive</source>
        <translation>Plongée de nuit</translation>
    </message>
    <message>
        <source>Cave Dive</source>
        <translation>Plongée souterraine</translation>
    </message>
    <message>
        <source>Ice Dive</source>
        <translation>Plongée sous glace</translation>
    </message>
    <message>
        <source>Search Dive</source>
        <translation>Plongée de recherche</translation>
    </message>
    <message>
        <source>Wreck Dive</source>
        <translation>Plongée sur épave</translation>
    </message>
    <message>
        <source>River Dive</source>
        <translation>Plongée en rivière</translation>
    </message>
    <message>
        <source>Drift Dive</source>
        <translation>Plongée dérivante</translation>
    </message>
    <message>
        <source>Photo Dive</source>
        <translation>Plongée photo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Dégagé</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuageux</translation>
    </message>
    <message>
        <source>Misty - Fog</source>
        <translation>Brumeux - Brouillard</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pluie</translation>
    </message>
    <message>
        <source>Stormy</source>
        <translation>Orageux</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>No suit</source>
        <translation>Sans combinaison</translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation>Shorty</translation>
    </message>
    <message>
        <source>One piece wetsuit</source>
        <translation>Combinaison humide une pièce</translation>
    </message>
    <message>
        <source>Two pieces wetsuit</source>
        <translation>Combinaison humide deux pièces</translation>
    </message>
    <message>
        <source>Semi-dry</source>
        <translation>Semi-étanche</translation>
    </message>
    <message>
        <source>Dry suit</source>
        <translation>Combinaison étanche</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>Dive Number: %1</source>
        <translation>Plongée n° : %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Site :</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altitude :</translation>
    </message>
    <message>
        <source>Surface Interval:</source>
        <translation>Intervalle surface :</translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation>Météo :</translation>
    </message>
    <message>
        <source>Air Temperature:</source>
        <translation>Température de l&apos;air :</translation>
    </message>
    <message>
        <source>Min. Temperature:</source>
        <translation>Température min. :</translation>
    </message>
    <message>
        <source>Dive Suit:</source>
        <translation>Combinaison :</translation>
    </message>
    <message>
        <source>Air Tank size:</source>
        <translation>Volume du bloc :</translation>
    </message>
    <message>
        <source>Air consumption:</source>
        <translation>Consommation d&apos;air :</translation>
    </message>
    <message>
        <source>Maximum Depth:</source>
        <translation>Profondeur maximale :</translation>
    </message>
    <message>
        <source>Dive Time:</source>
        <translation>Durée de plongée :</translation>
    </message>
    <message>
        <source>Dive Type:</source>
        <translation>Type de plongée :</translation>
    </message>
    <message>
        <source>Alarms:</source>
        <translation>Alarmes :</translation>
    </message>
    <message>
        <source>Activities:</source>
        <translation>Activités :</translation>
    </message>
    <message>
        <source>Partners:</source>
        <translation>Binômes :</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>%1 dive exported to %2.</source>
        <translation>%1 plongée exportée vers %2.</translation>
    </message>
    <message>
        <source>%1 dives exported to %2.</source>
        <translation>%1 plongées exportées vers %2.</translation>
    </message>
    <message>
        <source>The logbook cannot be exported to %1: %2.</source>
        <translation>Le carnet ne peut pas être exporté vers %1 : %2.</translation>
    </message>
    <message>
        <source>the file is too short to be a logbook</source>
        <translation>le fichier est trop court pour être un carnet</translation>
    </message>
    <message>
        <source>its dive count is negative</source>
        <translation>son nombre de plongées est négatif</translation>
    </message>
    <message>
        <source>the file ends inside its first entry (byte %1)</source>
        <translation>le fichier se termine dans sa première entrée (octet %1)</translation>
    </message>
    <message>
        <source>its first entry is damaged (byte %1)</source>
        <translation>sa première entrée est endommagée (octet %1)</translation>
    </message>
    <message>
        <source>the file ends inside dive %1 of %2 (byte %3)</source>
        <translation>le fichier se termine dans la plongée %1 sur %2 (octet %3)</translation>
    </message>
    <message>
        <source>the file is damaged at dive %1 of %2 (byte %3)</source>
        <translation>le fichier est endommagé à la plongée %1 sur %2 (octet %3)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>reading stopped after dive %1: %2</source>
        <translation>la lecture s&apos;est arrêtée après la plongée %1 : %2</translation>
    </message>
    <message>
        <source>%1 dives read.</source>
        <translation>%1 plongées lues.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 est endommagé : %2.</translation>
    </message>
    <message>
        <source>The logbook file %1 cannot be read: %2.</source>
        <translation>Le fichier carnet %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no readable dive: it is not a logbook, or it is damaged before its first dive (%2).</source>
        <translation>Le fichier %1 ne contient aucune plongée lisible : ce n&apos;est pas un carnet, ou il est endommagé avant sa première plongée (%2).</translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dive was read and can be viewed. Nothing was written to the file.</source>
        <translation>Le fichier carnet %1 est endommagé : %2.<byte value="xd"/>
<byte value="xd"/>
%3 plongée a été lue et peut être consultée. Rien n&apos;a été écrit dans le fichier.</translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dives were read and can be viewed. Nothing was written to the file.</source>
        <translation>Le fichier carnet %1 est endommagé : %2.<byte value="xd"/>
<byte value="xd"/>
%3 plongées ont été lues et peuvent être consultées. Rien n&apos;a été écrit dans le fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>%1 holds no readable dive.</source>
        <translation>%1 ne contient aucune plongée lisible.</translation>
    </message>
    <message>
        <source>The logbook file %1 is loaded already. Merge its dives once more, so that they are listed twice?</source>
        <translation>Le fichier carnet %1 est déjà chargé. Fusionner encore ses plongées, qui apparaîtront alors deux fois ?</translation>
    </message>
</context>
<context>
    <name>Models</name>
    <message>
        <source>Bühlmann ZH-L8 ADT (8 tissues)</source>
        <translation>Bühlmann ZH-L8 ADT (8 compartiments)</translation>
    </message>
    <message>
        <source>FFESSM MN90 - French Navy (12 tissues)</source>
        <translation>FFESSM MN90 - Marine nationale (12 compartiments)</translation>
    </message>
    <message>
        <source>Quorvan&apos;s special (15 tissues, slow to calculate)</source>
        <translation>Modèle spécial Quorvan (15 compartiments, calcul lent)</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
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
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>fév</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Time=%1 Cold=%2</source>
        <translation>Temps=%1 Froid=%2</translation>
    </message>
    <message>
        <source>Time=%1 Bubbles=%2</source>
        <translation>Temps=%1 Bulles=%2</translation>
    </message>
    <message>
        <source>Time=%1 Air=%2</source>
        <translation>Temps=%1 Air=%2</translation>
    </message>
    <message>
        <source>Max=%1% tissue=%2, Min=%3% tissue=%4</source>
        <translation>Max=%1% comp.=%2, Min=%3% comp.=%4</translation>
    </message>
    <message>
        <source>Min:%1, Max:%2</source>
        <translation>Min:%1, Max:%2</translation>
    </message>
    <message>
        <source>%1, Time=%2, Depth=%3, Tank=%4, Breath=%5</source>
        <translation>%1, Temps=%2, Prof.=%3, Bloc=%4, Resp.=%5</translation>
    </message>
    <message>
        <source>Time=%1 Depth=%2</source>
        <translation>Temps=%1 Prof.=%2</translation>
    </message>
    <message>
        <source> Vertical Speed=%1</source>
        <translation> Vitesse verticale=%1</translation>
    </message>
    <message>
        <source>Time=%1, Depth=%2, Max=%3, Min=%4</source>
        <translation>Temps=%1, Prof.=%2, Max=%3, Min=%4</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Durée : %1</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3</source>
        <translation>Profondeur : %1 à %2, écart %3</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1</source>
        <translation>Vitesse verticale moyenne : %1</translation>
    </message>
    <message>
        <source>Air drawn: %1 (%2)</source>
        <translation>Air consommé : %1 (%2)</translation>
    </message>
    <message>
        <source>Highest over-saturation: %1 % on tissue %2</source>
        <translation>Sursaturation maximale : %1 % sur le compartiment %2</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3 (ascent)</source>
        <translation>Profondeur : %1 à %2, écart %3 (remontée)</translation>
    </message>
    <message>
        <source>Depth: %1 to %2, difference %3 (descent)</source>
        <translation>Profondeur : %1 à %2, écart %3 (descente)</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1 (ascent)</source>
        <translation>Vitesse verticale moyenne : %1 (remontée)</translation>
    </message>
    <message>
        <source>Mean vertical speed: %1 (descent)</source>
        <translation>Vitesse verticale moyenne : %1 (descente)</translation>
    </message>
    <message>
        <source>Time=%1, tissue=%2: %3% of allowed</source>
        <translation>Temps=%1, compartiment %2 : %3% de l&apos;admissible</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>none loaded</source>
        <translation>aucun chargé</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Logbook summary – %1</source>
        <translation>Résumé du carnet – %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Decompression model: %1, surface pressure %2</source>
        <translation>Modèle de décompression : %1, pression en surface %2</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Binôme</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Voyage</translation>
    </message>
    <message>
        <source>%1 dive</source>
        <translation>%1 plongée</translation>
    </message>
    <message>
        <source>%1 dives</source>
        <translation>%1 plongées</translation>
    </message>
    <message>
        <source>%1: %2, %3 hours</source>
        <translation>%1 : %2, %3 heures</translation>
    </message>
    <message>
        <source>%1 to %2%3: %4</source>
        <translation>%1 à %2%3 : %4</translation>
    </message>
    <message>
        <source>%1: no water temperature</source>
        <translation>%1 : aucune température de l&apos;eau</translation>
    </message>
    <message>
        <source>Dive %1, %2</source>
        <translation>Plongée %1, %2</translation>
    </message>
    <message>
        <source>%1: %2 %, tissue %3</source>
        <translation>%1 : %2 %, compartiment %3</translation>
    </message>
    <message>
        <source>Dives by maximum depth (m)</source>
        <translation>Plongées par profondeur maximale (m)</translation>
    </message>
    <message>
        <source>Dives by dive time (min)</source>
        <translation>Plongées par durée (min)</translation>
    </message>
    <message>
        <source>Highest over-saturation per dive (%) and the 100 % limit (red)</source>
        <translation>Sursaturation maximale par plongée (%) et la limite de 100 % (rouge)</translation>
    </message>
    <message>
        <source>dive %1</source>
        <translation>plongée %1</translation>
    </message>
    <message>
        <source>%1 of %2 dive</source>
        <translation>%1 sur %2 plongée</translation>
    </message>
    <message>
        <source>%1 of %2 dives</source>
        <translation>%1 sur %2 plongées</translation>
    </message>
    <message>
        <source>%1 (search: %2)</source>
        <translation>%1 (recherche : %2)</translation>
    </message>
    <message>
        <source>Dives</source>
        <translation>Plongées</translation>
    </message>
    <message>
        <source>Total dive time</source>
        <translation>Durée totale de plongée</translation>
    </message>
    <message>
        <source>First dive</source>
        <translation>Première plongée</translation>
    </message>
    <message>
        <source>Last dive</source>
        <translation>Dernière plongée</translation>
    </message>
    <message>
        <source>Deepest dive</source>
        <translation>Plongée la plus profonde</translation>
    </message>
    <message>
        <source>Longest dive</source>
        <translation>Plongée la plus longue</translation>
    </message>
    <message>
        <source>Coldest dive</source>
        <translation>Plongée la plus froide</translation>
    </message>
    <message>
        <source>Mean maximum depth</source>
        <translation>Profondeur maximale moyenne</translation>
    </message>
    <message>
        <source>Mean dive time</source>
        <translation>Durée moyenne de plongée</translation>
    </message>
    <message>
        <source>Mean base breath rate</source>
        <translation>Débit respiratoire de base moyen</translation>
    </message>
    <message>
        <source>%1 (%2 dives)</source>
        <translation>%1 (%2 plongées)</translation>
    </message>
    <message>
        <source>Highest over-saturation</source>
        <translation>Sursaturation maximale</translation>
    </message>
    <message>
        <source>%1 %, tissue %2</source>
        <translation>%1 %, compartiment %2</translation>
    </message>
    <message>
        <source>Most frequent sites</source>
        <translation>Sites les plus fréquents</translation>
    </message>
    <message>
        <source>Most frequent partners</source>
        <translation>Binômes les plus fréquents</translation>
    </message>
    <message>
        <source>Dive time (h)</source>
        <translation>Durée (h)</translation>
    </message>
    <message>
        <source>Deepest (m)</source>
        <translation>Plus profonde (m)</translation>
    </message>
    <message>
        <source>Mean depth (m)</source>
        <translation>Profondeur moyenne (m)</translation>
    </message>
    <message>
        <source>Coldest (°C)</source>
        <translation>Plus froide (°C)</translation>
    </message>
    <message>
        <source>Breath rate (l/min)</source>
        <translation>Débit resp. (l/min)</translation>
    </message>
    <message>
        <source>Over-saturation (%)</source>
        <translation>Sursaturation (%)</translation>
    </message>
    <message>
        <source>%1: coldest %2, mean %3 (%4)</source>
        <translation>%1 : la plus froide %2, moyenne %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 (%3 mean %4)</source>
        <translation>%1 : %2 (moyenne %3 : %4)</translation>
    </message>
    <message>
        <source>Dives by maximum depth (ft)</source>
        <translation>Plongées par profondeur maximale (ft)</translation>
    </message>
    <message>
        <source>Deepest (ft)</source>
        <translation>Plus profonde (ft)</translation>
    </message>
    <message>
        <source>Mean depth (ft)</source>
        <translation>Profondeur moyenne (ft)</translation>
    </message>
    <message>
        <source>Coldest (°F)</source>
        <translation>Plus froide (°F)</translation>
    </message>
    <message>
        <source>Breath rate (cu ft/min)</source>
        <translation>Débit resp. (cu ft/min)</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>Dives (blue) and hours (%1) per year</source>
        <translation>Plongées (bleu) et heures (%1) par année</translation>
    </message>
    <message>
        <source>Water temperature by month (°C): coldest (blue) and mean (%1)</source>
        <translation>Température de l&apos;eau par mois (°C) : la plus froide (bleu) et moyenne (%1)</translation>
    </message>
    <message>
        <source>Water temperature by month (°F): coldest (blue) and mean (%1)</source>
        <translation>Température de l&apos;eau par mois (°F) : la plus froide (bleu) et moyenne (%1)</translation>
    </message>
    <message>
        <source>Base breath rate per dive (l/min) and each year&apos;s mean (%1)</source>
        <translation>Débit respiratoire de base par plongée (l/min) et moyenne annuelle (%1)</translation>
    </message>
    <message>
        <source>Base breath rate per dive (cu ft/min) and each year&apos;s mean (%1)</source>
        <translation>Débit respiratoire de base par plongée (cu ft/min) et moyenne annuelle (%1)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>No dive has the number %1.</source>
        <translation>Aucune plongée ne porte le numéro %1.</translation>
    </message>
    <message>
        <source>%1 of %2 dives shown</source>
        <translation>%1 plongées affichées sur %2</translation>
    </message>
    <message>
        <source>Analysing dives: %1 of %2</source>
        <translation>Analyse des plongées : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Tissues</name>
    <message>
        <source>carried over %1 from dive %2</source>
        <translation>reporté après %1 depuis la plongée %2</translation>
    </message>
    <message>
        <source>no dive before within the recorded interval</source>
        <translation>aucune plongée précédente dans l&apos;intervalle enregistré</translation>
    </message>
    <message>
        <source>not carried over: the dive&apos;s date or time is unknown</source>
        <translation>non reporté : la date ou l&apos;heure de la plongée est inconnue</translation>
    </message>
    <message>
        <source>nothing carried over: dive %1 before has no profile</source>
        <translation>rien de reporté : la plongée précédente %1 n&apos;a pas de profil</translation>
    </message>
    <message>
        <source>Max Oversaturation = %1 % at Time=%2 on tissue %3</source>
        <translation>Sursaturation max. = %1 % à Temps=%2 sur le compartiment %3</translation>
    </message>
    <message>
        <source>Type the surface pressure in bar as a number, such as 1.013 (with a point or a comma before the decimals).</source>
        <translation>Saisissez la pression en surface en bar sous forme de nombre, par exemple 1.013 (avec un point ou une virgule avant les décimales).</translation>
    </message>
    <message>
        <source>The surface pressure must be above 0.1 bar.</source>
        <translation>La pression en surface doit dépasser 0.1 bar.</translation>
    </message>
    <message>
        <source>Tissue %1, half time: %2 minutes, Critical over-sat coeff: %3</source>
        <translation>Compartiment %1, période : %2 minutes, coeff. de sursat. critique : %3</translation>
    </message>
    <message>
        <source>Tissues:</source>
        <translation>Compartiments :</translation>
    </message>
    <message>
        <source>%1 tissues, surface pressure %2</source>
        <translation>%1 compartiments, pression en surface %2</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
</context>
<context>
    <name>scrb::ComparisonWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Enregistrer en &amp;PDF...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the comparison (Esc)</source>
        <translation>Fermer la comparaison (Échap)</translation>
    </message>
    <message>
        <source>Point at a chart to read each dive&apos;s value.</source>
        <translation>Pointez un graphique pour lire la valeur de chaque plongée.</translation>
    </message>
    <message>
        <source>Dive %1</source>
        <translation>Plongée %1</translation>
    </message>
    <message>
        <source>Save the Comparison as PDF</source>
        <translation>Enregistrer la comparaison en PDF</translation>
    </message>
    <message>
        <source>The comparison could not be written to %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>La comparaison n&apos;a pas pu être écrite dans %1.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Chiffres</translation>
    </message>
    <message>
        <source>Heat &amp;Maps</source>
        <translation>Cartes th&amp;ermiques</translation>
    </message>
    <message>
        <source>Figures and &amp;Heat Maps</source>
        <translation>Chiffres et cartes thermi&amp;ques</translation>
    </message>
    <message>
        <source>Shows the table of figures and the heat maps under the charts</source>
        <translation>Montre le tableau des chiffres et les cartes thermiques sous les graphiques</translation>
    </message>
    <message>
        <source>Print the comparison (Ctrl+P)</source>
        <translation>Imprimer la comparaison (Ctrl+P)</translation>
    </message>
    <message>
        <source>dives-%1</source>
        <comment>suggested file name; %1 is the dive numbers joined by hyphens</comment>
        <translation>plongées-%1</translation>
    </message>
</context>
<context>
    <name>scrb::DisclaimerDialog</name>
    <message>
        <source>Important notice: There is no guarantee that the calculations made by this program are correct. Users should NOT use this programme to calculate their dives.</source>
        <translation>Avertissement important : rien ne garantit que les calculs de ce programme soient exacts. Ce programme ne doit PAS servir à calculer vos plongées.</translation>
    </message>
    <message>
        <source>I &amp;agree</source>
        <translation>J&apos;&amp;accepte</translation>
    </message>
    <message>
        <source>I do &amp;not Agree</source>
        <translation>Je &amp;refuse</translation>
    </message>
    <message>
        <source>&amp;Do not display this warning anymore</source>
        <translation>Ne plus afficher cet a&amp;vertissement</translation>
    </message>
</context>
<context>
    <name>scrb::DisplayOptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>String to display in left pane</source>
        <translation>Texte affiché dans la liste</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Lieu</translation>
    </message>
    <message>
        <source>&amp;Site</source>
        <translation>&amp;Site</translation>
    </message>
    <message>
        <source>L&amp;ocation, Site</source>
        <translation>Li&amp;eu, site</translation>
    </message>
    <message>
        <source>S&amp;ite, Location</source>
        <translation>Si&amp;te, lieu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>scrb::DiveTableModel</name>
    <message>
        <source>Dive</source>
        <translation>Plongée</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Binômes</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Max. depth</source>
        <translation>Prof. max.</translation>
    </message>
    <message>
        <source>Dive time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Water temp.</source>
        <translation>Temp. eau</translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation>Temp. air</translation>
    </message>
    <message>
        <source>Air used</source>
        <translation>Air consommé</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Breath rate</source>
        <translation>Débit resp.</translation>
    </message>
    <message>
        <source>Max. over-saturation</source>
        <translation>Sursat. max.</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Voyage</translation>
    </message>
</context>
<context>
    <name>scrb::MainWindow</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>P&amp;récédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Logbook</source>
        <translation>&amp;Ouvrir un carnet</translation>
    </message>
    <message>
        <source>&amp;Merge Logbook</source>
        <translation>&amp;Fusionner un carnet</translation>
    </message>
    <message>
        <source>Export Logbook as &amp;UDDF...</source>
        <translation>Exporter le carnet en &amp;UDDF...</translation>
    </message>
    <message>
        <source>&amp;Recent Logbooks</source>
        <translation>Carnets &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Export Dive Report as P&amp;DF...</source>
        <translation>Exporter le rapport en P&amp;DF...</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>Op&amp;tions</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Copy &amp;All Dives to clipboard</source>
        <translation>Copier &amp;toutes les plongées dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy Current Dive &amp;Profile to clipboard</source>
        <translation>Copier le &amp;profil de la plongée dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Go to Dive...</source>
        <translation>&amp;Aller à la plongée...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Pré&amp;férences...</translation>
    </message>
    <message>
        <source>&amp;Logbook</source>
        <translation>&amp;Carnet</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Bathyscribe v%1.%2<byte value="xd"/>
<byte value="xd"/>
Written by the Bathyscribe developers.<byte value="xd"/>
<byte value="xd"/>
Bathyscribe reads the logbooks of the Datatrak PC logging software; the README that comes with it tells more.</source>
        <translation>Bathyscribe v%1.%2<byte value="xd"/>
<byte value="xd"/>
Écrit par les développeurs de Bathyscribe.<byte value="xd"/>
<byte value="xd"/>
Bathyscribe lit les carnets du logiciel Datatrak PC ; le fichier README qui l&apos;accompagne en dit plus.</translation>
    </message>
    <message>
        <source>Dive %1 could not be shown: %2</source>
        <translation>La plongée %1 n&apos;a pas pu être affichée : %2</translation>
    </message>
    <message>
        <source>Dive parameters copied to clipboard</source>
        <translation>Paramètres des plongées copiés dans le presse-papiers</translation>
    </message>
    <message>
        <source>Dive data copied to clipboard</source>
        <translation>Données de la plongée copiées dans le presse-papiers</translation>
    </message>
    <message>
        <source>Datatrak log files (*.log);;All files (*.*)</source>
        <translation>Fichiers carnet Datatrak (*.log);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Merge Logbook</source>
        <translation>Fusionner un carnet</translation>
    </message>
    <message>
        <source>Open Logbook</source>
        <translation>Ouvrir un carnet</translation>
    </message>
    <message>
        <source>Export Dive Report as PDF</source>
        <translation>Exporter le rapport en PDF</translation>
    </message>
    <message>
        <source>There is no dive loaded to put in a report.</source>
        <translation>Aucune plongée chargée à mettre dans un rapport.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printing the dive report...</source>
        <translation>Impression du rapport de plongée...</translation>
    </message>
    <message>
        <source>Dive report sent to the printer: %1.</source>
        <translation>Rapport de plongée envoyé à l&apos;imprimante : %1.</translation>
    </message>
    <message>
        <source>Printing cancelled.</source>
        <translation>Impression annulée.</translation>
    </message>
    <message>
        <source>The dive report could not be printed.</source>
        <translation>Le rapport de plongée n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the dive report...</source>
        <translation>Écriture du rapport de plongée...</translation>
    </message>
    <message>
        <source>Dive report written to %1: %2.</source>
        <translation>Rapport de plongée écrit dans %1 : %2.</translation>
    </message>
    <message>
        <source>Export cancelled; nothing was written.</source>
        <translation>Export annulé ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The dive report could not be written to %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Le rapport de plongée n&apos;a pas pu être écrit dans %1.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Search dives (Ctrl+F)</source>
        <translation>Rechercher des plongées (Ctrl+F)</translation>
    </message>
    <message>
        <source>There are not enough dives loaded to navigate ....</source>
        <translation>Il n&apos;y a pas assez de plongées chargées pour naviguer ....</translation>
    </message>
    <message>
        <source>Export Logbook as UDDF</source>
        <translation>Exporter le carnet en UDDF</translation>
    </message>
    <message>
        <source>UDDF files (*.uddf)</source>
        <translation>Fichiers UDDF (*.uddf)</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>&amp;Dive</source>
        <translation>P&amp;longée</translation>
    </message>
    <message>
        <source>Vertical &amp;Speed</source>
        <translation>&amp;Vitesse verticale</translation>
    </message>
    <message>
        <source>&amp;Air</source>
        <translation>A&amp;ir</translation>
    </message>
    <message>
        <source>Ph&amp;ys Data</source>
        <translation>P&amp;hysiologie</translation>
    </message>
    <message>
        <source>&amp;Tissue Sat</source>
        <translation>Sa&amp;turation</translation>
    </message>
    <message>
        <source>&amp;Raw Data</source>
        <translation>Données &amp;brutes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bathyscribe dive report</source>
        <translation>Rapport de plongée Bathyscribe</translation>
    </message>
    <message>
        <source>Export Logbook to Subsurface</source>
        <translation>Exporter le carnet vers Subsurface</translation>
    </message>
    <message>
        <source>Subsurface files (*.ssrf)</source>
        <translation>Fichiers Subsurface (*.ssrf)</translation>
    </message>
    <message>
        <source>Export Logbook to &amp;Subsurface...</source>
        <translation>Exporter le carnet vers &amp;Subsurface...</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Seulement %1</translation>
    </message>
    <message>
        <source>The table shows only these dives; the search looks among them.</source>
        <translation>Le tableau ne montre que ces plongées ; la recherche se fait parmi elles.</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Show every dive again (Esc)</source>
        <translation>Afficher de nouveau toutes les plongées (Échap)</translation>
    </message>
    <message>
        <source>&amp;Compare Dives...</source>
        <translation>&amp;Comparer des plongées...</translation>
    </message>
    <message>
        <source>Compare the %1 dives chosen in the table</source>
        <translation>Comparer les %1 plongées choisies dans le tableau</translation>
    </message>
    <message>
        <source>Choose two to six dives in the table (Ctrl+click, Shift+click) to compare them</source>
        <translation>Choisissez de deux à six plongées dans le tableau (Ctrl+clic, Maj+clic) pour les comparer</translation>
    </message>
    <message>
        <source>At most six dives can be compared; %1 are chosen in the table</source>
        <translation>On compare au plus six plongées ; %1 sont choisies dans le tableau</translation>
    </message>
</context>
<context>
    <name>scrb::ModelWindow</name>
    <message>
        <source>Only digits and one point or comma can be typed here: the surface pressure in bar.</source>
        <translation>Seuls des chiffres et un point ou une virgule peuvent être saisis ici : la pression en surface en bar.</translation>
    </message>
    <message>
        <source>Decompression Model and Tissues</source>
        <translation>Modèle de décompression et compartiments</translation>
    </message>
    <message>
        <source>Surface Pressure (bar): ................</source>
        <translation>Pression en surface (bar) : ..........</translation>
    </message>
    <message>
        <source>Decompression Model</source>
        <translation>Modèle de décompression</translation>
    </message>
    <message>
        <source>Carry nitrogen over from the dive before</source>
        <translation>Reporter l&apos;azote de la plongée précédente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No dive selected</source>
        <translation>Aucune plongée choisie</translation>
    </message>
</context>
<context>
    <name>scrb::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>&amp;Apparence :</translation>
    </message>
</context>
<context>
    <name>scrb::StatisticsWindow</name>
    <message>
        <source>&amp;Group by:</source>
        <translation>&amp;Grouper par :</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <translation>Grap&amp;hique :</translation>
    </message>
    <message>
        <source>S&amp;ummary</source>
        <translation>&amp;Résumé</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>Gra&amp;phiques</translation>
    </message>
    <message>
        <source>Double-click a group to show just its dives in the dive table</source>
        <translation>Double-cliquez sur un groupe pour n&apos;afficher que ses plongées dans la liste</translation>
    </message>
    <message>
        <source>No dives to sum up.</source>
        <translation>Aucune plongée à résumer.</translation>
    </message>
    <message>
        <source>Summing up...</source>
        <translation>Calcul du résumé...</translation>
    </message>
    <message>
        <source>Working out the analysis of %1 dives...</source>
        <translation>Analyse de %1 plongées en cours...</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>Select this dive</source>
        <translation>Choisir cette plongée</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the statistics (Esc)</source>
        <translation>Fermer les statistiques (Échap)</translation>
    </message>
</context>
<context>
    <name>scrb::TissuePage</name>
    <message>
        <source>&amp;Change Model ...</source>
        <translation>Changer de &amp;modèle ...</translation>
    </message>
    <message>
        <source>Heat &amp;Map</source>
        <translation>Carte th&amp;ermique</translation>
    </message>
    <message>
        <source>Shows the tissues&apos; over-saturation as a heat map in place of their pressures</source>
        <translation>Montre la sursaturation des compartiments en carte thermique à la place de leurs pressions</translation>
    </message>
</context>
<context>
    <name>scrb::UserDialogs</name>
    <message>
        <source>Go to Dive</source>
        <translation>Aller à la plongée</translation>
    </message>
    <message>
        <source>Dive &amp;number:</source>
        <translation>&amp;Numéro de plongée :</translation>
    </message>
    <message>
        <source>The current dive</source>
        <translation>La plongée affichée</translation>
    </message>
    <message>
        <source>All loaded dives (%1, one page each)</source>
        <translation>Toutes les plongées chargées (%1, une page chacune)</translation>
    </message>
    <message>
        <source>A logbook summary page, then the current dive</source>
        <translation>Une page de résumé du carnet, puis la plongée affichée</translation>
    </message>
    <message>
        <source>A logbook summary page, then all loaded dives (%1, one page each)</source>
        <translation>Une page de résumé du carnet, puis toutes les plongées chargées (%1, une page chacune)</translation>
    </message>
    <message>
        <source>Dives to include:</source>
        <translation>Plongées à inclure :</translation>
    </message>
</context>
</TS>
