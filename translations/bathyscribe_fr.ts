<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Charts</name>
    <message>
        <source>Estimated air pressure (bar) versus time (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated breath rate (litres/minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Air Data available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body temperature loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air bubbles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Air Consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Temp Data available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Deco Data available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Air Data Consumption available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive Number: %1  Depth (meters) versus Time (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Dive Data available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth derivative (meters per minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Saturation Data available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Calculating ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrogen Partial Pressure in tissues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% Allowed Nitrogen Over-Saturation coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dives with a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No maximum depths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dive times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No water temperatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dives with a breath rate estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dives with saturation results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Lower than 1000 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 900m and 1950m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1700m and 2900m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 2700m and 4000m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Higher than 4000m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Ascent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Ascent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fresh Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exploration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cave Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wreck Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>River Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drift Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misty - Fog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stormy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No suit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One piece wetsuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two pieces wetsuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-dry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry suit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>Dive Number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface Interval:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air Temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. Temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive Suit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air Tank size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air consumption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Depth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activities:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partners:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>%1 dive exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dives exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logbook cannot be exported to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too short to be a logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its dive count is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside its first entry (byte %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first entry is damaged (byte %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside dive %1 of %2 (byte %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged at dive %1 of %2 (byte %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading stopped after dive %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dives read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logbook file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 holds no readable dive: it is not a logbook, or it is damaged before its first dive (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dive was read and can be viewed. Nothing was written to the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logbook file %1 is damaged: %2.<byte value="xd"/>
<byte value="xd"/>
%3 dives were read and can be viewed. Nothing was written to the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no readable dive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logbook file %1 is loaded already. Merge its dives once more, so that they are listed twice?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Models</name>
    <message>
        <source>Bühlmann ZH-L8 ADT (8 tissues)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFESSM MN90 - French Navy (12 tissues)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvan&apos;s special (15 tissues, slow to calculate)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Month abbreviation</name>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Min:%1 l/min, Max:%2 l/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Time=%2, Depth=%3 m, Tank=%4 bar, Breath=%5 l/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time=%1 Cold=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time=%1 Bubbles=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time=%1 Air=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time=%1 Depth=%2 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Vertical Speed=%1 m/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time=%1, Depth=%2 m, Max=%3 bar, Min=%4 bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max=%1% tissue=%2, Min=%3% tissue=%4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>none loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompression model: %1, surface pressure %2 bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logbook summary – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2%3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no water temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: coldest %2 °C, mean %3 °C (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 l/min (%3 mean %4 l/min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %, tissue %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dives (blue) and hours (orange) per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dives by maximum depth (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dives by dive time (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water temperature by month (°C): coldest (blue) and mean (orange)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base breath rate per dive (l/min) and each year&apos;s mean (orange)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest over-saturation per dive (%) and the 100 % limit (red)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dive %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 dives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (search: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total dive time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deepest dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coldest dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean maximum depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean dive time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean base breath rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 dives)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest over-saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %, tissue %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most frequent sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most frequent partners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive time (h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deepest (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean depth (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coldest (°C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath rate (l/min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over-saturation (%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>No dive has the number %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 dives shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysing dives: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tissues</name>
    <message>
        <source>carried over %1 from dive %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no dive before within the recorded interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not carried over: the dive&apos;s date or time is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing carried over: dive %1 before has no profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tissues, surface pressure %2 bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Oversaturation = %1 % at Time=%2 on tissue %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the surface pressure in bar as a number, such as 1.013 (with a point or a comma before the decimals).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The surface pressure must be above 0.1 bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tissue %1, half time: %2 minutes, Critical over-sat coeff: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tissues:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::DisclaimerDialog</name>
    <message>
        <source>Important notice: There is no guarantee that the calculations made by this program are correct. Users should NOT use this programme to calculate their dives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I &amp;agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I do &amp;not Agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do not display this warning anymore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::DisplayOptionDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String to display in left pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ocation, Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ite, Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::DiveTableModel</name>
    <message>
        <source>Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. over-saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::MainWindow</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Merge Logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Logbook as &amp;UDDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Logbooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Dive Report as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;All Dives to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Current Dive &amp;Profile to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to Dive...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bathyscribe v%1.%2<byte value="xd"/>
<byte value="xd"/>
Written by the Bathyscribe developers.<byte value="xd"/>
<byte value="xd"/>
Bathyscribe reads the logbooks of the Datatrak PC logging software; the README that comes with it tells more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive %1 could not be shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive parameters copied to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive data copied to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datatrak log files (*.log);;All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Dive Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no dive loaded to put in a report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing the dive report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive report sent to the printer: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dive report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the dive report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive report written to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export cancelled; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dive report could not be written to %1.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search dives (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are not enough dives loaded to navigate ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Logbook as UDDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDDF files (*.uddf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical &amp;Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ph&amp;ys Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tissue Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Raw Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::ModelWindow</name>
    <message>
        <source>Only digits and one point or comma can be typed here: the surface pressure in bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompression Model and Tissues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface Pressure (bar): ................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompression Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carry nitrogen over from the dive before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dive selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::StatisticsWindow</name>
    <message>
        <source>&amp;Group by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ummary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a group to show just its dives in the dive table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dives to sum up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summing up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out the analysis of %1 dives...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select this dive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::TissuePage</name>
    <message>
        <source>&amp;Change Model ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scrb::UserDialogs</name>
    <message>
        <source>Go to Dive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dive &amp;number:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
