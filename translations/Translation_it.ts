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
    <name>ExportManager</name>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>The desktop calendar and address book service (Evolution Data Server) cannot be reached. Please make sure it is installed and that this program runs inside your desktop session.</source>
        <translation>Impossibile raggiungere il servizio di calendario e rubrica del desktop (Evolution Data Server). Assicurati che sia installato e che questo programma venga eseguito nella tua sessione desktop.</translation>
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
    <name>HtmlPrinter</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
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
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>From / Name</source>
        <translation>Da / Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Crescente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
</context>
<context>
    <name>LossNotice</name>
    <message numerus="yes">
        <source>%1: %n item(s) could not be shown (see the log).</source>
        <translation>
            <numerusform>%1: non è stato possibile mostrare %n elemento (vedi il log).</numerusform>
            <numerusform>%1: non è stato possibile mostrare %n elementi (vedi il log).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: damaged name map; task and journal details are missing.</source>
        <translation>%1: mappa dei nomi danneggiata; mancano i dettagli di attività e diario.</translation>
    </message>
    <message>
        <source>Items that are damaged, of unknown kinds or missing from the file&apos;s index.</source>
        <translation>Elementi danneggiati, di tipo sconosciuto o assenti dall&apos;indice del file.</translation>
    </message>
</context>
<context>
    <name>MailPrintProvider</name>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Cc:</source>
        <translation>Cc:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Allegati:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Oggetto:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Da:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Show &amp;Hidden Folders</source>
        <translation>Mostra cartelle &amp;nascoste</translation>
    </message>
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
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licenze</translation>
    </message>
    <message>
        <source>Outlook Data Files (*.pst *.ost)</source>
        <translation>File di dati di Outlook (*.pst *.ost)</translation>
    </message>
    <message>
        <source>Still Opening</source>
        <translation>Apertura in corso</translation>
    </message>
    <message>
        <source>This file is still being read. Convert and Export can start once every folder shows its number of items.</source>
        <translation>Questo file è ancora in lettura. Converti ed Esporta potranno iniziare quando ogni cartella mostrerà il suo numero di elementi.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>No Outlook file at hand? In Lumaroo&apos;s source folder, ./scripts/run.sh opens a sample mailbox.</source>
        <translation>Nessun file di Outlook a portata di mano? Nella cartella dei sorgenti di Lumaroo, ./scripts/run.sh apre una casella di posta di esempio.</translation>
    </message>
</context>
<context>
    <name>MyWebViewWidget</name>
    <message>
        <source>Link not opened</source>
        <translation>Link non aperto</translation>
    </message>
    <message>
        <source>Only web and e-mail links are opened. This link was not opened:
%1</source>
        <translation>Vengono aperti solo i link web ed e-mail. Questo link non è stato aperto:
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
        <translation>Impossibile scrivere nella cartella di destinazione %1: %2.</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Browse, convert and print Outlook data files (.pst, .ost).
Every FILE is opened in the window; lumaroo-cli does the same without one.</source>
        <translation>Sfoglia, converti e stampa i file di dati di Outlook (.pst, .ost).
Ogni FILE viene aperto nella finestra; lumaroo-cli fa lo stesso senza finestra.</translation>
    </message>
    <message>
        <source>Outlook data files to open.</source>
        <translation>File di dati di Outlook da aprire.</translation>
    </message>
    <message>
        <source>Try &apos;lumaroo --help&apos; for more information.</source>
        <translation>Prova &apos;lumaroo --help&apos; per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>una cartella, non un file</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>file non leggibile</translation>
    </message>
</context>
<context>
    <name>PstExportDialog</name>
    <message>
        <source>Ignore Empty Folders</source>
        <translation>Ignora cartelle vuote</translation>
    </message>
    <message>
        <source>Choose the kinds of files to convert</source>
        <translation>Scegli i tipi di file da convertire</translation>
    </message>
    <message>
        <source>Choose the kinds of files to export to other apps</source>
        <translation>Scegli i tipi di file da esportare in altre applicazioni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Mails</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Export to the desktop address book</source>
        <translation>Esporta nella rubrica del desktop</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Export to the desktop calendar</source>
        <translation>Esporta nel calendario del desktop</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Mailbox (mbox)</source>
        <translation>Casella di posta (mbox)</translation>
    </message>
    <message>
        <source>Maildir</source>
        <translation>Maildir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>No items found to export.</source>
        <translation>Nessun elemento da esportare.</translation>
    </message>
    <message>
        <source>Convert to *.%1 file</source>
        <translation>Converti in file *.%1</translation>
    </message>
    <message>
        <source>Select export folder</source>
        <translation>Seleziona la cartella di esportazione</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>%1: %2 of %3 handed over, %4 failed.</source>
        <translation>%1: %2 di %3 trasferiti, %4 non riusciti.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 converted, %4 failed.</source>
        <translation>%1: %2 di %3 convertiti, %4 non riusciti.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Finished, but some items failed; the log names them.</source>
        <translation>Completato, ma alcuni elementi non sono riusciti; il log li elenca.</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Completato.</translation>
    </message>
    <message>
        <source>Convert to one *.mbox file per folder</source>
        <translation>Converti in un file *.mbox per cartella</translation>
    </message>
    <message>
        <source>Convert to a Maildir folder tree</source>
        <translation>Converti in un albero di cartelle Maildir</translation>
    </message>
    <message>
        <source>Other items: %1</source>
        <translation>Altri elementi: %1</translation>
    </message>
    <message>
        <source>%1 damaged, could not be read</source>
        <translation>%1 danneggiati, non leggibili</translation>
    </message>
    <message>
        <source>%1 of an unknown kind, not shown</source>
        <translation>%1 di tipo sconosciuto, non mostrati</translation>
    </message>
    <message>
        <source>%1 missing from the file&apos;s index</source>
        <translation>%1 mancanti dall&apos;indice del file</translation>
    </message>
</context>
<context>
    <name>PstFileCheck</name>
    <message>
        <source>There is no file or folder of this name.</source>
        <translation>Non esiste alcun file o cartella con questo nome.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Impossibile raggiungere il file: %1.</translation>
    </message>
    <message>
        <source>This is a folder, not a PST file.</source>
        <translation>Questa è una cartella, non un file PST.</translation>
    </message>
    <message>
        <source>This is a named pipe (FIFO), not a PST file: it can only be read once, as a stream.</source>
        <translation>Questa è una named pipe (FIFO), non un file PST: può essere letta una sola volta, come flusso.</translation>
    </message>
    <message>
        <source>This is a device or special file, not a PST file.</source>
        <translation>Questo è un dispositivo o un file speciale, non un file PST.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <source>This is not a PST file: it does not start with a PST file&apos;s signature.</source>
        <translation>Questo non è un file PST: non inizia con la firma di un file PST.</translation>
    </message>
    <message>
        <source>This PST file is too short to hold a PST header (%1 bytes).</source>
        <translation>Questo file PST è troppo corto per contenere un&apos;intestazione PST (%1 byte).</translation>
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
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Back to the mail this one is attached to (%1)</source>
        <translation>Torna al messaggio a cui questo è allegato (%1)</translation>
    </message>
</context>
<context>
    <name>PstParser</name>
    <message>
        <source>libpst cannot open this PST file: its header is damaged or of an unknown kind.</source>
        <translation>libpst non riesce ad aprire questo file PST: l&apos;intestazione è danneggiata o di tipo sconosciuto.</translation>
    </message>
    <message>
        <source>The index of this PST file is damaged.</source>
        <translation>L&apos;indice di questo file PST è danneggiato.</translation>
    </message>
    <message>
        <source>Damaged folder %1</source>
        <translation>Cartella danneggiata %1</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Close File</source>
        <translation>Chiudi file</translation>
    </message>
    <message>
        <source>The folder structure of this PST file cannot be read.</source>
        <translation>Impossibile leggere la struttura delle cartelle di questo file PST.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>%1 (opening…)</source>
        <translation>%1 (apertura…)</translation>
    </message>
    <message>
        <source>%1 (opening… %2 items read)</source>
        <translation>%1 (apertura… %2 elementi letti)</translation>
    </message>
    <message>
        <source>Cancel Opening</source>
        <translation>Annulla apertura</translation>
    </message>
</context>
<context>
    <name>PstTreeModel</name>
    <message>
        <source>%1 (reading…)</source>
        <translation>%1 (lettura…)</translation>
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
    <message>
        <source>Attached mail</source>
        <translation>Email allegata</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as .eml...</source>
        <translation>Salva come .eml...</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>allegato</translation>
    </message>
    <message>
        <source>Save attached mail</source>
        <translation>Salva email allegata</translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation>Messaggi email (*.eml)</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n membro</numerusform>
            <numerusform>%n membri</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution List</source>
        <translation>Lista di distribuzione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membri</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, numero di serie %2</translation>
    </message>
    <message>
        <source>the signer&apos;s certificate is not in the mail</source>
        <translation>il certificato del firmatario non è nel messaggio</translation>
    </message>
    <message>
        <source>the signed part is missing</source>
        <translation>manca la parte firmata</translation>
    </message>
    <message>
        <source>the signature names no signer</source>
        <translation>la firma non indica alcun firmatario</translation>
    </message>
    <message>
        <source>the mail is not encrypted</source>
        <translation>il messaggio non è cifrato</translation>
    </message>
    <message>
        <source>The message nests its parts too deeply; the deepest were not read.</source>
        <translation>Il messaggio annida le sue parti troppo in profondità; le più profonde non sono state lette.</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>parte %1</translation>
    </message>
    <message>
        <source>The key file holds no private key with its certificate.</source>
        <translation>Il file della chiave non contiene alcuna chiave privata con il suo certificato.</translation>
    </message>
    <message>
        <source>The key file could not be opened: wrong password or not a PKCS #12 file (%1).</source>
        <translation>Impossibile aprire il file della chiave: password errata o file non PKCS #12 (%1).</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2</source>
        <translation>Impossibile leggere il file della chiave %1: %2</translation>
    </message>
    <message>
        <source>The mail is wrapped in too many signatures or encryptions to read.</source>
        <translation>Il messaggio è avvolto in troppe firme o cifrature per essere letto.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged: it is not a MIME message.</source>
        <translation>Il messaggio firmato o cifrato è danneggiato: non è un messaggio MIME.</translation>
    </message>
    <message>
        <source>the signature part is damaged (%1)</source>
        <translation>la parte della firma è danneggiata (%1)</translation>
    </message>
    <message>
        <source>The signature carries no message.</source>
        <translation>La firma non contiene alcun messaggio.</translation>
    </message>
    <message>
        <source>The mail holds a kind of S/MIME structure that cannot be shown.</source>
        <translation>Il messaggio contiene un tipo di struttura S/MIME che non può essere mostrato.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged or truncated (%1).</source>
        <translation>Il messaggio firmato o cifrato è danneggiato o troncato (%1).</translation>
    </message>
    <message>
        <source>The chosen key cannot decrypt this mail (%1).</source>
        <translation>La chiave scelta non può decifrare questo messaggio (%1).</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>un firmatario sconosciuto</translation>
    </message>
    <message>
        <source>Signed by %1</source>
        <translation>Firmato da %1</translation>
    </message>
    <message>
        <source>Signed by %1 on %2</source>
        <translation>Firmato da %1 il %2</translation>
    </message>
    <message>
        <source>Signature valid</source>
        <translation>Firma valida</translation>
    </message>
    <message>
        <source>Signature invalid: the mail was changed after it was signed</source>
        <translation>Firma non valida: il messaggio è stato modificato dopo la firma</translation>
    </message>
    <message>
        <source>Signature could not be checked: %1</source>
        <translation>Impossibile verificare la firma: %1</translation>
    </message>
    <message>
        <source>Certificate trusted on this computer</source>
        <translation>Certificato attendibile su questo computer</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer</source>
        <translation>Certificato non attendibile su questo computer</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer (%1)</source>
        <translation>Certificato non attendibile su questo computer (%1)</translation>
    </message>
    <message>
        <source>key id %1</source>
        <translation>id della chiave %1</translation>
    </message>
    <message>
        <source>unknown recipients</source>
        <translation>destinatari sconosciuti</translation>
    </message>
    <message>
        <source>Encrypted for %1; decrypted with your key</source>
        <translation>Cifrato per %1; decifrato con la tua chiave</translation>
    </message>
    <message>
        <source>Encrypted for %1</source>
        <translation>Cifrato per %1</translation>
    </message>
    <message>
        <source>The mail&apos;s smime.p7m holds neither a signature nor an encrypted message.</source>
        <translation>Il file smime.p7m del messaggio non contiene né una firma né un messaggio cifrato.</translation>
    </message>
    <message>
        <source>the key&apos;s certificate is not among the recipients</source>
        <translation>il certificato della chiave non è tra i destinatari</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Tutto il giorno</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation>Organizzatore</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obbligatori</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facoltativi</translation>
    </message>
    <message numerus="yes">
        <source>All day, %n day(s)</source>
        <translation>
            <numerusform>Tutto il giorno, %n giorno</numerusform>
            <numerusform>Tutto il giorno, %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Orario</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Secondo nome</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffisso</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Soprannome</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Ufficio</translation>
    </message>
    <message>
        <source>Profession</source>
        <translation>Professione</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Responsabile</translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation>Assistente</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Ufficio 2</translation>
    </message>
    <message>
        <source>Company Main</source>
        <translation>Centralino azienda</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Casa 2</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Cercapersone</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>ISDN</source>
        <translation>ISDN</translation>
    </message>
    <message>
        <source>TTY/TDD</source>
        <translation>TTY/TDD</translation>
    </message>
    <message>
        <source>Telex</source>
        <translation>Telex</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Pagine web</translation>
    </message>
    <message>
        <source>Business Web Page</source>
        <translation>Pagina web di lavoro</translation>
    </message>
    <message>
        <source>Personal Web Page</source>
        <translation>Pagina web personale</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informazioni personali</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Coniuge</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Hobby</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversario</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message numerus="yes">
        <source>(%n item(s))</source>
        <translation>
            <numerusform>(%n elemento)</numerusform>
            <numerusform>(%n elementi)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Nessun file recente</translation>
    </message>
</context>
<context>
    <name>SearchController</name>
    <message>
        <source>Choose a file in the folder list to search it.</source>
        <translation>Scegliete un file nell&apos;elenco delle cartelle per cercarvi.</translation>
    </message>
    <message>
        <source>The search index could not be read: %1</source>
        <translation>Impossibile leggere l&apos;indice di ricerca: %1</translation>
    </message>
    <message>
        <source>This file is not indexed yet, so nothing was searched.</source>
        <translation>Questo file non è ancora indicizzato, quindi non è stato cercato nulla.</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>Nessun elemento trovato</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) found</source>
        <translation>
            <numerusform>%n elemento trovato</numerusform>
            <numerusform>%n elementi trovati</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 items found</source>
        <translation>I primi %1 elementi trovati</translation>
    </message>
    <message>
        <source>Only %1 of %2 items are indexed so far: more may be found.</source>
        <translation>Finora sono indicizzati solo %1 elementi su %2: potrebbero esserci altri risultati.</translation>
    </message>
    <message>
        <source>Only %1 items are indexed so far: more may be found.</source>
        <translation>Finora sono indicizzati solo %1 elementi: potrebbero esserci altri risultati.</translation>
    </message>
    <message>
        <source>Indexing %1 of %2 items</source>
        <translation>Indicizzazione di %1 elementi su %2</translation>
    </message>
    <message>
        <source>Indexing…</source>
        <translation>Indicizzazione…</translation>
    </message>
    <message>
        <source>The search index is not complete.</source>
        <translation>L&apos;indice di ricerca non è completo.</translation>
    </message>
    <message>
        <source>The search index is not complete: %1</source>
        <translation>L&apos;indice di ricerca non è completo: %1</translation>
    </message>
    <message>
        <source>This item could not be read from the file.</source>
        <translation>Impossibile leggere questo elemento dal file.</translation>
    </message>
</context>
<context>
    <name>SearchIndex</name>
    <message>
        <source>This file has no search index yet.</source>
        <translation>Questo file non ha ancora un indice di ricerca.</translation>
    </message>
    <message>
        <source>The search index of this file is damaged and must be built again.</source>
        <translation>L’indice di ricerca di questo file è danneggiato e deve essere ricostruito.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>La ricerca non è riuscita: %1</translation>
    </message>
</context>
<context>
    <name>SearchIndexWriter</name>
    <message>
        <source>The file %1 is gone.</source>
        <translation>Il file %1 non esiste più.</translation>
    </message>
    <message>
        <source>Cannot create the search index folder %1.</source>
        <translation>Impossibile creare la cartella dell’indice di ricerca %1.</translation>
    </message>
    <message>
        <source>Cannot create the search index in %1: %2.</source>
        <translation>Impossibile creare l’indice di ricerca in %1: %2.</translation>
    </message>
    <message>
        <source>The search index %1 is being written by another process.</source>
        <translation>L’indice di ricerca %1 è in scrittura da parte di un altro processo.</translation>
    </message>
    <message>
        <source>Cannot replace the search index %1: %2.</source>
        <translation>Impossibile sostituire l’indice di ricerca %1: %2.</translation>
    </message>
    <message>
        <source>Cannot create the search index %1: %2.</source>
        <translation>Impossibile creare l’indice di ricerca %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the search index %1: %2.</source>
        <translation>Impossibile scrivere l’indice di ricerca %1: %2.</translation>
    </message>
</context>
<context>
    <name>SearchIndexer</name>
    <message>
        <source>The search index cannot be saved: the folder %1 is not writable.</source>
        <translation>Impossibile salvare l&apos;indice di ricerca: la cartella %1 non è scrivibile.</translation>
    </message>
    <message>
        <source>The search index cannot be saved: the disk is full (%1).</source>
        <translation>Impossibile salvare l&apos;indice di ricerca: il disco è pieno (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read for searching: %1</source>
        <translation>Impossibile leggere il file per la ricerca: %1</translation>
    </message>
    <message>
        <source>The search index cannot be saved: %1</source>
        <translation>Impossibile salvare l&apos;indice di ricerca: %1</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli is missing beside the program.</source>
        <translation>Impossibile creare l&apos;indice di ricerca: lumaroo-cli non si trova accanto al programma.</translation>
    </message>
    <message>
        <source>Indexing was cancelled: searches cover only the items indexed so far.</source>
        <translation>Indicizzazione annullata: le ricerche riguardano solo gli elementi già indicizzati.</translation>
    </message>
    <message>
        <source>Indexing stopped unexpectedly: searches cover only the items indexed so far.</source>
        <translation>L&apos;indicizzazione si è interrotta inaspettatamente: le ricerche riguardano solo gli elementi già indicizzati.</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli could not be started.</source>
        <translation>Impossibile creare l&apos;indice di ricerca: non è stato possibile avviare lumaroo-cli.</translation>
    </message>
</context>
<context>
    <name>SearchQuery</name>
    <message>
        <source>The after: date must come before the before: date.</source>
        <translation>La data di after: deve precedere quella di before:.</translation>
    </message>
    <message>
        <source>%1 needs a word or a &quot;phrase&quot;.</source>
        <translation>%1 richiede una parola o una &quot;frase&quot;.</translation>
    </message>
    <message>
        <source>Unknown operator %1 (known: from:, to:, subject:, has:, kind:, after:, before:, folder:).</source>
        <translation>Operatore sconosciuto %1 (noti: from:, to:, subject:, has:, kind:, after:, before:, folder:).</translation>
    </message>
    <message>
        <source>%1 cannot be excluded with &quot;-&quot;.</source>
        <translation>%1 non può essere escluso con &quot;-&quot;.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 richiede un valore.</translation>
    </message>
    <message>
        <source>has: takes only &quot;attachment&quot;, not &quot;%1&quot;.</source>
        <translation>has: accetta solo &quot;attachment&quot;, non &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown kind &quot;%1&quot; (known: %2).</source>
        <translation>Tipo sconosciuto &quot;%1&quot; (noti: %2).</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD, not &quot;%2&quot;.</source>
        <translation>%1 richiede una data nel formato YYYY-MM-DD, non &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A quotation mark is not closed.</source>
        <translation>Una virgoletta non è chiusa.</translation>
    </message>
</context>
<context>
    <name>SearchScopeBox</name>
    <message>
        <source>This folder</source>
        <translation>Questa cartella</translation>
    </message>
    <message>
        <source>All folders</source>
        <translation>Tutte le cartelle</translation>
    </message>
    <message>
        <source>Search the folder on show or every folder of the file</source>
        <translation>Cerca nella cartella mostrata o in tutte le cartelle del file</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Cerca in</translation>
    </message>
</context>
<context>
    <name>SearchStatusLine</name>
    <message>
        <source>Index Now</source>
        <translation>Indicizza ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SmimePanel</name>
    <message>
        <source>Decrypt with a Key...</source>
        <translation>Decifra con una chiave...</translation>
    </message>
    <message>
        <source>Choose your key</source>
        <translation>Scegli la tua chiave</translation>
    </message>
    <message>
        <source>Keys with certificate (*.p12 *.pfx)</source>
        <translation>Chiavi con certificato (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Key password</source>
        <translation>Password della chiave</translation>
    </message>
    <message>
        <source>Password of the key file:</source>
        <translation>Password del file della chiave:</translation>
    </message>
    <message>
        <source>Cannot decrypt</source>
        <translation>Impossibile decifrare</translation>
    </message>
</context>
<context>
    <name>ThirdPartyNotices</name>
    <message>
        <source>Licences</source>
        <translation>Licenze</translation>
    </message>
</context>
<context>
    <name>UnopenedTarget</name>
    <message>
        <source>Could Not Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>No program on this desktop could open it. It is here:</source>
        <translation>Nessun programma di questo desktop è riuscito ad aprirlo. Si trova qui:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
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
<context>
    <name>main</name>
    <message>
        <source>Some files could not be opened</source>
        <translation>Non è stato possibile aprire alcuni file</translation>
    </message>
</context>
</TS>
