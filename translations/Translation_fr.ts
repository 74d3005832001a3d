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
        <source>Outlook PST Files (*.pst)</source>
        <translation>Fichiers PST Outlook (*.pst)</translation>
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
        <translation>dd MMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>PstMailView</name>
    <message>
        <source>Attachments (%1)</source>
        <translation>Pièces jointes (%1)</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Fermer le fichier</translation>
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
        <source>(%1 items)</source>
        <translation>(%1 éléments)</translation>
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
</TS>
