<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>En savoir plus</translation>
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
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Rec&amp;hercher</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>FAQ du produit</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Commentaires et assistance</translation>
    </message>
    <message>
        <source>Show &amp;Log Folder</source>
        <translation>Afficher le dossier du &amp;journal</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>À &amp;propos de %1</translation>
    </message>
</context>
<context>
    <name>ExportManager</name>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>The desktop calendar and address book service (Evolution Data Server) cannot be reached. Please make sure it is installed and that this program runs inside your desktop session.</source>
        <translation>Le service d&apos;agenda et de carnet d&apos;adresses du bureau (Evolution Data Server) est injoignable. Vérifiez qu&apos;il est installé et que ce programme s&apos;exécute dans votre session de bureau.</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Erreur réseau, veuillez vérifier votre connexion !</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>Le programme s&apos;est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Veuillez envoyer le rapport de plantage au développeur. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>est actuellement la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Trop de requêtes, veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>HtmlPrinter</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>ListViewSortMenu</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>From / Name</source>
        <translation>De / Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
</context>
<context>
    <name>LossNotice</name>
    <message numerus="yes">
        <source>%1: %n item(s) could not be shown (see the log).</source>
        <translation>
            <numerusform>%1 : %n élément n&apos;a pas pu être affiché (voir le journal).</numerusform>
            <numerusform>%1 : %n éléments n&apos;ont pas pu être affichés (voir le journal).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: damaged name map; task and journal details are missing.</source>
        <translation>%1 : table des noms endommagée ; les détails des tâches et du journal manquent.</translation>
    </message>
    <message>
        <source>Items that are damaged, of unknown kinds or missing from the file&apos;s index.</source>
        <translation>Éléments endommagés, de type inconnu ou absents de l&apos;index du fichier.</translation>
    </message>
</context>
<context>
    <name>MailPrintProvider</name>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Cc:</source>
        <translation>Cc :</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Pièces jointes :</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Show &amp;Hidden Folders</source>
        <translation>Afficher les dossiers &amp;masqués</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Ajoutez des fichiers ou faites-les glisser ici</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Item List</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>No Item Selected</source>
        <translation>Aucun élément sélectionné</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error opening file!</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licences</translation>
    </message>
    <message>
        <source>Outlook Data Files (*.pst *.ost)</source>
        <translation>Fichiers de données Outlook (*.pst *.ost)</translation>
    </message>
    <message>
        <source>Still Opening</source>
        <translation>Ouverture en cours</translation>
    </message>
    <message>
        <source>This file is still being read. Convert and Export can start once every folder shows its number of items.</source>
        <translation>Ce fichier est encore en cours de lecture. Convertir et Exporter pourront commencer dès que chaque dossier affichera son nombre d’éléments.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No Outlook file at hand? In Lumaroo&apos;s source folder, ./scripts/run.sh opens a sample mailbox.</source>
        <translation>Pas de fichier Outlook sous la main ? Dans le dossier des sources de Lumaroo, ./scripts/run.sh ouvre une boîte aux lettres d&apos;exemple.</translation>
    </message>
</context>
<context>
    <name>MyWebViewWidget</name>
    <message>
        <source>Link not opened</source>
        <translation>Lien non ouvert</translation>
    </message>
    <message>
        <source>Only web and e-mail links are opened. This link was not opened:
%1</source>
        <translation>Seuls les liens web et e-mail sont ouverts. Ce lien n&apos;a pas été ouvert :
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
        <translation>Impossible d&apos;écrire dans le dossier de destination %1 : %2.</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Browse, convert and print Outlook data files (.pst, .ost).
Every FILE is opened in the window; lumaroo-cli does the same without one.</source>
        <translation>Parcourir, convertir et imprimer des fichiers de données Outlook (.pst, .ost).
Chaque FICHIER s&apos;ouvre dans la fenêtre ; lumaroo-cli fait de même sans fenêtre.</translation>
    </message>
    <message>
        <source>Outlook data files to open.</source>
        <translation>Fichiers de données Outlook à ouvrir.</translation>
    </message>
    <message>
        <source>Try &apos;lumaroo --help&apos; for more information.</source>
        <translation>Essayez « lumaroo --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>fichier illisible</translation>
    </message>
</context>
<context>
    <name>PstExportDialog</name>
    <message>
        <source>Ignore Empty Folders</source>
        <translation>Ignorer les dossiers vides</translation>
    </message>
    <message>
        <source>Choose the kinds of files to convert</source>
        <translation>Choisissez les types de fichiers à convertir</translation>
    </message>
    <message>
        <source>Choose the kinds of files to export to other apps</source>
        <translation>Choisissez les types de fichiers à exporter vers d&apos;autres applications</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Mails</source>
        <translation>E-mails</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Export to the desktop address book</source>
        <translation>Exporter vers le carnet d&apos;adresses du bureau</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Export to the desktop calendar</source>
        <translation>Exporter vers l&apos;agenda du bureau</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Mailbox (mbox)</source>
        <translation>Boîte aux lettres (mbox)</translation>
    </message>
    <message>
        <source>Maildir</source>
        <translation>Maildir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>No items found to export.</source>
        <translation>Aucun élément à exporter.</translation>
    </message>
    <message>
        <source>Convert to *.%1 file</source>
        <translation>Convertir en fichier *.%1</translation>
    </message>
    <message>
        <source>Select export folder</source>
        <translation>Choisir le dossier d&apos;exportation</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>%1: %2 of %3 handed over, %4 failed.</source>
        <translation>%1 : %2 sur %3 transmis, %4 en échec.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 converted, %4 failed.</source>
        <translation>%1 : %2 sur %3 convertis, %4 en échec.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Finished, but some items failed; the log names them.</source>
        <translation>Terminé, mais certains éléments ont échoué ; le journal les indique.</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Convert to one *.mbox file per folder</source>
        <translation>Convertir en un fichier *.mbox par dossier</translation>
    </message>
    <message>
        <source>Convert to a Maildir folder tree</source>
        <translation>Convertir en arborescence de dossiers Maildir</translation>
    </message>
    <message>
        <source>Other items: %1</source>
        <translation>Autres éléments : %1</translation>
    </message>
    <message>
        <source>%1 damaged, could not be read</source>
        <translation>%1 endommagé(s), illisible(s)</translation>
    </message>
    <message>
        <source>%1 of an unknown kind, not shown</source>
        <translation>%1 de type inconnu, non affiché(s)</translation>
    </message>
    <message>
        <source>%1 missing from the file&apos;s index</source>
        <translation>%1 absent(s) de l&apos;index du fichier</translation>
    </message>
</context>
<context>
    <name>PstFileCheck</name>
    <message>
        <source>There is no file or folder of this name.</source>
        <translation>Il n&apos;existe aucun fichier ni dossier de ce nom.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Le fichier est inaccessible : %1.</translation>
    </message>
    <message>
        <source>This is a folder, not a PST file.</source>
        <translation>Ceci est un dossier, pas un fichier PST.</translation>
    </message>
    <message>
        <source>This is a named pipe (FIFO), not a PST file: it can only be read once, as a stream.</source>
        <translation>Ceci est un tube nommé (FIFO), pas un fichier PST : il ne peut être lu qu&apos;une fois, comme un flux.</translation>
    </message>
    <message>
        <source>This is a device or special file, not a PST file.</source>
        <translation>Ceci est un périphérique ou un fichier spécial, pas un fichier PST.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>This is not a PST file: it does not start with a PST file&apos;s signature.</source>
        <translation>Ceci n&apos;est pas un fichier PST : il ne commence pas par la signature d&apos;un fichier PST.</translation>
    </message>
    <message>
        <source>This PST file is too short to hold a PST header (%1 bytes).</source>
        <translation>Ce fichier PST est trop court pour contenir un en-tête PST (%1 octets).</translation>
    </message>
</context>
<context>
    <name>PstItem</name>
    <message>
        <source>MMM dd, yyyy &apos;at&apos; hh:mm AP</source>
        <translation>dd MMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>PstMailView</name>
    <message>
        <source>Attachments (%1)</source>
        <translation>Pièces jointes (%1)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Back to the mail this one is attached to (%1)</source>
        <translation>Revenir au message auquel celui-ci est joint (%1)</translation>
    </message>
</context>
<context>
    <name>PstParser</name>
    <message>
        <source>libpst cannot open this PST file: its header is damaged or of an unknown kind.</source>
        <translation>libpst ne peut pas ouvrir ce fichier PST : son en-tête est endommagé ou d&apos;un type inconnu.</translation>
    </message>
    <message>
        <source>The index of this PST file is damaged.</source>
        <translation>L&apos;index de ce fichier PST est endommagé.</translation>
    </message>
    <message>
        <source>Damaged folder %1</source>
        <translation>Dossier endommagé %1</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Close File</source>
        <translation>Fermer le fichier</translation>
    </message>
    <message>
        <source>The folder structure of this PST file cannot be read.</source>
        <translation>La structure des dossiers de ce fichier PST ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>%1 (opening…)</source>
        <translation>%1 (ouverture…)</translation>
    </message>
    <message>
        <source>%1 (opening… %2 items read)</source>
        <translation>%1 (ouverture… %2 éléments lus)</translation>
    </message>
    <message>
        <source>Cancel Opening</source>
        <translation>Annuler l&apos;ouverture</translation>
    </message>
</context>
<context>
    <name>PstTreeModel</name>
    <message>
        <source>%1 (reading…)</source>
        <translation>%1 (lecture…)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save attachment</source>
        <translation>Enregistrer la pièce jointe</translation>
    </message>
    <message>
        <source>Appointment Details</source>
        <translation>Détails du rendez-vous</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Recurrence Details</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Recurrence Pattern</source>
        <translation>Modèle de périodicité</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <translation>Nom du contact</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Professional Information</source>
        <translation>Informations professionnelles</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Numéros de téléphone</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <translation>Adresses e-mail</translation>
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
        <translation>Télécopie</translation>
    </message>
    <message>
        <source>Fax (Primary)</source>
        <translation>Télécopie (principale)</translation>
    </message>
    <message>
        <source>Fax (Home)</source>
        <translation>Télécopie (domicile)</translation>
    </message>
    <message>
        <source>Fax (Business)</source>
        <translation>Télécopie (bureau)</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Adresse du domicile</translation>
    </message>
    <message>
        <source>Business Address</source>
        <translation>Adresse professionnelle</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Autre adresse</translation>
    </message>
    <message>
        <source>Journal Entry</source>
        <translation>Entrée de journal</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>No sent date</source>
        <translation>Pas de date d&apos;envoi</translation>
    </message>
    <message>
        <source>Task Schedule</source>
        <translation>Planification de la tâche</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Task Status</source>
        <translation>État de la tâche</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Estimated work</source>
        <translation>Travail estimé</translation>
    </message>
    <message>
        <source>Actual work</source>
        <translation>Travail réel</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avancement</translation>
    </message>
    <message>
        <source>%1 % completed</source>
        <translation>%1 % effectué</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non commencée</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>terminée</translation>
    </message>
    <message>
        <source>waiting on someone else</source>
        <translation>en attente de quelqu&apos;un d&apos;autre</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>différée</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 j</translation>
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
        <translation>%1 semaine</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semaines</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>À : %1</translation>
    </message>
    <message>
        <source>Cc: %1</source>
        <translation>Cc : %1</translation>
    </message>
    <message>
        <source>Bcc: %1</source>
        <translation>Cci : %1</translation>
    </message>
    <message>
        <source>Attached mail</source>
        <translation>E-mail joint</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as .eml...</source>
        <translation>Enregistrer en .eml...</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>pièce jointe</translation>
    </message>
    <message>
        <source>Save attached mail</source>
        <translation>Enregistrer l&apos;e-mail joint</translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation>Messages électroniques (*.eml)</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n membre</numerusform>
            <numerusform>%n membres</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution List</source>
        <translation>Liste de distribution</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, numéro de série %2</translation>
    </message>
    <message>
        <source>the signer&apos;s certificate is not in the mail</source>
        <translation>le certificat du signataire ne figure pas dans le message</translation>
    </message>
    <message>
        <source>the signed part is missing</source>
        <translation>la partie signée manque</translation>
    </message>
    <message>
        <source>the signature names no signer</source>
        <translation>la signature ne nomme aucun signataire</translation>
    </message>
    <message>
        <source>the mail is not encrypted</source>
        <translation>le message n&apos;est pas chiffré</translation>
    </message>
    <message>
        <source>The message nests its parts too deeply; the deepest were not read.</source>
        <translation>Le message imbrique ses parties trop profondément ; les plus profondes n&apos;ont pas été lues.</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>partie %1</translation>
    </message>
    <message>
        <source>The key file holds no private key with its certificate.</source>
        <translation>Le fichier de clé ne contient aucune clé privée avec son certificat.</translation>
    </message>
    <message>
        <source>The key file could not be opened: wrong password or not a PKCS #12 file (%1).</source>
        <translation>Impossible d&apos;ouvrir le fichier de clé : mot de passe erroné ou fichier non PKCS #12 (%1).</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier de clé %1 : %2</translation>
    </message>
    <message>
        <source>The mail is wrapped in too many signatures or encryptions to read.</source>
        <translation>Le message est enveloppé dans trop de signatures ou de chiffrements pour être lu.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged: it is not a MIME message.</source>
        <translation>Le message signé ou chiffré est endommagé : ce n&apos;est pas un message MIME.</translation>
    </message>
    <message>
        <source>the signature part is damaged (%1)</source>
        <translation>la partie signature est endommagée (%1)</translation>
    </message>
    <message>
        <source>The signature carries no message.</source>
        <translation>La signature ne contient aucun message.</translation>
    </message>
    <message>
        <source>The mail holds a kind of S/MIME structure that cannot be shown.</source>
        <translation>Le message contient un type de structure S/MIME qui ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged or truncated (%1).</source>
        <translation>Le message signé ou chiffré est endommagé ou tronqué (%1).</translation>
    </message>
    <message>
        <source>The chosen key cannot decrypt this mail (%1).</source>
        <translation>La clé choisie ne peut pas déchiffrer ce message (%1).</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>un signataire inconnu</translation>
    </message>
    <message>
        <source>Signed by %1</source>
        <translation>Signé par %1</translation>
    </message>
    <message>
        <source>Signed by %1 on %2</source>
        <translation>Signé par %1 le %2</translation>
    </message>
    <message>
        <source>Signature valid</source>
        <translation>Signature valide</translation>
    </message>
    <message>
        <source>Signature invalid: the mail was changed after it was signed</source>
        <translation>Signature non valide : le message a été modifié après sa signature</translation>
    </message>
    <message>
        <source>Signature could not be checked: %1</source>
        <translation>Impossible de vérifier la signature : %1</translation>
    </message>
    <message>
        <source>Certificate trusted on this computer</source>
        <translation>Certificat approuvé sur cet ordinateur</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer</source>
        <translation>Certificat non approuvé sur cet ordinateur</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer (%1)</source>
        <translation>Certificat non approuvé sur cet ordinateur (%1)</translation>
    </message>
    <message>
        <source>key id %1</source>
        <translation>identifiant de clé %1</translation>
    </message>
    <message>
        <source>unknown recipients</source>
        <translation>des destinataires inconnus</translation>
    </message>
    <message>
        <source>Encrypted for %1; decrypted with your key</source>
        <translation>Chiffré pour %1 ; déchiffré avec votre clé</translation>
    </message>
    <message>
        <source>Encrypted for %1</source>
        <translation>Chiffré pour %1</translation>
    </message>
    <message>
        <source>The mail&apos;s smime.p7m holds neither a signature nor an encrypted message.</source>
        <translation>Le fichier smime.p7m du message ne contient ni signature ni message chiffré.</translation>
    </message>
    <message>
        <source>the key&apos;s certificate is not among the recipients</source>
        <translation>le certificat de la clé ne figure pas parmi les destinataires</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Toute la journée</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation>Organisateur</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoires</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatifs</translation>
    </message>
    <message numerus="yes">
        <source>All day, %n day(s)</source>
        <translation>
            <numerusform>Toute la journée, %n jour</numerusform>
            <numerusform>Toute la journée, %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Civilité</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Surnom</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Profession</source>
        <translation>Profession</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation>Assistant(e)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Bureau 2</translation>
    </message>
    <message>
        <source>Company Main</source>
        <translation>Standard de la société</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Domicile 2</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Radiomessagerie</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>ISDN</source>
        <translation>RNIS</translation>
    </message>
    <message>
        <source>TTY/TDD</source>
        <translation>ATS/ATME</translation>
    </message>
    <message>
        <source>Telex</source>
        <translation>Télex</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Pages web</translation>
    </message>
    <message>
        <source>Business Web Page</source>
        <translation>Page web professionnelle</translation>
    </message>
    <message>
        <source>Personal Web Page</source>
        <translation>Page web personnelle</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Conjoint</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message numerus="yes">
        <source>(%n item(s))</source>
        <translation>
            <numerusform>(%n élément)</numerusform>
            <numerusform>(%n éléments)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Aucun fichier récent</translation>
    </message>
</context>
<context>
    <name>SearchController</name>
    <message>
        <source>Choose a file in the folder list to search it.</source>
        <translation>Choisissez un fichier dans la liste des dossiers pour y chercher.</translation>
    </message>
    <message>
        <source>The search index could not be read: %1</source>
        <translation>L&apos;index de recherche n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>This file is not indexed yet, so nothing was searched.</source>
        <translation>Ce fichier n&apos;est pas encore indexé : rien n&apos;a été cherché.</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>Aucun élément trouvé</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) found</source>
        <translation>
            <numerusform>%n élément trouvé</numerusform>
            <numerusform>%n éléments trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 items found</source>
        <translation>Les %1 premiers éléments trouvés</translation>
    </message>
    <message>
        <source>Only %1 of %2 items are indexed so far: more may be found.</source>
        <translation>Seuls %1 éléments sur %2 sont indexés pour l&apos;instant : d&apos;autres peuvent être trouvés.</translation>
    </message>
    <message>
        <source>Only %1 items are indexed so far: more may be found.</source>
        <translation>Seuls %1 éléments sont indexés pour l&apos;instant : d&apos;autres peuvent être trouvés.</translation>
    </message>
    <message>
        <source>Indexing %1 of %2 items</source>
        <translation>Indexation : %1 éléments sur %2</translation>
    </message>
    <message>
        <source>Indexing…</source>
        <translation>Indexation…</translation>
    </message>
    <message>
        <source>The search index is not complete.</source>
        <translation>L&apos;index de recherche n&apos;est pas complet.</translation>
    </message>
    <message>
        <source>The search index is not complete: %1</source>
        <translation>L&apos;index de recherche n&apos;est pas complet : %1</translation>
    </message>
    <message>
        <source>This item could not be read from the file.</source>
        <translation>Cet élément n&apos;a pas pu être lu dans le fichier.</translation>
    </message>
</context>
<context>
    <name>SearchIndex</name>
    <message>
        <source>This file has no search index yet.</source>
        <translation>Ce fichier n’a pas encore d’index de recherche.</translation>
    </message>
    <message>
        <source>The search index of this file is damaged and must be built again.</source>
        <translation>L’index de recherche de ce fichier est endommagé et doit être reconstruit.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>La recherche a échoué : %1</translation>
    </message>
</context>
<context>
    <name>SearchIndexWriter</name>
    <message>
        <source>The file %1 is gone.</source>
        <translation>Le fichier %1 n’existe plus.</translation>
    </message>
    <message>
        <source>Cannot create the search index folder %1.</source>
        <translation>Impossible de créer le dossier de l’index de recherche %1.</translation>
    </message>
    <message>
        <source>Cannot create the search index in %1: %2.</source>
        <translation>Impossible de créer l’index de recherche dans %1 : %2.</translation>
    </message>
    <message>
        <source>The search index %1 is being written by another process.</source>
        <translation>L’index de recherche %1 est en cours d’écriture par un autre processus.</translation>
    </message>
    <message>
        <source>Cannot replace the search index %1: %2.</source>
        <translation>Impossible de remplacer l’index de recherche %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot create the search index %1: %2.</source>
        <translation>Impossible de créer l’index de recherche %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the search index %1: %2.</source>
        <translation>Impossible d’écrire l’index de recherche %1 : %2.</translation>
    </message>
</context>
<context>
    <name>SearchIndexer</name>
    <message>
        <source>The search index cannot be saved: the folder %1 is not writable.</source>
        <translation>Impossible d&apos;enregistrer l&apos;index de recherche : le dossier %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The search index cannot be saved: the disk is full (%1).</source>
        <translation>Impossible d&apos;enregistrer l&apos;index de recherche : le disque est plein (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read for searching: %1</source>
        <translation>Impossible de lire le fichier pour la recherche : %1</translation>
    </message>
    <message>
        <source>The search index cannot be saved: %1</source>
        <translation>Impossible d&apos;enregistrer l&apos;index de recherche : %1</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli is missing beside the program.</source>
        <translation>Impossible de créer l&apos;index de recherche : lumaroo-cli est absent à côté du programme.</translation>
    </message>
    <message>
        <source>Indexing was cancelled: searches cover only the items indexed so far.</source>
        <translation>Indexation annulée : les recherches ne portent que sur les éléments déjà indexés.</translation>
    </message>
    <message>
        <source>Indexing stopped unexpectedly: searches cover only the items indexed so far.</source>
        <translation>L&apos;indexation s&apos;est arrêtée de façon inattendue : les recherches ne portent que sur les éléments déjà indexés.</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli could not be started.</source>
        <translation>Impossible de créer l&apos;index de recherche : lumaroo-cli n&apos;a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>SearchQuery</name>
    <message>
        <source>The after: date must come before the before: date.</source>
        <translation>La date de after: doit précéder celle de before:.</translation>
    </message>
    <message>
        <source>%1 needs a word or a &quot;phrase&quot;.</source>
        <translation>%1 demande un mot ou une &quot;expression&quot;.</translation>
    </message>
    <message>
        <source>Unknown operator %1 (known: from:, to:, subject:, has:, kind:, after:, before:, folder:).</source>
        <translation>Opérateur inconnu %1 (connus : from:, to:, subject:, has:, kind:, after:, before:, folder:).</translation>
    </message>
    <message>
        <source>%1 cannot be excluded with &quot;-&quot;.</source>
        <translation>%1 ne peut pas être exclu avec &quot;-&quot;.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <source>has: takes only &quot;attachment&quot;, not &quot;%1&quot;.</source>
        <translation>has: accepte seulement &quot;attachment&quot;, pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown kind &quot;%1&quot; (known: %2).</source>
        <translation>Type inconnu &quot;%1&quot; (connus : %2).</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD, not &quot;%2&quot;.</source>
        <translation>%1 demande une date au format YYYY-MM-DD, pas &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A quotation mark is not closed.</source>
        <translation>Un guillemet n’est pas fermé.</translation>
    </message>
</context>
<context>
    <name>SearchScopeBox</name>
    <message>
        <source>This folder</source>
        <translation>Ce dossier</translation>
    </message>
    <message>
        <source>All folders</source>
        <translation>Tous les dossiers</translation>
    </message>
    <message>
        <source>Search the folder on show or every folder of the file</source>
        <translation>Chercher dans le dossier affiché ou dans tous les dossiers du fichier</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Chercher dans</translation>
    </message>
</context>
<context>
    <name>SearchStatusLine</name>
    <message>
        <source>Index Now</source>
        <translation>Indexer maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SmimePanel</name>
    <message>
        <source>Decrypt with a Key...</source>
        <translation>Déchiffrer avec une clé...</translation>
    </message>
    <message>
        <source>Choose your key</source>
        <translation>Choisissez votre clé</translation>
    </message>
    <message>
        <source>Keys with certificate (*.p12 *.pfx)</source>
        <translation>Clés avec certificat (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Key password</source>
        <translation>Mot de passe de la clé</translation>
    </message>
    <message>
        <source>Password of the key file:</source>
        <translation>Mot de passe du fichier de clé :</translation>
    </message>
    <message>
        <source>Cannot decrypt</source>
        <translation>Déchiffrement impossible</translation>
    </message>
</context>
<context>
    <name>ThirdPartyNotices</name>
    <message>
        <source>Licences</source>
        <translation>Licences</translation>
    </message>
</context>
<context>
    <name>UnopenedTarget</name>
    <message>
        <source>Could Not Open</source>
        <translation>Ouverture impossible</translation>
    </message>
    <message>
        <source>No program on this desktop could open it. It is here:</source>
        <translation>Aucun programme de ce bureau n&apos;a pu l&apos;ouvrir. Il se trouve ici :</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The list of releases could not be read.</source>
        <translation>La liste des versions n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>%1 %2 is available. You are using version %3.</source>
        <translation>%1 %2 est disponible. Vous utilisez la version %3.</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Impossible de rechercher des mises à jour.</translation>
    </message>
    <message>
        <source>The update server answered with error %1.</source>
        <translation>Le serveur de mises à jour a répondu par l&apos;erreur %1.</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guide de l&apos;utilisateur de %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Some files could not be opened</source>
        <translation>Certains fichiers n&apos;ont pas pu être ouverts</translation>
    </message>
</context>
</TS>
