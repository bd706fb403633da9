<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
