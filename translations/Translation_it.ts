<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Ulteriori informazioni</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona tutt&amp;o</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Tro&amp;va</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;inestra</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ri&amp;duci a icona</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guida utente</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback e assistenza</translation>
    </message>
    <message>
        <source>Show &amp;Log Folder</source>
        <translation>Mostra cartella dei &amp;log</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Controlla &amp;aggiornamenti...</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Errore di rete, controlla la connessione!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>Il programma si è arrestato in modo anomalo.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Invia la segnalazione dell&apos;arresto anomalo allo sviluppatore. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>è attualmente la versione più recente disponibile.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Troppe richieste, riprova più tardi.</translation>
    </message>
</context>
<context>
    <name>ListViewSortMenu</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Oggetto</translation>
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
        <translation>Aggiungi o trascina qui i file</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Aggiungi file</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Item List</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordina per</translation>
    </message>
    <message>
        <source>No Item Selected</source>
        <translation>Nessun elemento selezionato</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error opening file!</source>
        <translation>Errore durante l&apos;apertura del file!</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>Outlook PST Files (*.pst)</source>
        <translation>File PST di Outlook (*.pst)</translation>
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
        <translation>dd MMM yyyy &apos;alle&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>PstMailView</name>
    <message>
        <source>Attachments (%1)</source>
        <translation>Allegati (%1)</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostra nel gestore file</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Chiudi file</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save attachment</source>
        <translation>Salva allegato</translation>
    </message>
    <message>
        <source>Appointment Details</source>
        <translation>Dettagli dell&apos;appuntamento</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Data di fine</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Recurrence Details</source>
        <translation>Dettagli della ricorrenza</translation>
    </message>
    <message>
        <source>Recurrence Pattern</source>
        <translation>Schema di ricorrenza</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <translation>Nome del contatto</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Professional Information</source>
        <translation>Informazioni professionali</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Qualifica</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Società</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Numeri di telefono</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Ufficio</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Abitazione</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Richiamata</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <translation>Indirizzi e-mail</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Fax (Primary)</source>
        <translation>Fax (principale)</translation>
    </message>
    <message>
        <source>Fax (Home)</source>
        <translation>Fax (abitazione)</translation>
    </message>
    <message>
        <source>Fax (Business)</source>
        <translation>Fax (ufficio)</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Indirizzi</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Indirizzo di casa</translation>
    </message>
    <message>
        <source>Business Address</source>
        <translation>Indirizzo di lavoro</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Altro indirizzo</translation>
    </message>
    <message>
        <source>Journal Entry</source>
        <translation>Voce del diario</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>No sent date</source>
        <translation>Nessuna data di invio</translation>
    </message>
    <message>
        <source>Task Schedule</source>
        <translation>Pianificazione dell&apos;attività</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Task Status</source>
        <translation>Stato dell&apos;attività</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietario</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Estimated work</source>
        <translation>Lavoro stimato</translation>
    </message>
    <message>
        <source>Actual work</source>
        <translation>Lavoro effettivo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>%1 % completed</source>
        <translation>%1% completato</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non iniziata</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>completata</translation>
    </message>
    <message>
        <source>waiting on someone else</source>
        <translation>in attesa di qualcun altro</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>rinviata</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 m</source>
        <comment>minutes</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 settimana</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 settimane</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 giorno</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 ora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ore</translation>
    </message>
    <message>
        <source>(%1 items)</source>
        <translation>(%1 elementi)</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>A: %1</translation>
    </message>
    <message>
        <source>Cc: %1</source>
        <translation>Cc: %1</translation>
    </message>
    <message>
        <source>Bcc: %1</source>
        <translation>Ccn: %1</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The list of releases could not be read.</source>
        <translation>Impossibile leggere l&apos;elenco delle versioni.</translation>
    </message>
    <message>
        <source>%1 %2 is available. You are using version %3.</source>
        <translation>%1 %2 è disponibile. Stai usando la versione %3.</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Impossibile controllare gli aggiornamenti.</translation>
    </message>
    <message>
        <source>The update server answered with error %1.</source>
        <translation>Il server degli aggiornamenti ha risposto con l&apos;errore %1.</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guida utente di %1</translation>
    </message>
</context>
</TS>
