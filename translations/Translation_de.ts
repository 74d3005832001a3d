<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
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
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
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
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Häufige Fragen</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback und Support</translation>
    </message>
    <message>
        <source>Show &amp;Log Folder</source>
        <translation>&amp;Protokollordner anzeigen</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Über %1</translation>
    </message>
</context>
<context>
    <name>ExportManager</name>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The desktop calendar and address book service (Evolution Data Server) cannot be reached. Please make sure it is installed and that this program runs inside your desktop session.</source>
        <translation>Der Kalender- und Adressbuchdienst der Arbeitsumgebung (Evolution Data Server) ist nicht erreichbar. Bitte stellen Sie sicher, dass er installiert ist und dieses Programm in Ihrer Desktop-Sitzung läuft.</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Netzwerkfehler, bitte überprüfen Sie Ihre Verbindung!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>Das Programm ist abgestürzt.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Bitte senden Sie den Absturzbericht an den Entwickler. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Zu viele Anfragen, bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>HtmlPrinter</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ListViewSortMenu</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>From / Name</source>
        <translation>Von / Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
</context>
<context>
    <name>LossNotice</name>
    <message numerus="yes">
        <source>%1: %n item(s) could not be shown (see the log).</source>
        <translation>
            <numerusform>%1: %n Element konnte nicht angezeigt werden (siehe Protokoll).</numerusform>
            <numerusform>%1: %n Elemente konnten nicht angezeigt werden (siehe Protokoll).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: damaged name map; task and journal details are missing.</source>
        <translation>%1: Namenstabelle beschädigt; Details von Aufgaben und Journal fehlen.</translation>
    </message>
    <message>
        <source>Items that are damaged, of unknown kinds or missing from the file&apos;s index.</source>
        <translation>Elemente, die beschädigt, von unbekannter Art oder nicht im Index der Datei verzeichnet sind.</translation>
    </message>
</context>
<context>
    <name>MailPrintProvider</name>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
    <message>
        <source>Cc:</source>
        <translation>Cc:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Anhänge:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show &amp;Hidden Folders</source>
        <translation>&amp;Versteckte Ordner anzeigen</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Dateien hinzufügen oder hierher ziehen</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Item List</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>No Item Selected</source>
        <translation>Kein Element ausgewählt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error opening file!</source>
        <translation>Fehler beim Öffnen der Datei!</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Outlook Data Files (*.pst *.ost)</source>
        <translation>Outlook-Datendateien (*.pst *.ost)</translation>
    </message>
    <message>
        <source>Still Opening</source>
        <translation>Wird noch geöffnet</translation>
    </message>
    <message>
        <source>This file is still being read. Convert and Export can start once every folder shows its number of items.</source>
        <translation>Diese Datei wird noch gelesen. Konvertieren und Exportieren sind möglich, sobald jeder Ordner seine Anzahl an Elementen zeigt.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No Outlook file at hand? In Lumaroo&apos;s source folder, ./scripts/run.sh opens a sample mailbox.</source>
        <translation>Keine Outlook-Datei zur Hand? Im Quellordner von Lumaroo öffnet ./scripts/run.sh ein Beispielpostfach.</translation>
    </message>
</context>
<context>
    <name>MyWebViewWidget</name>
    <message>
        <source>Link not opened</source>
        <translation>Link nicht geöffnet</translation>
    </message>
    <message>
        <source>Only web and e-mail links are opened. This link was not opened:
%1</source>
        <translation>Es werden nur Web- und E-Mail-Links geöffnet. Dieser Link wurde nicht geöffnet:
%1</translation>
    </message>
</context>
<context>
    <name>NativeMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OutputFolderCheck</name>
    <message>
        <source>Cannot write to the output folder %1: %2.</source>
        <translation>In den Zielordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Browse, convert and print Outlook data files (.pst, .ost).
Every FILE is opened in the window; lumaroo-cli does the same without one.</source>
        <translation>Outlook-Datendateien (.pst, .ost) durchsuchen, konvertieren und drucken.
Jede DATEI wird im Fenster geöffnet; lumaroo-cli tut dasselbe ohne Fenster.</translation>
    </message>
    <message>
        <source>Outlook data files to open.</source>
        <translation>Zu öffnende Outlook-Datendateien.</translation>
    </message>
    <message>
        <source>Try &apos;lumaroo --help&apos; for more information.</source>
        <translation>„lumaroo --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>keine lesbare Datei</translation>
    </message>
</context>
<context>
    <name>PstExportDialog</name>
    <message>
        <source>Ignore Empty Folders</source>
        <translation>Leere Ordner ignorieren</translation>
    </message>
    <message>
        <source>Choose the kinds of files to convert</source>
        <translation>Wählen Sie die Dateiarten zum Konvertieren</translation>
    </message>
    <message>
        <source>Choose the kinds of files to export to other apps</source>
        <translation>Wählen Sie die Dateiarten für den Export in andere Anwendungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Mails</source>
        <translation>E-Mails</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Export to the desktop address book</source>
        <translation>In das Adressbuch der Arbeitsumgebung exportieren</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Export to the desktop calendar</source>
        <translation>In den Kalender der Arbeitsumgebung exportieren</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Mailbox (mbox)</source>
        <translation>Postfach (mbox)</translation>
    </message>
    <message>
        <source>Maildir</source>
        <translation>Maildir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>No items found to export.</source>
        <translation>Keine Elemente zum Exportieren gefunden.</translation>
    </message>
    <message>
        <source>Convert to *.%1 file</source>
        <translation>In *.%1-Datei konvertieren</translation>
    </message>
    <message>
        <source>Select export folder</source>
        <translation>Exportordner auswählen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>%1: %2 of %3 handed over, %4 failed.</source>
        <translation>%1: %2 von %3 übergeben, %4 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 converted, %4 failed.</source>
        <translation>%1: %2 von %3 konvertiert, %4 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Finished, but some items failed; the log names them.</source>
        <translation>Fertig, aber einige Elemente sind fehlgeschlagen; das Protokoll nennt sie.</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Convert to one *.mbox file per folder</source>
        <translation>In eine *.mbox-Datei pro Ordner konvertieren</translation>
    </message>
    <message>
        <source>Convert to a Maildir folder tree</source>
        <translation>In eine Maildir-Ordnerstruktur konvertieren</translation>
    </message>
    <message>
        <source>Other items: %1</source>
        <translation>Andere Elemente: %1</translation>
    </message>
    <message>
        <source>%1 damaged, could not be read</source>
        <translation>%1 beschädigt, nicht lesbar</translation>
    </message>
    <message>
        <source>%1 of an unknown kind, not shown</source>
        <translation>%1 unbekannter Art, nicht angezeigt</translation>
    </message>
    <message>
        <source>%1 missing from the file&apos;s index</source>
        <translation>%1 fehlen im Index der Datei</translation>
    </message>
</context>
<context>
    <name>PstFileCheck</name>
    <message>
        <source>There is no file or folder of this name.</source>
        <translation>Es gibt keine Datei und keinen Ordner dieses Namens.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Die Datei ist nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source>This is a folder, not a PST file.</source>
        <translation>Dies ist ein Ordner, keine PST-Datei.</translation>
    </message>
    <message>
        <source>This is a named pipe (FIFO), not a PST file: it can only be read once, as a stream.</source>
        <translation>Dies ist eine benannte Pipe (FIFO), keine PST-Datei: Sie kann nur einmal als Datenstrom gelesen werden.</translation>
    </message>
    <message>
        <source>This is a device or special file, not a PST file.</source>
        <translation>Dies ist ein Gerät oder eine Spezialdatei, keine PST-Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>This is not a PST file: it does not start with a PST file&apos;s signature.</source>
        <translation>Dies ist keine PST-Datei: Sie beginnt nicht mit der Signatur einer PST-Datei.</translation>
    </message>
    <message>
        <source>This PST file is too short to hold a PST header (%1 bytes).</source>
        <translation>Diese PST-Datei ist zu kurz für einen PST-Header (%1 Byte).</translation>
    </message>
</context>
<context>
    <name>PstItem</name>
    <message>
        <source>MMM dd, yyyy &apos;at&apos; hh:mm AP</source>
        <translation>dd. MMM yyyy &apos;um&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>PstMailView</name>
    <message>
        <source>Attachments (%1)</source>
        <translation>Anhänge (%1)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the mail this one is attached to (%1)</source>
        <translation>Zurück zur Nachricht, der diese angehängt ist (%1)</translation>
    </message>
</context>
<context>
    <name>PstParser</name>
    <message>
        <source>libpst cannot open this PST file: its header is damaged or of an unknown kind.</source>
        <translation>libpst kann diese PST-Datei nicht öffnen: Ihr Header ist beschädigt oder von unbekannter Art.</translation>
    </message>
    <message>
        <source>The index of this PST file is damaged.</source>
        <translation>Der Index dieser PST-Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Damaged folder %1</source>
        <translation>Beschädigter Ordner %1</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Close File</source>
        <translation>Datei schließen</translation>
    </message>
    <message>
        <source>The folder structure of this PST file cannot be read.</source>
        <translation>Die Ordnerstruktur dieser PST-Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>%1 (opening…)</source>
        <translation>%1 (wird geöffnet…)</translation>
    </message>
    <message>
        <source>%1 (opening… %2 items read)</source>
        <translation>%1 (wird geöffnet… %2 Elemente gelesen)</translation>
    </message>
    <message>
        <source>Cancel Opening</source>
        <translation>Öffnen abbrechen</translation>
    </message>
</context>
<context>
    <name>PstTreeModel</name>
    <message>
        <source>%1 (reading…)</source>
        <translation>%1 (wird gelesen…)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save attachment</source>
        <translation>Anhang speichern</translation>
    </message>
    <message>
        <source>Appointment Details</source>
        <translation>Termindetails</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Recurrence Details</source>
        <translation>Serientermin</translation>
    </message>
    <message>
        <source>Recurrence Pattern</source>
        <translation>Serienmuster</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>Ohne Namen</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <translation>Kontaktname</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Professional Information</source>
        <translation>Berufliche Angaben</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Rückruf</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Autotelefon</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <translation>E-Mail-Adressen</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-Mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-Mail 3</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Fax (Primary)</source>
        <translation>Fax (primär)</translation>
    </message>
    <message>
        <source>Fax (Home)</source>
        <translation>Fax (privat)</translation>
    </message>
    <message>
        <source>Fax (Business)</source>
        <translation>Fax (geschäftlich)</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adressen</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Privatadresse</translation>
    </message>
    <message>
        <source>Business Address</source>
        <translation>Geschäftsadresse</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Weitere Adresse</translation>
    </message>
    <message>
        <source>Journal Entry</source>
        <translation>Journaleintrag</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>No sent date</source>
        <translation>Kein Sendedatum</translation>
    </message>
    <message>
        <source>Task Schedule</source>
        <translation>Aufgabenplanung</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Fällig am</translation>
    </message>
    <message>
        <source>Task Status</source>
        <translation>Aufgabenstatus</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Estimated work</source>
        <translation>Geschätzter Aufwand</translation>
    </message>
    <message>
        <source>Actual work</source>
        <translation>Tatsächlicher Aufwand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1 % completed</source>
        <translation>%1 % erledigt</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nicht begonnen</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>in Bearbeitung</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>waiting on someone else</source>
        <translation>wartet auf jemand anderen</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>zurückgestellt</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 T.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 m</source>
        <comment>minutes</comment>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 Woche</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 Wochen</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>An: %1</translation>
    </message>
    <message>
        <source>Cc: %1</source>
        <translation>Cc: %1</translation>
    </message>
    <message>
        <source>Bcc: %1</source>
        <translation>Bcc: %1</translation>
    </message>
    <message>
        <source>Attached mail</source>
        <translation>Angehängte E-Mail</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save as .eml...</source>
        <translation>Als .eml speichern...</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>Anhang</translation>
    </message>
    <message>
        <source>Save attached mail</source>
        <translation>Angehängte E-Mail speichern</translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation>E-Mail-Nachrichten (*.eml)</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n Mitglied</numerusform>
            <numerusform>%n Mitglieder</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution List</source>
        <translation>Verteilerliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, Seriennummer %2</translation>
    </message>
    <message>
        <source>the signer&apos;s certificate is not in the mail</source>
        <translation>das Zertifikat des Unterzeichners ist nicht in der E-Mail</translation>
    </message>
    <message>
        <source>the signed part is missing</source>
        <translation>der signierte Teil fehlt</translation>
    </message>
    <message>
        <source>the signature names no signer</source>
        <translation>die Signatur nennt keinen Unterzeichner</translation>
    </message>
    <message>
        <source>the mail is not encrypted</source>
        <translation>die E-Mail ist nicht verschlüsselt</translation>
    </message>
    <message>
        <source>The message nests its parts too deeply; the deepest were not read.</source>
        <translation>Die Nachricht verschachtelt ihre Teile zu tief; die tiefsten wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <source>The key file holds no private key with its certificate.</source>
        <translation>Die Schlüsseldatei enthält keinen privaten Schlüssel mit Zertifikat.</translation>
    </message>
    <message>
        <source>The key file could not be opened: wrong password or not a PKCS #12 file (%1).</source>
        <translation>Die Schlüsseldatei konnte nicht geöffnet werden: falsches Passwort oder keine PKCS-#12-Datei (%1).</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2</source>
        <translation>Die Schlüsseldatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The mail is wrapped in too many signatures or encryptions to read.</source>
        <translation>Die E-Mail ist in zu viele Signaturen oder Verschlüsselungen verpackt, um sie zu lesen.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged: it is not a MIME message.</source>
        <translation>Die signierte oder verschlüsselte Nachricht ist beschädigt: Sie ist keine MIME-Nachricht.</translation>
    </message>
    <message>
        <source>the signature part is damaged (%1)</source>
        <translation>der Signaturteil ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>The signature carries no message.</source>
        <translation>Die Signatur enthält keine Nachricht.</translation>
    </message>
    <message>
        <source>The mail holds a kind of S/MIME structure that cannot be shown.</source>
        <translation>Die E-Mail enthält eine Art von S/MIME-Struktur, die nicht angezeigt werden kann.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged or truncated (%1).</source>
        <translation>Die signierte oder verschlüsselte Nachricht ist beschädigt oder abgeschnitten (%1).</translation>
    </message>
    <message>
        <source>The chosen key cannot decrypt this mail (%1).</source>
        <translation>Der gewählte Schlüssel kann diese E-Mail nicht entschlüsseln (%1).</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>einem unbekannten Unterzeichner</translation>
    </message>
    <message>
        <source>Signed by %1</source>
        <translation>Signiert von %1</translation>
    </message>
    <message>
        <source>Signed by %1 on %2</source>
        <translation>Signiert von %1 am %2</translation>
    </message>
    <message>
        <source>Signature valid</source>
        <translation>Signatur gültig</translation>
    </message>
    <message>
        <source>Signature invalid: the mail was changed after it was signed</source>
        <translation>Signatur ungültig: Die E-Mail wurde nach dem Signieren verändert</translation>
    </message>
    <message>
        <source>Signature could not be checked: %1</source>
        <translation>Die Signatur konnte nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>Certificate trusted on this computer</source>
        <translation>Zertifikat auf diesem Computer vertrauenswürdig</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer</source>
        <translation>Zertifikat auf diesem Computer nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer (%1)</source>
        <translation>Zertifikat auf diesem Computer nicht vertrauenswürdig (%1)</translation>
    </message>
    <message>
        <source>key id %1</source>
        <translation>Schlüssel-ID %1</translation>
    </message>
    <message>
        <source>unknown recipients</source>
        <translation>unbekannte Empfänger</translation>
    </message>
    <message>
        <source>Encrypted for %1; decrypted with your key</source>
        <translation>Verschlüsselt für %1; mit Ihrem Schlüssel entschlüsselt</translation>
    </message>
    <message>
        <source>Encrypted for %1</source>
        <translation>Verschlüsselt für %1</translation>
    </message>
    <message>
        <source>The mail&apos;s smime.p7m holds neither a signature nor an encrypted message.</source>
        <translation>Die smime.p7m der E-Mail enthält weder eine Signatur noch eine verschlüsselte Nachricht.</translation>
    </message>
    <message>
        <source>the key&apos;s certificate is not among the recipients</source>
        <translation>das Zertifikat des Schlüssels ist nicht unter den Empfängern</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Ganztägig</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation>Organisator</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Erforderlich</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message numerus="yes">
        <source>All day, %n day(s)</source>
        <translation>
            <numerusform>Ganztägig, %n Tag</numerusform>
            <numerusform>Ganztägig, %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Anrede</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Namenszusatz</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Büro</translation>
    </message>
    <message>
        <source>Profession</source>
        <translation>Beruf</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Vorgesetzte(r)</translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation>Assistent(in)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Haupttelefon</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Geschäftlich 2</translation>
    </message>
    <message>
        <source>Company Main</source>
        <translation>Firmenzentrale</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Privat 2</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkruf</translation>
    </message>
    <message>
        <source>ISDN</source>
        <translation>ISDN</translation>
    </message>
    <message>
        <source>TTY/TDD</source>
        <translation>Texttelefon</translation>
    </message>
    <message>
        <source>Telex</source>
        <translation>Telex</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Webseiten</translation>
    </message>
    <message>
        <source>Business Web Page</source>
        <translation>Webseite (geschäftlich)</translation>
    </message>
    <message>
        <source>Personal Web Page</source>
        <translation>Webseite (privat)</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Partner(in)</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Hobbys</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message numerus="yes">
        <source>(%n item(s))</source>
        <translation>
            <numerusform>(%n Element)</numerusform>
            <numerusform>(%n Elemente)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
</context>
<context>
    <name>SearchController</name>
    <message>
        <source>Choose a file in the folder list to search it.</source>
        <translation>Wählen Sie in der Ordnerliste eine Datei, um sie zu durchsuchen.</translation>
    </message>
    <message>
        <source>The search index could not be read: %1</source>
        <translation>Der Suchindex konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>This file is not indexed yet, so nothing was searched.</source>
        <translation>Diese Datei ist noch nicht indiziert, daher wurde nichts durchsucht.</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>Keine Elemente gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) found</source>
        <translation>
            <numerusform>%n Element gefunden</numerusform>
            <numerusform>%n Elemente gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 items found</source>
        <translation>Die ersten %1 gefundenen Elemente</translation>
    </message>
    <message>
        <source>Only %1 of %2 items are indexed so far: more may be found.</source>
        <translation>Erst %1 von %2 Elementen sind indiziert: es kann mehr gefunden werden.</translation>
    </message>
    <message>
        <source>Only %1 items are indexed so far: more may be found.</source>
        <translation>Erst %1 Elemente sind indiziert: es kann mehr gefunden werden.</translation>
    </message>
    <message>
        <source>Indexing %1 of %2 items</source>
        <translation>Indizierung: %1 von %2 Elementen</translation>
    </message>
    <message>
        <source>Indexing…</source>
        <translation>Indizierung…</translation>
    </message>
    <message>
        <source>The search index is not complete.</source>
        <translation>Der Suchindex ist nicht vollständig.</translation>
    </message>
    <message>
        <source>The search index is not complete: %1</source>
        <translation>Der Suchindex ist nicht vollständig: %1</translation>
    </message>
    <message>
        <source>This item could not be read from the file.</source>
        <translation>Dieses Element konnte nicht aus der Datei gelesen werden.</translation>
    </message>
</context>
<context>
    <name>SearchIndex</name>
    <message>
        <source>This file has no search index yet.</source>
        <translation>Diese Datei hat noch keinen Suchindex.</translation>
    </message>
    <message>
        <source>The search index of this file is damaged and must be built again.</source>
        <translation>Der Suchindex dieser Datei ist beschädigt und muss neu erstellt werden.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>Die Suche ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>SearchIndexWriter</name>
    <message>
        <source>The file %1 is gone.</source>
        <translation>Die Datei %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Cannot create the search index folder %1.</source>
        <translation>Der Ordner des Suchindex %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create the search index in %1: %2.</source>
        <translation>Der Suchindex kann in %1 nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The search index %1 is being written by another process.</source>
        <translation>Der Suchindex %1 wird gerade von einem anderen Prozess geschrieben.</translation>
    </message>
    <message>
        <source>Cannot replace the search index %1: %2.</source>
        <translation>Der Suchindex %1 kann nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot create the search index %1: %2.</source>
        <translation>Der Suchindex %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the search index %1: %2.</source>
        <translation>Der Suchindex %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>SearchIndexer</name>
    <message>
        <source>The search index cannot be saved: the folder %1 is not writable.</source>
        <translation>Der Suchindex kann nicht gespeichert werden: Der Ordner %1 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The search index cannot be saved: the disk is full (%1).</source>
        <translation>Der Suchindex kann nicht gespeichert werden: Der Datenträger ist voll (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read for searching: %1</source>
        <translation>Die Datei kann für die Suche nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The search index cannot be saved: %1</source>
        <translation>Der Suchindex kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli is missing beside the program.</source>
        <translation>Der Suchindex kann nicht erstellt werden: lumaroo-cli fehlt neben dem Programm.</translation>
    </message>
    <message>
        <source>Indexing was cancelled: searches cover only the items indexed so far.</source>
        <translation>Die Indizierung wurde abgebrochen: Suchen erfassen nur die bisher indizierten Elemente.</translation>
    </message>
    <message>
        <source>Indexing stopped unexpectedly: searches cover only the items indexed so far.</source>
        <translation>Die Indizierung wurde unerwartet beendet: Suchen erfassen nur die bisher indizierten Elemente.</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli could not be started.</source>
        <translation>Der Suchindex kann nicht erstellt werden: lumaroo-cli konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>SearchQuery</name>
    <message>
        <source>The after: date must come before the before: date.</source>
        <translation>Das Datum bei after: muss vor dem Datum bei before: liegen.</translation>
    </message>
    <message>
        <source>%1 needs a word or a &quot;phrase&quot;.</source>
        <translation>%1 braucht ein Wort oder eine &quot;Wortfolge&quot;.</translation>
    </message>
    <message>
        <source>Unknown operator %1 (known: from:, to:, subject:, has:, kind:, after:, before:, folder:).</source>
        <translation>Unbekannter Operator %1 (bekannt: from:, to:, subject:, has:, kind:, after:, before:, folder:).</translation>
    </message>
    <message>
        <source>%1 cannot be excluded with &quot;-&quot;.</source>
        <translation>%1 kann nicht mit &quot;-&quot; ausgeschlossen werden.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>has: takes only &quot;attachment&quot;, not &quot;%1&quot;.</source>
        <translation>has: kennt nur &quot;attachment&quot;, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown kind &quot;%1&quot; (known: %2).</source>
        <translation>Unbekannte Art &quot;%1&quot; (bekannt: %2).</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD, not &quot;%2&quot;.</source>
        <translation>%1 braucht ein Datum im Format YYYY-MM-DD, nicht &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A quotation mark is not closed.</source>
        <translation>Ein Anführungszeichen ist nicht geschlossen.</translation>
    </message>
</context>
<context>
    <name>SearchScopeBox</name>
    <message>
        <source>This folder</source>
        <translation>Dieser Ordner</translation>
    </message>
    <message>
        <source>All folders</source>
        <translation>Alle Ordner</translation>
    </message>
    <message>
        <source>Search the folder on show or every folder of the file</source>
        <translation>Den angezeigten Ordner oder jeden Ordner der Datei durchsuchen</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Suchen in</translation>
    </message>
</context>
<context>
    <name>SearchStatusLine</name>
    <message>
        <source>Index Now</source>
        <translation>Jetzt indizieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SmimePanel</name>
    <message>
        <source>Decrypt with a Key...</source>
        <translation>Mit einem Schlüssel entschlüsseln...</translation>
    </message>
    <message>
        <source>Choose your key</source>
        <translation>Wählen Sie Ihren Schlüssel</translation>
    </message>
    <message>
        <source>Keys with certificate (*.p12 *.pfx)</source>
        <translation>Schlüssel mit Zertifikat (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Key password</source>
        <translation>Schlüsselpasswort</translation>
    </message>
    <message>
        <source>Password of the key file:</source>
        <translation>Passwort der Schlüsseldatei:</translation>
    </message>
    <message>
        <source>Cannot decrypt</source>
        <translation>Entschlüsseln nicht möglich</translation>
    </message>
</context>
<context>
    <name>ThirdPartyNotices</name>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
</context>
<context>
    <name>UnopenedTarget</name>
    <message>
        <source>Could Not Open</source>
        <translation>Öffnen nicht möglich</translation>
    </message>
    <message>
        <source>No program on this desktop could open it. It is here:</source>
        <translation>Kein Programm dieses Desktops konnte es öffnen. Es befindet sich hier:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The list of releases could not be read.</source>
        <translation>Die Liste der Versionen konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 %2 is available. You are using version %3.</source>
        <translation>%1 %2 ist verfügbar. Sie verwenden Version %3.</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Es konnte nicht nach Updates gesucht werden.</translation>
    </message>
    <message>
        <source>The update server answered with error %1.</source>
        <translation>Der Update-Server antwortete mit Fehler %1.</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>%1-Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Some files could not be opened</source>
        <translation>Einige Dateien konnten nicht geöffnet werden</translation>
    </message>
</context>
</TS>
