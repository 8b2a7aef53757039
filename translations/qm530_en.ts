<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range,please input again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::MessageBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::app::CAboutDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::app::CBackupsDlg</name>
    <message>
        <source>Open Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No radio has been read yet: there are no backups in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backups of the radios read, newest first, in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::app::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
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
    <name>qm530::app::CMainFrame</name>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the channels of a CSV channel list into the active document
Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the channels of the active document as a CSV channel list
Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the active document with a file or with the radio
Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the channel window of the active document
Channel Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the radio type and the frequency band
Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the optional features of the radio
Optional Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side &amp;Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign the functions of the side keys
Side Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Data To Radio
Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the scan information
Scan Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Control Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the navigation bar
Control Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the serial port of the cable
Com Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Program...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display help for the current task or command
Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selected channels or cells to the clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected channels or cells to the clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste tab-separated cells at the current cell
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the selected channels
Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels up one place
Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels down one place
Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an empty channel; the later channels shift down
Insert Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the current channel; the later channels shift up
Remove Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transfer Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a trace of every Read and Write into your data folder
Transfer Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be stored:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using qm530 with a &amp;Screen Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keys and what a screen reader reads where
Screen Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange the document windows so they overlap
Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange the document windows as tiles that do not overlap
Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Information</source>
        <comment>undo step</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Features</source>
        <comment>undo step</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side Key</source>
        <comment>undo step</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the file
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring this document window to the front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <comment>the About item with its letter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say the whole current channel in one phrase
Read Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
holds %2 bytes, more than a radio image (1024 bytes): only its first 1024 bytes are shown. Save does not write over it; use Save As to save the channels to a new .dat file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the backup of a radio read as a new document
Open Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back Up Before Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the radio and keep a backup of its memory before every Write
Back Up Before Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is taken off the list of recent files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::app::CNavigationBar</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::app::CPrintSetupDlg</name>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no printer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed. Print and Print Preview keep working with the PDF file printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
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
    <message>
        <source>Pr&amp;inter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::app::ProgramApp</name>
    <message>
        <source>Your settings file could not be read as settings. It was set aside as
%1
and the program&apos;s own settings are used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::editor::CChannelGrid</name>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::editor::CCompareDlg</name>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Document compared with %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configurations are the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Document (before the arrow) compared with %1 (after it):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::editor::CCompareSourceDlg</name>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the document with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &amp;file (.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &amp;radio (read it first)</source>
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
    <name>qm530::editor::CImportPreviewDlg</name>
    <message>
        <source>Import Channel List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;location (row Location n goes to channel n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Renumbered in file order from channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear the channels the file does not name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What changes</source>
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
    <message>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cleared (no row names it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new, %2 changed, %3 unchanged, %4 cleared, %5 refused, %6 skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows refused: %1. They will be left out; OK imports the others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, channel %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of the channel list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::editor::CProgramView</name>
    <message>
        <source>Read Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read from radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the file
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of channel %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some cells were not pasted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells lie outside the grid and were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insert channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a channel list; nothing was imported.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export to the file
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read complete: %1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write complete: %1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio for the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To write without a backup, turn off Setup &gt; Back Up Before Writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a transfer&apos;s result, then more</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::editor::ChannelSpeech</name>
    <message>
        <source>Channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy lock on carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy lock on QT/DQT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, channel %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::link::CComSetupDlg</name>
    <message>
        <source>COM Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
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
    <message>
        <source>Device &amp;%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set by the environment variable %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not among the serial devices found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you may not open it: join group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port choice could not be stored:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual radio (no cable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the virtual radio inside the program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::link::CProcessDlg</name>
    <message>
        <source>Process</source>
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
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::link::GuiTransferHost</name>
    <message>
        <source>A trace of this transfer is in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::settings::COptionalFeaturesDlg</name>
    <message>
        <source>Squelch Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Saver</source>
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
    <name>qm530::settings::CPasswordDlg</name>
    <message>
        <source>Password</source>
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
    <message>
        <source>Password Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qm530::settings::CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
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
    <name>qm530::settings::CScanInfoDlg</name>
    <message>
        <source>Scan Infomation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
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
    <name>qm530::settings::CSideKeyDlg</name>
    <message>
        <source>Side Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side Key 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side Key 2</source>
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
    <name>qm530::ui::HelpSystem</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
