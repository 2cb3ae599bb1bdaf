<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tallyfox</source>
        <translation>Über Tallyfox</translation>
    </message>
    <message>
        <source>Tallyfox</source>
        <translation>Tallyfox</translation>
    </message>
    <message>
        <source>Tallyfox Version %1</source>
        <translation>Tallyfox Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ChecksumListModel</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Erwartet: %1</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>Gefunden: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Fehlerhaft</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Ungeprüft</translation>
    </message>
    <message>
        <source>Not Found.</source>
        <translation>Fehlt.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
</context>
<context>
    <name>ChecksumListView</name>
    <message>
        <source>Show &amp;checksums (expected and found)</source>
        <translation>&amp;Prüfsummen zeigen (erwartet und gefunden)</translation>
    </message>
    <message>
        <source>Sort by &amp;state (problems first)</source>
        <translation>Nach &amp;Zustand sortieren (Probleme zuerst)</translation>
    </message>
    <message>
        <source>&amp;List order</source>
        <translation>&amp;Reihenfolge der Liste</translation>
    </message>
</context>
<context>
    <name>ChecksumRowMenu</name>
    <message>
        <source>Copy &amp;name</source>
        <translation>&amp;Namen kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;expected checksum</source>
        <translation>&amp;Erwartete Prüfsumme kopieren</translation>
    </message>
    <message>
        <source>Copy full &amp;path</source>
        <translation>Vollständigen &amp;Pfad kopieren</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>Enthaltenden &amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Verify selected again</source>
        <translation>Auswahl erneut p&amp;rüfen</translation>
    </message>
    <message>
        <source>Files not in any list</source>
        <translation>Dateien in keiner Liste</translation>
    </message>
</context>
<context>
    <name>ColourPicker</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>Weitere Farben...</translation>
    </message>
</context>
<context>
    <name>DesktopAssociations</name>
    <message>
        <source>Register update failed.</source>
        <translation>Die Registrierung konnte nicht aktualisiert werden.</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>FileListView</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>FolderBrowser</name>
    <message>
        <source>Tallyfox</source>
        <translation>Tallyfox</translation>
    </message>
    <message>
        <source>Open [%1] failed.
%2</source>
        <translation>Öffnen von [%1] fehlgeschlagen.
%2</translation>
    </message>
    <message>
        <source>Folder not found</source>
        <translation>Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Terminal Here</source>
        <translation>Terminal hier öffnen</translation>
    </message>
    <message>
        <source>Copy Location</source>
        <translation>Ort kopieren</translation>
    </message>
    <message>
        <source>Generate List of Folder...</source>
        <translation>Liste des Ordners erstellen...</translation>
    </message>
</context>
<context>
    <name>FolderTreePane</name>
    <message>
        <source>&amp;GO </source>
        <translation>&amp;Los </translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>Go to the folder typed in the path box (Ctrl+L)</source>
        <translation>Zum Ordner im Pfadfeld wechseln (Strg+L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
</context>
<context>
    <name>FolderTreeView</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>FontColourDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Co&amp;lour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>User aborted.</source>
        <translation>Vom Benutzer abgebrochen.</translation>
    </message>
</context>
<context>
    <name>ListCreator</name>
    <message>
        <source>No Files Selected.</source>
        <translation>Keine Dateien ausgewählt.</translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Only problems (bad and missing)</source>
        <translation>Nur Probleme (fehlerhaft und fehlend)</translation>
    </message>
    <message>
        <source>Names containing</source>
        <translation>Namen mit</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Part of a file name</source>
        <translation>Teil eines Dateinamens</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Namensfilter</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>Open </source>
        <translation>Öffnen </translation>
    </message>
    <message>
        <source>Create .SFV/.MD5 File</source>
        <translation>.SFV/.MD5-Datei erstellen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Start/Pause</source>
        <translation>Start/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Generate With &amp;SFV</source>
        <translation>Mit &amp;SFV erstellen</translation>
    </message>
    <message>
        <source>Generate With &amp;MD5</source>
        <translation>Mit &amp;MD5 erstellen</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Generate With SHA-&amp;1</source>
        <translation>Mit SHA-&amp;1 erstellen</translation>
    </message>
    <message>
        <source>Generate With SHA-&amp;256</source>
        <translation>Mit SHA-&amp;256 erstellen</translation>
    </message>
    <message>
        <source>Generate With SHA-&amp;512</source>
        <translation>Mit SHA-&amp;512 erstellen</translation>
    </message>
    <message>
        <source>Generate With &amp;BLAKE2b</source>
        <translation>Mit &amp;BLAKE2b erstellen</translation>
    </message>
    <message>
        <source>Generate With BLAKE&amp;3</source>
        <translation>Mit BLAKE&amp;3 erstellen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>OK: %d</source>
        <translation>OK: %d</translation>
    </message>
    <message>
        <source>Bad: %d</source>
        <translation>Fehlerhaft: %d</translation>
    </message>
    <message>
        <source>Missing: %d</source>
        <translation>Fehlend: %d</translation>
    </message>
    <message>
        <source>Unchecked: %d</source>
        <translation>Ungeprüft: %d</translation>
    </message>
    <message>
        <source>Open [%s] failed.</source>
        <translation>Öffnen von [%s] fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Unknow file type: [%s].</source>
        <translation>Unbekannter Dateityp: [%s].</translation>
    </message>
    <message>
        <source>Tallyfox %1</source>
        <translation>Tallyfox %1</translation>
    </message>
    <message>
        <source>Create [%s] failed.</source>
        <translation>Erstellen von [%s] fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>ModalDialogs</name>
    <message>
        <source>Tallyfox</source>
        <translation>Tallyfox</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>SFV(*.sfv); MD5(*.md5) (*.sfv *.md5);;Simple File Verification(*.sfv);;MD5 (*.md5);;SHA-1, SHA-256, SHA-512 (*.sha1 *.sha256 *.sha512 *SUMS);;BLAKE2b, BLAKE3 (*.b2 *.b3 *SUMS);;All files (*)</source>
        <translation>SFV(*.sfv); MD5(*.md5) (*.sfv *.md5);;Simple File Verification(*.sfv);;MD5 (*.md5);;SHA-1, SHA-256, SHA-512 (*.sha1 *.sha256 *.sha512 *SUMS);;BLAKE2b, BLAKE3 (*.b2 *.b3 *SUMS);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Folder of Lists</source>
        <translation>Ordner mit Listen öffnen</translation>
    </message>
    <message>
        <source>One list in each &amp;folder (named after its folder)</source>
        <translation>Eine Liste in jedem &amp;Ordner (nach ihm benannt)</translation>
    </message>
    <message>
        <source>Include &amp;hidden files</source>
        <translation>&amp;Versteckte Dateien einschließen</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>-= [ Progress ] =-</source>
        <translation>-= [ Fortschritt ] =-</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Run state</source>
        <translation>Laufzustand</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>Progress figures</source>
        <translation>Fortschrittsangaben</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>%1% · %2 of %3</source>
        <translation>%1% · %2 von %3</translation>
    </message>
    <message>
        <source>-- MB/s</source>
        <translation>-- MB/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>-- left</source>
        <translation>noch --</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation>%1 · %2 · %3</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Farbe auswählen</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Open &amp;Folder of Lists...</source>
        <translation>&amp;Ordner mit Listen öffnen...</translation>
    </message>
</context>
<context>
    <name>RemarkDialog</name>
    <message>
        <source>Generate SFV Remark...</source>
        <translation>SFV-Kommentar wird erstellt...</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Text report (*.txt)</source>
        <translation>Textbericht (*.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>RunPresenter</name>
    <message>
        <source>No program to open folders was found.</source>
        <translation>Es wurde kein Programm zum Öffnen von Ordnern gefunden.</translation>
    </message>
    <message>
        <source>Checksum list</source>
        <translation>Prüfsummenliste</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Bericht speichern...</translation>
    </message>
    <message>
        <source>Right-click or press Ctrl+S to save a report of these results</source>
        <translation>Rechtsklick oder Strg+S speichert einen Bericht dieser Ergebnisse</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Tallyfox - Settings</source>
        <translation>Tallyfox - Einstellungen</translation>
    </message>
    <message>
        <source>&amp;SFV</source>
        <translation>&amp;SFV</translation>
    </message>
    <message>
        <source>&amp;MD5</source>
        <translation>&amp;MD5</translation>
    </message>
    <message>
        <source>-= [ Shell Integration ] =-</source>
        <translation>-= [ Desktop-Integration ] =-</translation>
    </message>
    <message>
        <source>Full ro&amp;w select</source>
        <translation>Ganze &amp;Zeile auswählen</translation>
    </message>
    <message>
        <source>Au&amp;to Scroll</source>
        <translation>Automatisch sc&amp;rollen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Schrif&amp;t</translation>
    </message>
    <message>
        <source>Dis&amp;play File Size As</source>
        <translation>Datei&amp;größe anzeigen als</translation>
    </message>
    <message>
        <source>Col1</source>
        <translation>Farbe 1</translation>
    </message>
    <message>
        <source>First row colour</source>
        <translation>Farbe der ersten Zeile</translation>
    </message>
    <message>
        <source>Col2</source>
        <translation>Farbe 2</translation>
    </message>
    <message>
        <source>Second row colour</source>
        <translation>Farbe der zweiten Zeile</translation>
    </message>
    <message>
        <source>-= [ ListView ] =-</source>
        <translation>-= [ Listenansicht ] =-</translation>
    </message>
    <message>
        <source>S&amp;ave window position on exit</source>
        <translation>Fensterposition beim Beenden s&amp;peichern</translation>
    </message>
    <message>
        <source>-= [ Misc ] =-</source>
        <translation>-= [ Sonstiges ] =-</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
</context>
<context>
    <name>StatusBarParts</name>
    <message>
        <source>OK: </source>
        <translation>OK: </translation>
    </message>
    <message>
        <source>Bad: </source>
        <translation>Fehlerhaft: </translation>
    </message>
    <message>
        <source>Missing: </source>
        <translation>Fehlend: </translation>
    </message>
    <message>
        <source>Unchecked: </source>
        <translation>Ungeprüft: </translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Zähler</translation>
    </message>
</context>
<context>
    <name>SwatchPopup</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Dark Olive Green</source>
        <translation>Dunkles Olivgrün</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Dunkles Blaugrün</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue-grey</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <source>Grey - 40</source>
        <translation>Grau - 40</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Light orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Sea green</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Grey - 50</source>
        <translation>Grau - 50</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosé</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hellbraun</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Pale green </source>
        <translation>Blassgrün </translation>
    </message>
    <message>
        <source>Pale turquoise</source>
        <translation>Blasstürkis</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>UnlistedNote</name>
    <message>
        <source>Every file is in a list.</source>
        <translation>Jede Datei steht in einer Liste.</translation>
    </message>
    <message>
        <source>Files not in any list: %1</source>
        <translation>Dateien in keiner Liste: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>VerdictBar</name>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1 bad</source>
        <translation>%1 fehlerhaft</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>%1 fehlend</translation>
    </message>
    <message>
        <source>Show only these</source>
        <translation>Nur diese anzeigen</translation>
    </message>
    <message>
        <source>Show only the bad and missing files in the list</source>
        <translation>Nur die fehlerhaften und fehlenden Dateien in der Liste anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the verdict</source>
        <translation>Ergebnis schließen</translation>
    </message>
    <message>
        <source>%1 listed: press F5 to verify</source>
        <translation>%1 aufgeführt: zum Prüfen F5 drücken</translation>
    </message>
    <message>
        <source>The list holds no checksum lines: nothing to verify.</source>
        <translation>Die Liste enthält keine Prüfsummenzeilen: nichts zu prüfen.</translation>
    </message>
    <message>
        <source>%1: the list is probably not %2 but of another kind whose digests are as long.</source>
        <translation>%1: Die Liste ist wahrscheinlich nicht %2, sondern von einer anderen Art mit gleich langen Prüfsummen.</translation>
    </message>
    <message>
        <source>Stopped before any file was checked.</source>
        <translation>Gestoppt, bevor eine Datei geprüft wurde.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2: all OK so far.</source>
        <translation>Gestoppt nach %1 von %2: bisher alles OK.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2: %3 so far.</source>
        <translation>Gestoppt nach %1 von %2: bisher %3.</translation>
    </message>
    <message>
        <source>No files were checked.</source>
        <translation>Es wurden keine Dateien geprüft.</translation>
    </message>
    <message>
        <source>The file is OK.</source>
        <translation>Die Datei ist OK.</translation>
    </message>
    <message>
        <source>All %1 OK.</source>
        <translation>Alle %1 OK.</translation>
    </message>
    <message>
        <source>%1 of %2.</source>
        <translation>%1 von %2.</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>The settings file %1 cannot be written. Settings are read from it and from now on saved to %2.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden. Die Einstellungen werden aus ihr gelesen und ab jetzt in %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>WindowViews</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
</TS>
