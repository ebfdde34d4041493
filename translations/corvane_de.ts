<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EFileError</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Fehler beim Lesen des Datenstroms</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben des Datenstroms</translation>
    </message>
</context>
<context>
    <name>TAttributePages</name>
    <message>
        <source>Flags</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Deskriptor</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Short description:</source>
        <translation>Kurzbeschreibung:</translation>
    </message>
    <message>
        <source>Customizer:</source>
        <translation>Customizer:</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Umgebung:</translation>
    </message>
    <message>
        <source>Hide at runtime</source>
        <translation>Zur Laufzeit ausblenden</translation>
    </message>
    <message>
        <source>Affiliate with Java classes</source>
        <translation>Mit Java-Klassen verknüpfen</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>PropType:</source>
        <translation>PropType:</translation>
    </message>
    <message>
        <source>Event model:</source>
        <translation>Ereignismodell:</translation>
    </message>
    <message>
        <source>Value set:</source>
        <translation>Wertemenge:</translation>
    </message>
    <message>
        <source>Property editor:</source>
        <translation>Eigenschaftseditor:</translation>
    </message>
    <message>
        <source>Read method:</source>
        <translation>Lesemethode:</translation>
    </message>
    <message>
        <source>Get/Set methods</source>
        <translation>Get/Set-Methoden</translation>
    </message>
    <message>
        <source>Write method:</source>
        <translation>Schreibmethode:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Bound</source>
        <translation>Gebunden</translation>
    </message>
    <message>
        <source>Set at runtime</source>
        <translation>Zur Laufzeit setzbar</translation>
    </message>
    <message>
        <source>Listener</source>
        <translation>Listener</translation>
    </message>
    <message>
        <source>Listener methods:</source>
        <translation>Listener-Methoden:</translation>
    </message>
    <message>
        <source>Add method:</source>
        <translation>Methode zum Hinzufügen:</translation>
    </message>
    <message>
        <source>Remove method:</source>
        <translation>Methode zum Entfernen:</translation>
    </message>
</context>
<context>
    <name>TBeanFactory</name>
    <message>
        <source>Unable to insert parameter. Select method to which you wish to add parameter and then try again.</source>
        <translation>Parameter kann nicht eingefügt werden. Wählen Sie die Methode aus, der Sie einen Parameter hinzufügen möchten, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TConstructorCheck</name>
    <message>
        <source>Checking the JavaScript...</source>
        <translation>JavaScript wird geprüft...</translation>
    </message>
    <message>
        <source>The JavaScript check took too long and was stopped.</source>
        <translation>Die Prüfung des JavaScript dauerte zu lange und wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The JavaScript has no syntax error.</source>
        <translation>Das JavaScript hat keinen Syntaxfehler.</translation>
    </message>
    <message>
        <source>Syntax error on line %1: %2</source>
        <translation>Syntaxfehler in Zeile %1: %2</translation>
    </message>
    <message>
        <source>The JavaScript has a syntax error on line %1.</source>
        <translation>Das JavaScript hat einen Syntaxfehler in Zeile %1.</translation>
    </message>
</context>
<context>
    <name>TDocumentFile</name>
    <message>
        <source>an untitled component</source>
        <translation>eine unbenannte Komponente</translation>
    </message>
    <message>
        <source>Corvane found unsaved changes to %1 from a session that ended unexpectedly.</source>
        <translation>Corvane hat nicht gespeicherte Änderungen an %1 aus einer unerwartet beendeten Sitzung gefunden.</translation>
    </message>
    <message>
        <source>Corvane found unsaved changes to %1 from a session that ended unexpectedly. The copy is damaged: only what is left of it can be recovered.</source>
        <translation>Corvane hat nicht gespeicherte Änderungen an %1 aus einer unerwartet beendeten Sitzung gefunden. Die Kopie ist beschädigt: Nur ihr erhaltener Teil kann wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>%1 has been changed by another program since it was opened. Overwrite it?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>%1 has been changed by another program. Reload it and lose your changes?</source>
        <translation>%1 wurde von einem anderen Programm geändert. Neu laden und Ihre Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>%1 no longer exists. Save will create it again.</source>
        <translation>%1 existiert nicht mehr. Beim Speichern wird die Datei neu angelegt.</translation>
    </message>
    <message>
        <source>Corvane cannot keep a recovery copy of unsaved work (%1), so a crash would lose it. Save your work often.</source>
        <translation>Corvane kann von nicht gespeicherter Arbeit keine Wiederherstellungskopie anlegen (%1), bei einem Absturz ginge sie verloren. Speichern Sie Ihre Arbeit häufig.</translation>
    </message>
</context>
<context>
    <name>TField</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Kurzbeschreibung</translation>
    </message>
    <message>
        <source>Customizer</source>
        <translation>Customizer</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Hide at runtime</source>
        <translation>Zur Laufzeit ausblenden</translation>
    </message>
    <message>
        <source>Affiliate with Java classes</source>
        <translation>Mit Java-Klassen verknüpfen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>PropType</source>
        <translation>PropType</translation>
    </message>
    <message>
        <source>Event model</source>
        <translation>Ereignismodell</translation>
    </message>
    <message>
        <source>Value set</source>
        <translation>Wertemenge</translation>
    </message>
    <message>
        <source>Property editor</source>
        <translation>Eigenschaftseditor</translation>
    </message>
    <message>
        <source>Read method</source>
        <translation>Lesemethode</translation>
    </message>
    <message>
        <source>Write method</source>
        <translation>Schreibmethode</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Bound</source>
        <translation>Gebunden</translation>
    </message>
    <message>
        <source>Set at runtime</source>
        <translation>Zur Laufzeit setzbar</translation>
    </message>
    <message>
        <source>Listener methods</source>
        <translation>Listener-Methoden</translation>
    </message>
    <message>
        <source>Add method</source>
        <translation>Methode zum Hinzufügen</translation>
    </message>
    <message>
        <source>Remove method</source>
        <translation>Methode zum Entfernen</translation>
    </message>
</context>
<context>
    <name>TLEdit</name>
    <message>
        <source>Search string &apos;%1&apos; not found</source>
        <translation>Suchbegriff &apos;%1&apos; nicht gefunden</translation>
    </message>
</context>
<context>
    <name>TLEditModalDialogs</name>
    <message>
        <source>&amp;Text to find:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Whole words only</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>Search &amp;backward</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>From the &amp;top</source>
        <translation>Vom &amp;Anfang an</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Alle erse&amp;tzen</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>&amp;Line number:</source>
        <translation>&amp;Zeilennummer:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Alles markieren</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Su&amp;chen...</translation>
    </message>
    <message>
        <source>OK to overwrite %1</source>
        <translation>%1 überschreiben?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>HTML Documents (*.HTM,*.HTML)|*.HTM;*.HTML|JavaScript Source Files (*.JS)|*.JS|All Files (*.*)|*.*</source>
        <translation>HTML-Dokumente (*.HTM,*.HTML)|*.HTM;*.HTML|JavaScript-Quelldateien (*.JS)|*.JS|Alle Dateien (*.*)|*.*</translation>
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
        <source>Insert File</source>
        <translation>Datei einfügen</translation>
    </message>
    <message>
        <source>The help document %1 could not be opened.</source>
        <translation>Das Hilfedokument %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>JavaScript BeanInfo Files (*.jsb)|*.jsb|All Files (*.*)|*.*</source>
        <translation>JavaScript-BeanInfo-Dateien (*.jsb)|*.jsb|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;JAR Packager</source>
        <translation>&amp;JAR-Packer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponente</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Eigenschaft</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>E&amp;reignis</translation>
    </message>
    <message>
        <source>&amp;Method</source>
        <translation>&amp;Methode</translation>
    </message>
    <message>
        <source>Pa&amp;rameter</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>&amp;Interface</source>
        <translation>&amp;Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>P&amp;rinter Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Diese Anwendung beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Ausgewähltes Element löschen</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Ausgewähltes Element in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Component View</source>
        <translation>Komponentenansicht</translation>
    </message>
    <message>
        <source>Constructor View</source>
        <translation>Konstruktoransicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>&amp;Große Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;Small buttons</source>
        <translation>&amp;Kleine Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find Ne&amp;xt</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Find Matching &amp;Brace</source>
        <translation>Passende &amp;Klammer suchen</translation>
    </message>
    <message>
        <source>&amp;Set Bookmark</source>
        <translation>&amp;Lesezeichen setzen</translation>
    </message>
    <message>
        <source>F&amp;ind Bookmark</source>
        <translation>Lesezeichen &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Goto Line...</source>
        <translation>Gehe zu &amp;Zeile...</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>Ü&amp;berschrift</translation>
    </message>
    <message>
        <source>Heading &amp;%1</source>
        <translation>Überschrift &amp;%1</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Bulleted</source>
        <translation>&amp;Aufzählung</translation>
    </message>
    <message>
        <source>&amp;Numbered</source>
        <translation>&amp;Nummeriert</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>&amp;Paragraph</source>
        <translation>&amp;Absatz</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Formatted</source>
        <translation>&amp;Vorformatiert</translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>Hori&amp;zontal Line</source>
        <translation>&amp;Horizontale Linie</translation>
    </message>
    <message>
        <source>Line Brea&amp;k</source>
        <translation>&amp;Zeilenumbruch</translation>
    </message>
    <message>
        <source>F&amp;ile...</source>
        <translation>&amp;Datei...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Das Inhaltsverzeichnis der Hilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;Web Resources...</source>
        <translation>&amp;Webressourcen...</translation>
    </message>
    <message>
        <source>&amp;About Corvane...</source>
        <translation>Ü&amp;ber Corvane...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Programminformationen anzeigen</translation>
    </message>
    <message>
        <source>Source View</source>
        <translation>Quelltextansicht</translation>
    </message>
    <message>
        <source>Help View</source>
        <translation>Hilfeansicht</translation>
    </message>
    <message>
        <source>  Component</source>
        <translation>  Komponente</translation>
    </message>
    <message>
        <source>Shows current JavaScript component</source>
        <translation>Zeigt die aktuelle JavaScript-Komponente</translation>
    </message>
    <message>
        <source>  Attributes</source>
        <translation>  Attribute</translation>
    </message>
    <message>
        <source>Shows attributes of the selected component descriptor</source>
        <translation>Zeigt die Attribute des ausgewählten Komponentendeskriptors</translation>
    </message>
    <message>
        <source>  Reference</source>
        <translation>  Referenz</translation>
    </message>
    <message>
        <source>Shows JavaScript object model and language elements </source>
        <translation>Zeigt das JavaScript-Objektmodell und die Sprachelemente </translation>
    </message>
    <message>
        <source>  Constructor Definition</source>
        <translation>  Konstruktordefinition</translation>
    </message>
    <message>
        <source>Show the contents of the &lt;JSB_CONSTRUCTOR&gt; tag</source>
        <translation>Zeigt den Inhalt des &lt;JSB_CONSTRUCTOR&gt;-Tags</translation>
    </message>
    <message>
        <source>  Topics</source>
        <translation>  Themen</translation>
    </message>
    <message>
        <source>  Viewer</source>
        <translation>  Anzeige</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Add new property</source>
        <translation>Neue Eigenschaft hinzufügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Add new event</source>
        <translation>Neues Ereignis hinzufügen</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Add new method</source>
        <translation>Neue Methode hinzufügen</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Add new parameter to method</source>
        <translation>Neuen Parameter zur Methode hinzufügen</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Add new interface</source>
        <translation>Neue Schnittstelle hinzufügen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>LiveWire</source>
        <translation>LiveWire</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a value from %2 to %3</source>
        <translation>&apos;%1&apos; ist kein Wert von %2 bis %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
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
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Default Font</source>
        <translation>Standardschrift</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Choose &amp;Font...</source>
        <translation>Schri&amp;ft wählen...</translation>
    </message>
    <message>
        <source>Editor Options</source>
        <translation>Editoroptionen</translation>
    </message>
    <message>
        <source>&amp;Auto Indent</source>
        <translation>&amp;Automatisch einrücken</translation>
    </message>
    <message>
        <source>&amp;Insert Mode</source>
        <translation>&amp;Einfügemodus</translation>
    </message>
    <message>
        <source>&amp;Typing Replaces Selection</source>
        <translation>&amp;Tippen ersetzt Auswahl</translation>
    </message>
    <message>
        <source>Use &amp;Syntax Highlighting</source>
        <translation>&amp;Syntax hervorheben</translation>
    </message>
    <message>
        <source>Use Tab &amp;Character</source>
        <translation>Ta&amp;bulatorzeichen verwenden</translation>
    </message>
    <message>
        <source>&amp;Undo Limit:</source>
        <translation>&amp;Rückgängig-Limit:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>&amp;Vertical Spacing:</source>
        <translation>&amp;Zeilenabstand:</translation>
    </message>
    <message>
        <source>Tab Stop Si&amp;ze:</source>
        <translation>Tab&amp;weite:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Brief</source>
        <translation>Brief</translation>
    </message>
    <message>
        <source>Epsilon</source>
        <translation>Epsilon</translation>
    </message>
    <message>
        <source>&amp;Keystroke Mapping:</source>
        <translation>Tastenbelegun&amp;g:</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Strings</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>HTML Tags</source>
        <translation>HTML-Tags</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
</context>
<context>
    <name>TQtWindowServices</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
</context>
<context>
    <name>TReader</name>
    <message>
        <source>%1 appears to be an outdated JavaScript BeanInfo file. Any attributes contained in the &lt;JSB&gt; tag will be ignored.</source>
        <translation>%1 scheint eine veraltete JavaScript-BeanInfo-Datei zu sein. Attribute im &lt;JSB&gt;-Tag werden ignoriert.</translation>
    </message>
    <message>
        <source>%1 is not a valid JavaScript BeanInfo file. No &lt;JSB&gt; tag found.</source>
        <translation>%1 ist keine gültige JavaScript-BeanInfo-Datei. Kein &lt;JSB&gt;-Tag gefunden.</translation>
    </message>
    <message>
        <source>&lt;JSB_LISTENER&gt; tags were found in %1. These tags are not supported in Corvane PR1 and will be ignored.</source>
        <translation>In %1 wurden &lt;JSB_LISTENER&gt;-Tags gefunden. Diese Tags werden von Corvane PR1 nicht unterstützt und ignoriert.</translation>
    </message>
    <message>
        <source>%1 could not be read completely: many of its tags have no closing &quot;&gt;&quot; and run into one another. The tags after that point were ignored.</source>
        <translation>%1 konnte nicht vollständig gelesen werden: Vielen Tags fehlt das schließende &quot;&gt;&quot;, sodass sie ineinanderlaufen. Die Tags ab dieser Stelle wurden ignoriert.</translation>
    </message>
</context>
<context>
    <name>TValueCheck</name>
    <message>
        <source>component %1</source>
        <translation>Komponente %1</translation>
    </message>
    <message>
        <source>property %1</source>
        <translation>Eigenschaft %1</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>Methode %1</translation>
    </message>
    <message>
        <source>parameter %1</source>
        <translation>Parameter %1</translation>
    </message>
    <message>
        <source>event %1</source>
        <translation>Ereignis %1</translation>
    </message>
    <message>
        <source>interface %1</source>
        <translation>Schnittstelle %1</translation>
    </message>
    <message>
        <source>the file will gain an extra property</source>
        <translation>die Datei erhält eine zusätzliche Eigenschaft</translation>
    </message>
    <message>
        <source>the file will gain an extra method</source>
        <translation>die Datei erhält eine zusätzliche Methode</translation>
    </message>
    <message>
        <source>the file will gain an extra parameter</source>
        <translation>die Datei erhält einen zusätzlichen Parameter</translation>
    </message>
    <message>
        <source>the file will gain an extra event</source>
        <translation>die Datei erhält ein zusätzliches Ereignis</translation>
    </message>
    <message>
        <source>the file will gain an extra interface</source>
        <translation>die Datei erhält eine zusätzliche Schnittstelle</translation>
    </message>
    <message>
        <source>the file will lose a property</source>
        <translation>die Datei verliert eine Eigenschaft</translation>
    </message>
    <message>
        <source>the file will lose a method</source>
        <translation>die Datei verliert eine Methode</translation>
    </message>
    <message>
        <source>the file will lose a parameter</source>
        <translation>die Datei verliert einen Parameter</translation>
    </message>
    <message>
        <source>the file will lose an event</source>
        <translation>die Datei verliert ein Ereignis</translation>
    </message>
    <message>
        <source>the file will lose an interface</source>
        <translation>die Datei verliert eine Schnittstelle</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the file will keep nothing of it</source>
        <translation>die Datei behält nichts davon</translation>
    </message>
    <message>
        <source>the file will keep only %1</source>
        <translation>die Datei behält nur %1</translation>
    </message>
    <message>
        <source>it will read back as %1</source>
        <translation>er wird als %1 zurückgelesen</translation>
    </message>
    <message>
        <source>A double quote ends the value early</source>
        <translation>Ein doppeltes Anführungszeichen beendet den Wert vorzeitig</translation>
    </message>
    <message>
        <source>A &apos;&gt;&apos; ends the tag early</source>
        <translation>Ein &apos;&gt;&apos; beendet das Tag vorzeitig</translation>
    </message>
    <message>
        <source>A NUL character ends the file&apos;s text</source>
        <translation>Ein NUL-Zeichen beendet den Text der Datei</translation>
    </message>
    <message>
        <source>A line break cannot be kept in a value</source>
        <translation>Ein Zeilenumbruch kann in einem Wert nicht erhalten bleiben</translation>
    </message>
    <message>
        <source>%1 begins a tag of its own</source>
        <translation>%1 beginnt ein eigenes Tag</translation>
    </message>
    <message>
        <source>%1 in the value reads as an attribute of its own</source>
        <translation>%1 im Wert wird als eigenes Attribut gelesen</translation>
    </message>
    <message>
        <source>With %1 empty, the file reads this value as %1 too</source>
        <translation>Ist %1 leer, liest die Datei diesen Wert auch als %1</translation>
    </message>
    <message>
        <source>Reading the file again changes this item</source>
        <translation>Erneutes Lesen der Datei ändert dieses Element</translation>
    </message>
    <message>
        <source>%1 will be set</source>
        <translation>%1 wird gesetzt</translation>
    </message>
    <message>
        <source>%1 will read back as %2</source>
        <translation>%1 wird als %2 zurückgelesen</translation>
    </message>
    <message>
        <source>%1 will be lost</source>
        <translation>Verlust von %1</translation>
    </message>
    <message>
        <source>the file will gain %1 extra items</source>
        <translation>die Datei erhält %1 zusätzliche Elemente</translation>
    </message>
    <message>
        <source>the file will lose %1 items</source>
        <translation>die Datei verliert %1 Elemente</translation>
    </message>
    <message>
        <source>the constructor will change</source>
        <translation>der Konstruktor ändert sich</translation>
    </message>
    <message>
        <source>The value of %1 changes this one too</source>
        <translation>Der Wert von %1 ändert auch diesen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Über Corvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmNewComponent</name>
    <message>
        <source>New JavaScript Component</source>
        <translation>Neue JavaScript-Komponente</translation>
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
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>(e.g., netscape.sample.SimpleMailToLink)</source>
        <translation>(z. B. netscape.sample.SimpleMailToLink)</translation>
    </message>
</context>
<context>
    <name>TfrmWebResources</name>
    <message>
        <source>Web Resources</source>
        <translation>Webressourcen</translation>
    </message>
    <message>
        <source>Click any of the following URLs for more information:</source>
        <translation>Klicken Sie auf eine der folgenden Adressen, um mehr zu erfahren:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ValueWarnings</name>
    <message>
        <source>Some values cannot be stored in a JSB file and will change when the file is opened again:</source>
        <translation>Einige Werte lassen sich in einer JSB-Datei nicht speichern und ändern sich, wenn die Datei wieder geöffnet wird:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>Copyright © Brantwick Software. All rights reserved.</source>
        <translation>Copyright © Brantwick Software. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Corvane is a trademark of Brantwick Software.</source>
        <translation>Corvane ist eine Marke von Brantwick Software.</translation>
    </message>
    <message>
        <source>JavaScript is a trademark of its owner in the U.S. and other countries.</source>
        <translation>JavaScript ist eine Marke ihres Inhabers in den USA und anderen Ländern.</translation>
    </message>
    <message>
        <source>Other names are trademarks of their respective owners.</source>
        <translation>Andere Namen sind Marken ihrer jeweiligen Inhaber.</translation>
    </message>
    <message>
        <source>Visit the Corvane home page for latest information.</source>
        <translation>Aktuelle Informationen finden Sie auf der Corvane-Homepage.</translation>
    </message>
    <message>
        <source>This is a preview release. Please tell us about anything that goes wrong, and what you would like Corvane to do better. Send error reports and suggestions to </source>
        <translation>Dies ist eine Vorabversion. Bitte teilen Sie uns mit, was nicht funktioniert und was Corvane besser machen sollte. Fehlerberichte und Vorschläge senden Sie bitte an </translation>
    </message>
    <message>
        <source>Corvane is designed and developed by Brantwick Software.</source>
        <translation>Corvane wird von Brantwick Software entworfen und entwickelt.</translation>
    </message>
    <message>
        <source>Also from Brantwick Software: Quillmere, a visual editor for JavaScript. Lay out a page&apos;s scripts as blocks, connect their events, and let Quillmere write the code.</source>
        <translation>Ebenfalls von Brantwick Software: Quillmere, ein visueller Editor für JavaScript. Ordnen Sie die Skripte einer Seite als Blöcke an, verbinden Sie ihre Ereignisse und lassen Sie Quillmere den Code schreiben.</translation>
    </message>
</context>
</TS>
