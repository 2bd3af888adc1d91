<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AmmoniaEditWidget</name>
    <message>
        <source>&quot;</source>
        <comment>Abbreviation for Inches</comment>
        <translation>&quot;</translation>
    </message>
    <message>
        <source> mm</source>
        <comment>Abbreviation for Millimeters</comment>
        <translation> mm</translation>
    </message>
    <message>
        <source>PIPE LEGEND</source>
        <comment>Title of the window that allows users to see and change different pipe marking attributes.</comment>
        <translation>ROHRBESCHRIFTUNG</translation>
    </message>
    <message>
        <source>Pipe Marker</source>
        <comment>Type of ammonia pipe marking.</comment>
        <translation>Rohrkennzeichnung</translation>
    </message>
    <message>
        <source>Component Marker</source>
        <comment>Type of ammonia pipe marking.</comment>
        <translation>Bauteilkennzeichnung</translation>
    </message>
    <message>
        <source>Abbreviations</source>
        <comment>Abbreviations for the pipe marking components.</comment>
        <translation>Abkürzungen</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>Add a new entry for a component or abbreviation.</comment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>Add an entry for a component or abbreviation.</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>Remove an entry for a component or abbreviation.</comment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add Arrows</source>
        <comment>Tooltip of the arrow buttons.</comment>
        <translation>Pfeile hinzufügen</translation>
    </message>
    <message>
        <source>Set Physical State</source>
        <comment>Tooltip of the physical state button.</comment>
        <translation>Aggregatzustand festlegen</translation>
    </message>
    <message>
        <source>Set Pressure Level</source>
        <comment>Tooltip of the pressure level button.</comment>
        <translation>Druckstufe festlegen</translation>
    </message>
    <message>
        <source>TEXT</source>
        <comment>Legend preview between the arrow buttons.</comment>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>LABEL SIZE</source>
        <comment>Title of the label size frame.</comment>
        <translation>ETIKETTGRÖSSE</translation>
    </message>
    <message>
        <source>Units of Measurement</source>
        <comment>Caption of the units combo.</comment>
        <translation>Maßeinheit</translation>
    </message>
    <message>
        <source>Inches</source>
        <comment>Unit of measurement.</comment>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <comment>Unit of measurement.</comment>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Pipe Diameter </source>
        <comment>Caption of the pipe diameter combo.</comment>
        <translation>Rohrdurchmesser </translation>
    </message>
    <message>
        <source>including covering</source>
        <comment>Second line of the pipe diameter.</comment>
        <translation>mit Ummantelung</translation>
    </message>
    <message>
        <source>Label Dimensions</source>
        <comment>Caption of the width and length.</comment>
        <translation>Etikettmaße</translation>
    </message>
    <message>
        <source>Width</source>
        <comment>Caption of the label width field.</comment>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Length</source>
        <comment>Caption of the label length field.</comment>
        <translation>Länge</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <comment>Title of the settings frame.</comment>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Color</source>
        <comment>Caption of the label colour combo.</comment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>Caption of the font family combo.</comment>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>State / Pressure Width</source>
        <comment>Caption of the width of the state and pressure parts.</comment>
        <translation>Zustands- / Druckbreite</translation>
    </message>
    <message>
        <source>Arrow Width</source>
        <comment>Caption of the arrow width field.</comment>
        <translation>Pfeilbreite</translation>
    </message>
    <message>
        <source>Font Height </source>
        <comment>Caption of the text height field.</comment>
        <translation>Schrifthöhe </translation>
    </message>
    <message>
        <source>EDIT ABBREVIATIONS</source>
        <comment>Allows users to change the pipe marking abbreviations text.</comment>
        <translation>ABKÜRZUNGEN BEARBEITEN</translation>
    </message>
    <message>
        <source>ARROWS</source>
        <comment>Title for the arrows selection widget.</comment>
        <translation>PFEILE</translation>
    </message>
    <message>
        <source>Apply to both </source>
        <comment>Refers to the option to apply the same symbol on both sides of the label.</comment>
        <translation>Für beide </translation>
    </message>
    <message>
        <source>Select Tags</source>
        <comment>Title of tab that allows users to select the physical state tags.</comment>
        <translation>Schilder wählen</translation>
    </message>
    <message>
        <source>Print Tags</source>
        <comment>Title of tab that allows users to print the physical state tags.</comment>
        <translation>Schilder drucken</translation>
    </message>
    <message>
        <source>Select Tag to Print</source>
        <comment>Caption of the tag choice.</comment>
        <translation>Schild zum Drucken wählen</translation>
    </message>
    <message>
        <source>Quantity</source>
        <comment>The number of tags to print.</comment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>Button that opens up a window that shows the print preview.</comment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Button that will print the tag.</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>PHYSICAL STATE</source>
        <comment>Title of the physical state selection window.</comment>
        <translation>AGGREGATZUSTAND</translation>
    </message>
    <message>
        <source>Physical State Placeholder:</source>
        <comment>Title for the physical state placeholder selection frame.</comment>
        <translation>Platzhalter für den Aggregatzustand:</translation>
    </message>
    <message>
        <source>Please select one or both</source>
        <comment>Label requesting the user to select the physical state.</comment>
        <translation>Bitte einen oder beide wählen</translation>
    </message>
    <message>
        <source>PRESSURE LEVEL</source>
        <comment>Title of the pressure level selection window.</comment>
        <translation>DRUCKSTUFE</translation>
    </message>
    <message>
        <source>Pressure Level Placeholder: </source>
        <comment>Title for the pressure level placeholder selection frame.</comment>
        <translation>Platzhalter für die Druckstufe: </translation>
    </message>
    <message>
        <source>Please select one</source>
        <comment>Label requesting the user to select the pressure level.</comment>
        <translation>Bitte eine wählen</translation>
    </message>
    <message>
        <source>Under %L2%1</source>
        <comment>The pipe diameter is under a specified value.</comment>
        <translation>Unter %L2%1</translation>
    </message>
    <message>
        <source>%L2%1 - %L3%1</source>
        <translation>%L2%1 - %L3%1</translation>
    </message>
    <message>
        <source>Over %L2%1</source>
        <comment>The pipe diameter is over a specified value.</comment>
        <translation>Über %L2%1</translation>
    </message>
    <message>
        <source>EDIT COMPONENTS</source>
        <comment>Allows users to change the pipe marking components text.</comment>
        <translation>BAUTEILE BEARBEITEN</translation>
    </message>
    <message>
        <source>New Entry</source>
        <comment>Indicates a new entry.</comment>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <comment>Title of confirmation dialog window that asks for user input.</comment>
        <translation>BESTÄTIGUNG</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current item?</source>
        <comment>Prompts the user asking if they want to delete the selected row.</comment>
        <translation>Soll der gewählte Eintrag wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Abbreviations</source>
        <comment>Type of ammonia pipe marking submodule.</comment>
        <translation>Abkürzungen</translation>
    </message>
    <message>
        <source>Components</source>
        <comment>Type of ammonia pipe marking submodule.</comment>
        <translation>Bauteile</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <comment>The width and length of the label.</comment>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>Text Height Too Small To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Texthöhe zu klein zum Drucken</translation>
    </message>
    <message>
        <source>Text Height Smaller Than ANSI Recommendations</source>
        <comment>Editor warning message.</comment>
        <translation>Texthöhe kleiner als ANSI-Empfehlung</translation>
    </message>
    <message>
        <source>Label Length Too Small To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettlänge zu klein zum Drucken</translation>
    </message>
    <message>
        <source>Label Length Smaller Than ANSI Recommendations</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettlänge kleiner als ANSI-Empfehlung</translation>
    </message>
    <message>
        <source>Label Width Smaller Than Available Supply</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettbreite kleiner als das eingelegte Material</translation>
    </message>
    <message>
        <source>Label Width Smaller Than ANSI Recommendations</source>
        <translation>Etikettbreite kleiner als ANSI-Empfehlung</translation>
    </message>
    <message>
        <source>Band Width Too Small To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Bandbreite zu klein zum Drucken</translation>
    </message>
    <message>
        <source>Band Width Smaller than IIAR Recommendations</source>
        <translation>Bandbreite kleiner als IIAR-Empfehlung</translation>
    </message>
    <message>
        <source>Band Width Too Large To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Bandbreite zu groß zum Drucken</translation>
    </message>
    <message>
        <source>Arrow Width Too Small To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeilbreite zu klein zum Drucken</translation>
    </message>
    <message>
        <source>Arrow Width Smaller than IIAR Recommendations</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeilbreite kleiner als IIAR-Empfehlung</translation>
    </message>
    <message>
        <source>Arrow Width Too Large To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeilbreite zu groß zum Drucken</translation>
    </message>
    <message>
        <source>Text Space Too Small, Illegible</source>
        <comment>Editor warning message.</comment>
        <translation>Textraum zu klein, unleserlich</translation>
    </message>
    <message>
        <source>Items Overlap</source>
        <comment>Editor warning message.</comment>
        <translation>Elemente überlappen sich</translation>
    </message>
    <message>
        <source>Abbreviation Not Found - Added To List</source>
        <comment>Editor warning message.</comment>
        <translation>Abkürzung nicht gefunden – zur Liste hinzugefügt</translation>
    </message>
    <message>
        <source>Unable To Load Abbreviation List</source>
        <comment>Editor warning message.</comment>
        <translation>Abkürzungsliste kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Component Not Found - Added To List</source>
        <comment>Editor warning message.</comment>
        <translation>Bauteil nicht gefunden – zur Liste hinzugefügt</translation>
    </message>
    <message>
        <source>Unable To Load Component List</source>
        <comment>Editor warning message.</comment>
        <translation>Bauteilliste kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Other Issues Possibly Printer Related</source>
        <comment>Editor warning message.</comment>
        <translation>Andere Probleme, möglicherweise druckerbedingt</translation>
    </message>
</context>
<context>
    <name>ArrowWrapEditWidget</name>
    <message>
        <source>&quot;</source>
        <comment>Abbreviation for Inches</comment>
        <translation>&quot;</translation>
    </message>
    <message>
        <source> mm</source>
        <comment>Abbreviation for Millimeters</comment>
        <translation> mm</translation>
    </message>
    <message>
        <source>LABEL OPTIONS</source>
        <comment>Different user selectable options for the label.</comment>
        <translation>ETIKETTOPTIONEN</translation>
    </message>
    <message>
        <source>Units of Measurement</source>
        <comment>Title of the combo box that allows the users to select the unit of measurement: millimeters or inches.</comment>
        <translation>Maßeinheit</translation>
    </message>
    <message>
        <source>Inches</source>
        <comment>A unit of measurement option.</comment>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <comment>A unit of measurement option.</comment>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Pipe Diameter </source>
        <comment>UI label for the diameter of the pipe.</comment>
        <translation>Rohrdurchmesser </translation>
    </message>
    <message>
        <source>including covering</source>
        <comment>Second line in the diameter UI label, specifying that the diameter of the pipe includes any plastic covering.</comment>
        <translation>mit Ummantelung</translation>
    </message>
    <message>
        <source>Color</source>
        <comment>The background color of the pipe marking label.</comment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Wrap Width</source>
        <comment>UI label for the wrapping label width.</comment>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Wrap Length</source>
        <comment>UI label for the wrapping label length.</comment>
        <translation>Bandlänge</translation>
    </message>
    <message>
        <source>ARROW OPTIONS</source>
        <comment>UI subtitle for arrow size and count options.</comment>
        <translation>PFEILOPTIONEN</translation>
    </message>
    <message>
        <source>Arrow Length</source>
        <comment>UI label for arrow length.</comment>
        <translation>Pfeillänge</translation>
    </message>
    <message>
        <source>Arrow Count</source>
        <comment>UI label for arrow count on label.</comment>
        <translation>Anzahl Pfeile</translation>
    </message>
    <message>
        <source>Arrow Spacing</source>
        <comment>UI label for the size of the space between arrows.</comment>
        <translation>Pfeilabstand</translation>
    </message>
    <message>
        <source>Calculated Arrow Width</source>
        <comment>UI label for the calculated value of the arrow width.</comment>
        <translation>Berechnete Pfeilbreite</translation>
    </message>
    <message>
        <source>Arrows Too Thin</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeile zu schmal</translation>
    </message>
    <message>
        <source>Arrows Don&apos;t Fit In Label Length</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeile passen nicht in die Etikettlänge</translation>
    </message>
    <message>
        <source>Arrow Spacing Too Large</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeilabstand zu groß</translation>
    </message>
    <message>
        <source>Arrows Too Short To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeile zu kurz zum Drucken</translation>
    </message>
    <message>
        <source>Arrow Length Exceeds Label Width</source>
        <comment>Editor warning message.</comment>
        <translation>Pfeillänge größer als Etikettbreite</translation>
    </message>
    <message>
        <source>Label Length Smaller Than Available Supply</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettlänge kleiner als das eingelegte Material</translation>
    </message>
    <message>
        <source>Label Width Smaller Than Available Supply</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettbreite kleiner als das eingelegte Material</translation>
    </message>
</context>
<context>
    <name>ArrowsMenu</name>
    <message>
        <source>Add Arrow</source>
        <extracomment>Caption painted on an arrow button before an arrow is chosen</extracomment>
        <translation>Pfeil hinzufügen</translation>
    </message>
    <message>
        <source>Arrows Unavailable</source>
        <extracomment>Title of the message shown when the arrow symbols cannot be loaded.</extracomment>
        <translation>Pfeile nicht verfügbar</translation>
    </message>
    <message>
        <source>The arrow symbols could not be loaded from %1.
Labels are shown without their arrows, and no arrow can be chosen.</source>
        <extracomment>%1 is the path of the symbol database file.</extracomment>
        <translation>Die Pfeilsymbole konnten nicht aus %1 geladen werden.
Etiketten werden ohne ihre Pfeile angezeigt, und es kann kein Pfeil gewählt werden.</translation>
    </message>
</context>
<context>
    <name>ComponentItemChange</name>
    <message>
        <source>Abbreviation</source>
        <comment>The label for the abbreviation of a pipe marking fluid.</comment>
        <translation>Abkürzung</translation>
    </message>
    <message>
        <source>Text</source>
        <comment>The label for the text / explanation of the abbreviation.</comment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Component</source>
        <comment>The label for the component specified on the pipe marking label.</comment>
        <translation>Bauteil</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>Save Error</source>
        <extracomment>Title of the message shown when a label could not be written.</extracomment>
        <translation>Speicherfehler</translation>
    </message>
    <message>
        <source>The label could not be saved as %1.
%2</source>
        <extracomment>%1 is the file path, %2 the reason given by the system.</extracomment>
        <translation>Das Etikett konnte nicht als %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Save Label As</source>
        <extracomment>Title of the dialog that saves a label in the generic label format.</extracomment>
        <translation>Etikett speichern unter</translation>
    </message>
    <message>
        <source>Generic Label File</source>
        <extracomment>Name of the generic label file type in the file dialog.</extracomment>
        <translation>Allgemeine Etikettendatei</translation>
    </message>
    <message>
        <source>A folder of that name exists.</source>
        <translation>Es gibt bereits einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <extracomment>Asked before a file is replaced; %1 is the file name.</extracomment>
        <translation>Die Datei %1 existiert bereits. Möchten Sie sie ersetzen?</translation>
    </message>
</context>
<context>
    <name>MvHelpWindow</name>
    <message>
        <source>Help</source>
        <comment>Title of the help window.</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Tool tip of the button that closes the help window.</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <comment>Title of the list of questions in the help window.</comment>
        <translation>Häufige Fragen</translation>
    </message>
    <message>
        <source>Manuals</source>
        <comment>Title of the list of manuals in the help window.</comment>
        <translation>Handbücher</translation>
    </message>
    <message>
        <source>No manuals available.</source>
        <comment>Shown in the help window when no manual is installed.</comment>
        <translation>Keine Handbücher vorhanden.</translation>
    </message>
    <message>
        <source>The manual could not be opened:
%1</source>
        <comment>Shown when the system has no viewer for a manual.</comment>
        <translation>Das Handbuch konnte nicht geöffnet werden:
%1</translation>
    </message>
</context>
<context>
    <name>MvInfoWidget</name>
    <message>
        <source>Information</source>
        <comment>Title of the information box.</comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>Closes the information box.</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <comment>Version line of the information box.</comment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Close</source>
        <comment>Tool tip of the button that closes the application.</comment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PipeFileController</name>
    <message>
        <source>Open Error</source>
        <extracomment>Title of the message shown when a label file is damaged.</extracomment>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>The label file could not be opened because it is damaged or incomplete:
</source>
        <extracomment>Followed by the path of the label file that was refused.</extracomment>
        <translation>Die Etikettendatei konnte nicht geöffnet werden, weil sie beschädigt oder unvollständig ist:
</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <extracomment>Title of confirmation dialog window that asks for user input.</extracomment>
        <translation>BESTÄTIGUNG</translation>
    </message>
    <message>
        <source>The current layout has been modified. 
Do you want to save your changes?</source>
        <extracomment>Message box asking if the user wants to save the current file.</extracomment>
        <translation>Das aktuelle Layout wurde geändert. 
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>FILE SAVE ERROR</source>
        <extracomment>Title of file saving error message.</extracomment>
        <translation>FEHLER BEIM SPEICHERN</translation>
    </message>
    <message>
        <source>File saving canceled. Reverting to the current layout.</source>
        <extracomment>Text of file saving error message.</extracomment>
        <translation>Speichern abgebrochen. Das aktuelle Layout bleibt erhalten.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <extracomment>Error message: writing file failed.</extracomment>
        <translation>Speicherfehler</translation>
    </message>
    <message>
        <source>Unable to Save Filename with Special Characters.
Please Try Again.
</source>
        <extracomment>Attempting to save a file.</extracomment>
        <translation>Dateinamen mit Sonderzeichen können nicht gespeichert werden.
Bitte erneut versuchen.
</translation>
    </message>
    <message>
        <source>The label could not be written.</source>
        <extracomment>Why a label was not saved.</extracomment>
        <translation>Das Etikett konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The label could not be saved as %1.
%2</source>
        <extracomment>%1 is the file path, %2 the reason given by the system.</extracomment>
        <translation>Das Etikett konnte nicht als %1 gespeichert werden.
%2</translation>
    </message>
</context>
<context>
    <name>PrintManager</name>
    <message>
        <source>Print</source>
        <extracomment>Button of the print preview that prints what it shows.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button of the print preview that closes it.</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PrintMessageHelper</name>
    <message>
        <source>The printer cannot be found.</source>
        <comment>The chosen printer is not known to the print server.</comment>
        <translation>Der Drucker wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>There is nothing to print.</source>
        <comment>No label is open, or the label has no size.</comment>
        <translation>Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>Enter a quantity of at least 1. Nothing was printed.</source>
        <comment>The number of copies is empty or zero.</comment>
        <translation>Geben Sie eine Anzahl von mindestens 1 ein. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer is offline or stopped.</source>
        <comment>The printer does not accept jobs.</comment>
        <translation>Der Drucker ist offline oder angehalten.</translation>
    </message>
    <message>
        <source>The label is larger than the printer can print.</source>
        <comment>The label is longer or wider than a page may be.</comment>
        <translation>Das Etikett ist größer, als der Drucker drucken kann.</translation>
    </message>
    <message>
        <source>The label is wider than the supply loaded in the printer.</source>
        <comment>Another printer or supply may be chosen in the print panel.</comment>
        <translation>Das Etikett ist breiter als das eingelegte Material.</translation>
    </message>
    <message>
        <source>The printer refused the label.</source>
        <comment>The print server did not take the job.</comment>
        <translation>Der Drucker hat das Etikett abgelehnt.</translation>
    </message>
    <message>
        <source>The print file could not be written.</source>
        <comment>The PDF file of a print could not be saved.</comment>
        <translation>Die Druckdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The printer&apos;s lid is open. Close it and print again.</source>
        <comment>The printer reports its cover open.</comment>
        <translation>Die Klappe des Druckers ist offen. Schließen Sie sie und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>Printing was canceled.</source>
        <comment>Waiting labels were removed from the printer&apos;s queue.</comment>
        <translation>Der Druck wurde abgebrochen.</translation>
    </message>
    <message>
        <source>A colour of the label is not loaded in the printer; it prints in another colour.</source>
        <comment>The ribbons loaded do not hold one of the label&apos;s colours.</comment>
        <translation>Eine Farbe des Etiketts ist nicht im Drucker eingelegt; sie wird in einer anderen Farbe gedruckt.</translation>
    </message>
    <message>
        <source>The label could not be drawn.</source>
        <comment>Drawing the label for the printer failed.</comment>
        <translation>Das Etikett konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Title of the message box of a print error.</extracomment>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Printer</source>
        <extracomment>Caption of the printer choice in the print panel.</extracomment>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Copies</source>
        <extracomment>Caption of the number of copies in the print panel.</extracomment>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Print What</source>
        <extracomment>Caption of the choice between the label and its loose tags.</extracomment>
        <translation>Was drucken</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>The label itself, in the print panel&apos;s choice between label and tags.</extracomment>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>HIGH Pressure Tag</source>
        <extracomment>A loose HIGH pressure tag, in the print panel.</extracomment>
        <translation>Schild Hochdruck (HIGH)</translation>
    </message>
    <message>
        <source>LOW Pressure Tag</source>
        <extracomment>A loose LOW pressure tag, in the print panel.</extracomment>
        <translation>Schild Niederdruck (LOW)</translation>
    </message>
    <message>
        <source>VAP State Tag</source>
        <extracomment>A loose VAP state tag, in the print panel.</extracomment>
        <translation>Schild dampfförmig (VAP)</translation>
    </message>
    <message>
        <source>LIQ State Tag</source>
        <extracomment>A loose LIQ state tag, in the print panel.</extracomment>
        <translation>Schild flüssig (LIQ)</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Button of the print panel that shows how the label will print.</extracomment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button of the print panel that prints the label.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source> (offline)</source>
        <extracomment>Added to the name of a printer that does not take jobs now.</extracomment>
        <translation> (offline)</translation>
    </message>
    <message>
        <source>PDF File</source>
        <extracomment>The printer choice when prints are saved as PDF files.</extracomment>
        <translation>PDF-Datei</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> Pipe Marking File</source>
        <comment>Specifies the file format.</comment>
        <translation> Rohrkennzeichnungsdatei</translation>
    </message>
    <message>
        <source> Ammonia Pipe Marking File</source>
        <comment>Specifies the file format.</comment>
        <translation> Ammoniak-Rohrkennzeichnungsdatei</translation>
    </message>
    <message>
        <source> Arrow Wrap File</source>
        <comment>Specifies the file format.</comment>
        <translation> Pfeilbanddatei</translation>
    </message>
    <message>
        <source>Save </source>
        <extracomment>Title of file save dialog window</extracomment>
        <translation>Speichern: </translation>
    </message>
    <message>
        <source>Open </source>
        <extracomment>Title of file open dialog window</extracomment>
        <translation>Öffnen: </translation>
    </message>
    <message>
        <source>WHITE</source>
        <comment>Color name shown to user.</comment>
        <translation>WEISS</translation>
    </message>
    <message>
        <source>BLACK</source>
        <comment>Color name shown to user.</comment>
        <translation>SCHWARZ</translation>
    </message>
    <message>
        <source>RED</source>
        <comment>Color name shown to user.</comment>
        <translation>ROT</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <comment>Color name shown to user.</comment>
        <translation>ORANGE</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <comment>Color name shown to user.</comment>
        <translation>GELB</translation>
    </message>
    <message>
        <source>GREEN</source>
        <comment>Color name shown to user.</comment>
        <translation>GRÜN</translation>
    </message>
    <message>
        <source>BLUE</source>
        <comment>Color name shown to user.</comment>
        <translation>BLAU</translation>
    </message>
    <message>
        <source>SKY BLUE</source>
        <comment>Color name shown to user.</comment>
        <translation>HIMMELBLAU</translation>
    </message>
    <message>
        <source>PURPLE</source>
        <comment>Color name shown to user.</comment>
        <translation>VIOLETT</translation>
    </message>
    <message>
        <source>BROWN</source>
        <comment>Color name shown to user.</comment>
        <translation>BRAUN</translation>
    </message>
    <message>
        <source>GRAY</source>
        <comment>Color name shown to user.</comment>
        <translation>GRAU</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <comment>Color name shown to user.</comment>
        <translation>TRANSPARENT</translation>
    </message>
    <message>
        <source>Pipe Marking Wizard</source>
        <comment>The title for the pipe marking creation wizard.</comment>
        <translation>Assistent Rohrkennzeichnung</translation>
    </message>
    <message>
        <source>Untitled Label</source>
        <extracomment>Default name for a new label.</extracomment>
        <translation>Unbenanntes Etikett</translation>
    </message>
</context>
<context>
    <name>VendrelEditWidget</name>
    <message>
        <source>Library</source>
        <comment>Opens the list of common legends.</comment>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>LEGEND LIBRARY</source>
        <comment>Title of the list of common legends.</comment>
        <translation>LEGENDENBIBLIOTHEK</translation>
    </message>
    <message>
        <source>Add Legend</source>
        <comment>Adds the label&apos;s legend to the library.</comment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>Removes the marked legend from the library.</comment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Closes the legend library.</comment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>No category</source>
        <extracomment>Shown beside the colour list for colours of no fluid category.</extracomment>
        <translation>Keine Kategorie</translation>
    </message>
    <message>
        <source>PIPE LEGEND</source>
        <comment>Title of the legend frame.</comment>
        <translation>ROHRBESCHRIFTUNG</translation>
    </message>
    <message>
        <source>Left arrow</source>
        <comment>Tooltip of the left arrow button.</comment>
        <translation>Linker Pfeil</translation>
    </message>
    <message>
        <source>Right arrow</source>
        <comment>Tooltip of the right arrow button.</comment>
        <translation>Rechter Pfeil</translation>
    </message>
    <message>
        <source>TEXT</source>
        <comment>Legend preview between the arrow buttons.</comment>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>Apply to both</source>
        <comment>Use one arrow on both sides.</comment>
        <translation>Für beide</translation>
    </message>
    <message>
        <source>Text</source>
        <comment>Caption of the legend text field.</comment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Height</source>
        <comment>Caption of the text height field.</comment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>Caption of the font family combo.</comment>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Orientation</source>
        <comment>Caption of the orientation buttons.</comment>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Wrapping</source>
        <comment>Caption of the wrap options.</comment>
        <translation>Umwicklung</translation>
    </message>
    <message>
        <source>Auto Resize</source>
        <comment>Caption of the resize option combo.</comment>
        <translation>Automatische Größe</translation>
    </message>
    <message>
        <source>Landscape</source>
        <comment>Orientation along the pipe.</comment>
        <translation>Quer</translation>
    </message>
    <message>
        <source>Portrait</source>
        <comment>Orientation across the pipe.</comment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Pipe Wrap</source>
        <comment>Wrap the label around the pipe.</comment>
        <translation>Umwickeln</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>Turned legend line on top of the wrap.</comment>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Fit label to text</source>
        <comment>Resize option.</comment>
        <translation>Etikett folgt Text</translation>
    </message>
    <message>
        <source>Fit text to label</source>
        <comment>Resize option.</comment>
        <translation>Text folgt Etikett</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Resize option.</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>LABEL SIZE</source>
        <comment>Title of the label size frame.</comment>
        <translation>ETIKETTGRÖSSE</translation>
    </message>
    <message>
        <source>Units of Measurement</source>
        <comment>Caption of the units combo.</comment>
        <translation>Maßeinheit</translation>
    </message>
    <message>
        <source>Inches</source>
        <comment>Unit of measurement.</comment>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <comment>Unit of measurement.</comment>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Label Dimensions</source>
        <comment>Caption of the width and length.</comment>
        <translation>Etikettmaße</translation>
    </message>
    <message>
        <source>Width</source>
        <comment>Caption of the label width field.</comment>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Length</source>
        <comment>Caption of the label length field.</comment>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Pipe Diameter </source>
        <comment>Caption of the pipe diameter combo.</comment>
        <translation>Rohrdurchmesser </translation>
    </message>
    <message>
        <source>including covering</source>
        <comment>Second line of the pipe diameter.</comment>
        <translation>mit Ummantelung</translation>
    </message>
    <message>
        <source>FORMATTING</source>
        <comment>Title of the formatting frame.</comment>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Color</source>
        <comment>Caption of the label colour combo.</comment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>ARROWS</source>
        <comment>Title of the arrow selection frame.</comment>
        <translation>PFEILE</translation>
    </message>
    <message>
        <source>Apply to both </source>
        <comment>Use one arrow on both sides.</comment>
        <translation>Für beide </translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Closes the arrow selection.</comment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Custom size</source>
        <comment>Pipe diameter row without a recommended size.</comment>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>%L2%1 - %L3%1</source>
        <comment>Pipe diameter range: low and high bound.</comment>
        <translation>%L2%1 - %L3%1</translation>
    </message>
    <message>
        <source>Over %L2%1</source>
        <comment>Pipe diameter above the last bound.</comment>
        <translation>Über %L2%1</translation>
    </message>
    <message>
        <source>&quot;</source>
        <comment>Abbreviation for Inches</comment>
        <translation>&quot;</translation>
    </message>
    <message>
        <source> mm</source>
        <comment>Abbreviation for Millimeters</comment>
        <translation> mm</translation>
    </message>
    <message>
        <source>Text Height Too Small To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Texthöhe zu klein zum Drucken</translation>
    </message>
    <message>
        <source>Text Height Smaller Than ANSI Recommendations</source>
        <comment>Editor warning message.</comment>
        <translation>Texthöhe kleiner als ANSI-Empfehlung</translation>
    </message>
    <message>
        <source>Text Exceeds Canvas Length</source>
        <comment>Editor warning message.</comment>
        <translation>Text länger als das Etikett</translation>
    </message>
    <message>
        <source>Text And Arrows Overlap</source>
        <comment>Editor warning message.</comment>
        <translation>Text und Pfeile überlappen</translation>
    </message>
    <message>
        <source>Text Space Too Small To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Platz für den Text zu klein zum Drucken</translation>
    </message>
    <message>
        <source>Label Length Too Small To Print</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettlänge zu klein zum Drucken</translation>
    </message>
    <message>
        <source>Label Length Smaller Than ANSI Recommendations</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettlänge kleiner als ANSI-Empfehlung</translation>
    </message>
    <message>
        <source>Label Width Smaller Than Available Supply</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettbreite kleiner als das eingelegte Material</translation>
    </message>
    <message>
        <source>Label Width Smaller Than ANSI Recommendations</source>
        <comment>Editor warning message.</comment>
        <translation>Etikettbreite kleiner als ANSI-Empfehlung</translation>
    </message>
    <message>
        <source>Other Issues Possibly Printer Related</source>
        <comment>Editor warning message.</comment>
        <translation>Andere Probleme, möglicherweise druckerbedingt</translation>
    </message>
</context>
<context>
    <name>VendrelMainWindow</name>
    <message>
        <source>Undo</source>
        <extracomment>Tooltip of the button that takes back the last change of the label (Ctrl+Z).</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Tooltip of the button that makes an undone change again (Ctrl+Y).</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Pipe Marking</source>
        <extracomment>The application for making generic pipe marking labels.</extracomment>
        <translation>Rohrkennzeichnung</translation>
    </message>
    <message>
        <source>WARNING: </source>
        <extracomment>A warning message about possible issues with the label.</extracomment>
        <translation>WARNUNG: </translation>
    </message>
    <message>
        <source>Pipe Modules</source>
        <extracomment>Label in front of the pipe marking modules selector.</extracomment>
        <translation>Rohrmodule</translation>
    </message>
    <message>
        <source>Ammonia Pipe Marking</source>
        <extracomment>The application for making ammonia pipe marking labels.</extracomment>
        <translation>Ammoniak-Rohrkennzeichnung</translation>
    </message>
    <message>
        <source>Arrow Wrap</source>
        <extracomment>The application for making labels containing arrows that wrap around the pipe.</extracomment>
        <translation>Pfeilband</translation>
    </message>
    <message>
        <source>New Label</source>
        <extracomment>Button to create a new label.</extracomment>
        <translation>Neues Etikett</translation>
    </message>
    <message>
        <source>Load Label</source>
        <extracomment>Button to load a label.</extracomment>
        <translation>Etikett laden</translation>
    </message>
    <message>
        <source>Save Label</source>
        <extracomment>Button to save the current label.</extracomment>
        <translation>Etikett speichern</translation>
    </message>
    <message>
        <source>Save Label As</source>
        <extracomment>Button to save the current label as a new label.</extracomment>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Saves the current file in a different file format.</extracomment>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Displays frequently asked questions about the current program.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>Displays information about the current program.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Untitled Label</source>
        <extracomment>Default name for a new label.</extracomment>
        <translation>Unbenanntes Etikett</translation>
    </message>
</context>
<context>
    <name>WizardPipePageArrows</name>
    <message>
        <source>Arrows</source>
        <comment>Title for the arrows selection page.</comment>
        <translation>Pfeile</translation>
    </message>
    <message>
        <source>Select Arrows</source>
        <comment>Label for the arrows selection page.</comment>
        <translation>Pfeile wählen</translation>
    </message>
</context>
<context>
    <name>WizardPipePageOrientation</name>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Select Orientation, Wrap</source>
        <translation>Ausrichtung und Umwicklung wählen</translation>
    </message>
</context>
<context>
    <name>WizardPipePagePipeSizes</name>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>Set label w, h, font size, style</source>
        <translation>Breite, Höhe, Schriftgröße und Stil festlegen</translation>
    </message>
</context>
<context>
    <name>WizardPipePagePrintSave</name>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>print / save ?</source>
        <translation>Drucken oder speichern?</translation>
    </message>
</context>
<context>
    <name>WizardPipePageTextContents</name>
    <message>
        <source>Text Contents</source>
        <translation>Textinhalt</translation>
    </message>
    <message>
        <source>Enter the text</source>
        <translation>Text eingeben</translation>
    </message>
</context>
<context>
    <name>FluidCategories</name>
    <message>
        <source>Fire Quenching</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Feuerlöschmittel</translation>
    </message>
    <message>
        <source>Toxic and Corrosive</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Giftig und ätzend</translation>
    </message>
    <message>
        <source>Flammable</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Entzündlich</translation>
    </message>
    <message>
        <source>Combustible</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Brennbar</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Compressed Air</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Druckluft</translation>
    </message>
    <message>
        <source>User Defined 1</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>User Defined 2</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Benutzerdefiniert 2</translation>
    </message>
    <message>
        <source>User Defined 3</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Benutzerdefiniert 3</translation>
    </message>
    <message>
        <source>User Defined 4</source>
        <comment>Fluid category of a pipe.</comment>
        <translation>Benutzerdefiniert 4</translation>
    </message>
</context>
</TS>
