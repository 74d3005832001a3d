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
        <source>A → Z</source>
        <translation>A → Z</translation>
    </message>
    <message>
        <source>Z → A</source>
        <translation>Z → A</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Outlook PST Files (*.pst)</source>
        <translation>Outlook-PST-Dateien (*.pst)</translation>
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
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Datei schließen</translation>
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
        <source>(%1 items)</source>
        <translation>(%1 Elemente)</translation>
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
</TS>
