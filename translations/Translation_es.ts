<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar tod&amp;o</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Comentarios y soporte</translation>
    </message>
    <message>
        <source>Show &amp;Log Folder</source>
        <translation>Mostrar carpeta de &amp;registro</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Acerca de %1</translation>
    </message>
</context>
<context>
    <name>ExportManager</name>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The desktop calendar and address book service (Evolution Data Server) cannot be reached. Please make sure it is installed and that this program runs inside your desktop session.</source>
        <translation>No se puede acceder al servicio de calendario y libreta de direcciones del escritorio (Evolution Data Server). Asegúrese de que esté instalado y de que este programa se ejecute en su sesión de escritorio.</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Error de red. Compruebe su conexión.</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>El programa se ha bloqueado.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Envíe el informe de errores al desarrollador. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>es actualmente la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Demasiadas solicitudes. Inténtelo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>HtmlPrinter</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>ListViewSortMenu</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>From / Name</source>
        <translation>De / Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
</context>
<context>
    <name>LossNotice</name>
    <message numerus="yes">
        <source>%1: %n item(s) could not be shown (see the log).</source>
        <translation>
            <numerusform>%1: no se pudo mostrar %n elemento (consulte el registro).</numerusform>
            <numerusform>%1: no se pudieron mostrar %n elementos (consulte el registro).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: damaged name map; task and journal details are missing.</source>
        <translation>%1: mapa de nombres dañado; faltan los detalles de tareas y del diario.</translation>
    </message>
    <message>
        <source>Items that are damaged, of unknown kinds or missing from the file&apos;s index.</source>
        <translation>Elementos dañados, de tipos desconocidos o ausentes del índice del archivo.</translation>
    </message>
</context>
<context>
    <name>MailPrintProvider</name>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Cc:</source>
        <translation>CC:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Adjuntos:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Asunto:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Show &amp;Hidden Folders</source>
        <translation>Mostrar carpetas &amp;ocultas</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Añada o arrastre archivos aquí</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Añadir archivos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Item List</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>No Item Selected</source>
        <translation>Ningún elemento seleccionado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error opening file!</source>
        <translation>¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>Outlook Data Files (*.pst *.ost)</source>
        <translation>Archivos de datos de Outlook (*.pst *.ost)</translation>
    </message>
    <message>
        <source>Still Opening</source>
        <translation>Todavía abriéndose</translation>
    </message>
    <message>
        <source>This file is still being read. Convert and Export can start once every folder shows its number of items.</source>
        <translation>Este archivo todavía se está leyendo. Convertir y Exportar podrán empezar cuando cada carpeta muestre su número de elementos.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>No Outlook file at hand? In Lumaroo&apos;s source folder, ./scripts/run.sh opens a sample mailbox.</source>
        <translation>¿No tiene a mano un archivo de Outlook? En la carpeta de código fuente de Lumaroo, ./scripts/run.sh abre un buzón de ejemplo.</translation>
    </message>
</context>
<context>
    <name>MyWebViewWidget</name>
    <message>
        <source>Link not opened</source>
        <translation>Enlace no abierto</translation>
    </message>
    <message>
        <source>Only web and e-mail links are opened. This link was not opened:
%1</source>
        <translation>Solo se abren enlaces web y de correo electrónico. Este enlace no se abrió:
%1</translation>
    </message>
</context>
<context>
    <name>NativeMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>OutputFolderCheck</name>
    <message>
        <source>Cannot write to the output folder %1: %2.</source>
        <translation>No se puede escribir en la carpeta de destino %1: %2.</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Browse, convert and print Outlook data files (.pst, .ost).
Every FILE is opened in the window; lumaroo-cli does the same without one.</source>
        <translation>Examine, convierta e imprima archivos de datos de Outlook (.pst, .ost).
Cada ARCHIVO se abre en la ventana; lumaroo-cli hace lo mismo sin ventana.</translation>
    </message>
    <message>
        <source>Outlook data files to open.</source>
        <translation>Archivos de datos de Outlook que se abrirán.</translation>
    </message>
    <message>
        <source>Try &apos;lumaroo --help&apos; for more information.</source>
        <translation>Pruebe &apos;lumaroo --help&apos; para obtener más información.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>archivo no legible</translation>
    </message>
</context>
<context>
    <name>PstExportDialog</name>
    <message>
        <source>Ignore Empty Folders</source>
        <translation>Omitir carpetas vacías</translation>
    </message>
    <message>
        <source>Choose the kinds of files to convert</source>
        <translation>Elija los tipos de archivo que desea convertir</translation>
    </message>
    <message>
        <source>Choose the kinds of files to export to other apps</source>
        <translation>Elija los tipos de archivo que desea exportar a otras aplicaciones</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Mails</source>
        <translation>Correos</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Export to the desktop address book</source>
        <translation>Exportar a la libreta de direcciones del escritorio</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Export to the desktop calendar</source>
        <translation>Exportar al calendario del escritorio</translation>
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
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Mailbox (mbox)</source>
        <translation>Buzón (mbox)</translation>
    </message>
    <message>
        <source>Maildir</source>
        <translation>Maildir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>No items found to export.</source>
        <translation>No se encontraron elementos para exportar.</translation>
    </message>
    <message>
        <source>Convert to *.%1 file</source>
        <translation>Convertir a archivo *.%1</translation>
    </message>
    <message>
        <source>Select export folder</source>
        <translation>Seleccionar carpeta de exportación</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>%1: %2 of %3 handed over, %4 failed.</source>
        <translation>%1: %2 de %3 entregados, %4 con errores.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 converted, %4 failed.</source>
        <translation>%1: %2 de %3 convertidos, %4 con errores.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Finished, but some items failed; the log names them.</source>
        <translation>Finalizado, pero algunos elementos fallaron; el registro los indica.</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Finalizado.</translation>
    </message>
    <message>
        <source>Convert to one *.mbox file per folder</source>
        <translation>Convertir en un archivo *.mbox por carpeta</translation>
    </message>
    <message>
        <source>Convert to a Maildir folder tree</source>
        <translation>Convertir en un árbol de carpetas Maildir</translation>
    </message>
    <message>
        <source>Other items: %1</source>
        <translation>Otros elementos: %1</translation>
    </message>
    <message>
        <source>%1 damaged, could not be read</source>
        <translation>%1 dañados, no se pudieron leer</translation>
    </message>
    <message>
        <source>%1 of an unknown kind, not shown</source>
        <translation>%1 de tipo desconocido, no mostrados</translation>
    </message>
    <message>
        <source>%1 missing from the file&apos;s index</source>
        <translation>%1 ausentes del índice del archivo</translation>
    </message>
</context>
<context>
    <name>PstFileCheck</name>
    <message>
        <source>There is no file or folder of this name.</source>
        <translation>No existe ningún archivo ni carpeta con este nombre.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>No se puede acceder al archivo: %1.</translation>
    </message>
    <message>
        <source>This is a folder, not a PST file.</source>
        <translation>Esto es una carpeta, no un archivo PST.</translation>
    </message>
    <message>
        <source>This is a named pipe (FIFO), not a PST file: it can only be read once, as a stream.</source>
        <translation>Esto es una tubería con nombre (FIFO), no un archivo PST: solo se puede leer una vez, como un flujo.</translation>
    </message>
    <message>
        <source>This is a device or special file, not a PST file.</source>
        <translation>Esto es un dispositivo o un archivo especial, no un archivo PST.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>This is not a PST file: it does not start with a PST file&apos;s signature.</source>
        <translation>Esto no es un archivo PST: no empieza con la firma de un archivo PST.</translation>
    </message>
    <message>
        <source>This PST file is too short to hold a PST header (%1 bytes).</source>
        <translation>Este archivo PST es demasiado corto para contener un encabezado PST (%1 bytes).</translation>
    </message>
</context>
<context>
    <name>PstItem</name>
    <message>
        <source>MMM dd, yyyy &apos;at&apos; hh:mm AP</source>
        <translation>dd MMM yyyy &apos;a las&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>PstMailView</name>
    <message>
        <source>Attachments (%1)</source>
        <translation>Adjuntos (%1)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Back to the mail this one is attached to (%1)</source>
        <translation>Volver al mensaje al que este está adjunto (%1)</translation>
    </message>
</context>
<context>
    <name>PstParser</name>
    <message>
        <source>libpst cannot open this PST file: its header is damaged or of an unknown kind.</source>
        <translation>libpst no puede abrir este archivo PST: su encabezado está dañado o es de un tipo desconocido.</translation>
    </message>
    <message>
        <source>The index of this PST file is damaged.</source>
        <translation>El índice de este archivo PST está dañado.</translation>
    </message>
    <message>
        <source>Damaged folder %1</source>
        <translation>Carpeta dañada %1</translation>
    </message>
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Close File</source>
        <translation>Cerrar archivo</translation>
    </message>
    <message>
        <source>The folder structure of this PST file cannot be read.</source>
        <translation>No se puede leer la estructura de carpetas de este archivo PST.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>%1 (opening…)</source>
        <translation>%1 (abriendo…)</translation>
    </message>
    <message>
        <source>%1 (opening… %2 items read)</source>
        <translation>%1 (abriendo… %2 elementos leídos)</translation>
    </message>
    <message>
        <source>Cancel Opening</source>
        <translation>Cancelar apertura</translation>
    </message>
</context>
<context>
    <name>PstTreeModel</name>
    <message>
        <source>%1 (reading…)</source>
        <translation>%1 (leyendo…)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save attachment</source>
        <translation>Guardar adjunto</translation>
    </message>
    <message>
        <source>Appointment Details</source>
        <translation>Detalles de la cita</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Fecha de finalización</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Recurrence Details</source>
        <translation>Detalles de la periodicidad</translation>
    </message>
    <message>
        <source>Recurrence Pattern</source>
        <translation>Patrón de periodicidad</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <translation>Nombre del contacto</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Professional Information</source>
        <translation>Información profesional</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Números de teléfono</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Particular</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Devolución de llamada</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <translation>Direcciones de correo electrónico</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>Correo electrónico 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Correo electrónico 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Correo electrónico 3</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Fax (Primary)</source>
        <translation>Fax (principal)</translation>
    </message>
    <message>
        <source>Fax (Home)</source>
        <translation>Fax (particular)</translation>
    </message>
    <message>
        <source>Fax (Business)</source>
        <translation>Fax (trabajo)</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Dirección particular</translation>
    </message>
    <message>
        <source>Business Address</source>
        <translation>Dirección del trabajo</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Otra dirección</translation>
    </message>
    <message>
        <source>Journal Entry</source>
        <translation>Entrada del diario</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>No sent date</source>
        <translation>Sin fecha de envío</translation>
    </message>
    <message>
        <source>Task Schedule</source>
        <translation>Programación de la tarea</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Fecha de vencimiento</translation>
    </message>
    <message>
        <source>Task Status</source>
        <translation>Estado de la tarea</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Estimated work</source>
        <translation>Trabajo estimado</translation>
    </message>
    <message>
        <source>Actual work</source>
        <translation>Trabajo real</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>%1 % completed</source>
        <translation>%1 % completado</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>sin comenzar</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>completada</translation>
    </message>
    <message>
        <source>waiting on someone else</source>
        <translation>esperando a otra persona</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>aplazada</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 d</translation>
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
        <translation>%1 semana</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semanas</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>Para: %1</translation>
    </message>
    <message>
        <source>Cc: %1</source>
        <translation>CC: %1</translation>
    </message>
    <message>
        <source>Bcc: %1</source>
        <translation>CCO: %1</translation>
    </message>
    <message>
        <source>Attached mail</source>
        <translation>Correo adjunto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as .eml...</source>
        <translation>Guardar como .eml...</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>adjunto</translation>
    </message>
    <message>
        <source>Save attached mail</source>
        <translation>Guardar correo adjunto</translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation>Mensajes de correo electrónico (*.eml)</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n miembro</numerusform>
            <numerusform>%n miembros</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution List</source>
        <translation>Lista de distribución</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, número de serie %2</translation>
    </message>
    <message>
        <source>the signer&apos;s certificate is not in the mail</source>
        <translation>el certificado del firmante no está en el correo</translation>
    </message>
    <message>
        <source>the signed part is missing</source>
        <translation>falta la parte firmada</translation>
    </message>
    <message>
        <source>the signature names no signer</source>
        <translation>la firma no indica ningún firmante</translation>
    </message>
    <message>
        <source>the mail is not encrypted</source>
        <translation>el correo no está cifrado</translation>
    </message>
    <message>
        <source>The message nests its parts too deeply; the deepest were not read.</source>
        <translation>El mensaje anida sus partes demasiado; las más profundas no se leyeron.</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>parte %1</translation>
    </message>
    <message>
        <source>The key file holds no private key with its certificate.</source>
        <translation>El archivo de clave no contiene ninguna clave privada con su certificado.</translation>
    </message>
    <message>
        <source>The key file could not be opened: wrong password or not a PKCS #12 file (%1).</source>
        <translation>No se pudo abrir el archivo de clave: contraseña incorrecta o no es un archivo PKCS #12 (%1).</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de clave %1: %2</translation>
    </message>
    <message>
        <source>The mail is wrapped in too many signatures or encryptions to read.</source>
        <translation>El correo está envuelto en demasiadas firmas o cifrados para leerlo.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged: it is not a MIME message.</source>
        <translation>El mensaje firmado o cifrado está dañado: no es un mensaje MIME.</translation>
    </message>
    <message>
        <source>the signature part is damaged (%1)</source>
        <translation>la parte de la firma está dañada (%1)</translation>
    </message>
    <message>
        <source>The signature carries no message.</source>
        <translation>La firma no contiene ningún mensaje.</translation>
    </message>
    <message>
        <source>The mail holds a kind of S/MIME structure that cannot be shown.</source>
        <translation>El correo contiene un tipo de estructura S/MIME que no se puede mostrar.</translation>
    </message>
    <message>
        <source>The signed or encrypted message is damaged or truncated (%1).</source>
        <translation>El mensaje firmado o cifrado está dañado o truncado (%1).</translation>
    </message>
    <message>
        <source>The chosen key cannot decrypt this mail (%1).</source>
        <translation>La clave elegida no puede descifrar este correo (%1).</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>un firmante desconocido</translation>
    </message>
    <message>
        <source>Signed by %1</source>
        <translation>Firmado por %1</translation>
    </message>
    <message>
        <source>Signed by %1 on %2</source>
        <translation>Firmado por %1 el %2</translation>
    </message>
    <message>
        <source>Signature valid</source>
        <translation>Firma válida</translation>
    </message>
    <message>
        <source>Signature invalid: the mail was changed after it was signed</source>
        <translation>Firma no válida: el correo se modificó después de firmarse</translation>
    </message>
    <message>
        <source>Signature could not be checked: %1</source>
        <translation>No se pudo comprobar la firma: %1</translation>
    </message>
    <message>
        <source>Certificate trusted on this computer</source>
        <translation>Certificado de confianza en este equipo</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer</source>
        <translation>Certificado que no es de confianza en este equipo</translation>
    </message>
    <message>
        <source>Certificate not trusted on this computer (%1)</source>
        <translation>Certificado que no es de confianza en este equipo (%1)</translation>
    </message>
    <message>
        <source>key id %1</source>
        <translation>id de clave %1</translation>
    </message>
    <message>
        <source>unknown recipients</source>
        <translation>destinatarios desconocidos</translation>
    </message>
    <message>
        <source>Encrypted for %1; decrypted with your key</source>
        <translation>Cifrado para %1; descifrado con su clave</translation>
    </message>
    <message>
        <source>Encrypted for %1</source>
        <translation>Cifrado para %1</translation>
    </message>
    <message>
        <source>The mail&apos;s smime.p7m holds neither a signature nor an encrypted message.</source>
        <translation>El smime.p7m del correo no contiene ni una firma ni un mensaje cifrado.</translation>
    </message>
    <message>
        <source>the key&apos;s certificate is not among the recipients</source>
        <translation>el certificado de la clave no está entre los destinatarios</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Todo el día</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation>Organizador</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatorios</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcionales</translation>
    </message>
    <message numerus="yes">
        <source>All day, %n day(s)</source>
        <translation>
            <numerusform>Todo el día, %n día</numerusform>
            <numerusform>Todo el día, %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Tratamiento</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Oficina</translation>
    </message>
    <message>
        <source>Profession</source>
        <translation>Profesión</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Jefe</translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Trabajo 2</translation>
    </message>
    <message>
        <source>Company Main</source>
        <translation>Principal de la empresa</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Particular 2</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Localizador</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>ISDN</source>
        <translation>RDSI</translation>
    </message>
    <message>
        <source>TTY/TDD</source>
        <translation>TTY/TDD</translation>
    </message>
    <message>
        <source>Telex</source>
        <translation>Télex</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Páginas web</translation>
    </message>
    <message>
        <source>Business Web Page</source>
        <translation>Página web del trabajo</translation>
    </message>
    <message>
        <source>Personal Web Page</source>
        <translation>Página web personal</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Cónyuge</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Aficiones</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message numerus="yes">
        <source>(%n item(s))</source>
        <translation>
            <numerusform>(%n elemento)</numerusform>
            <numerusform>(%n elementos)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>No hay archivos recientes</translation>
    </message>
</context>
<context>
    <name>SearchController</name>
    <message>
        <source>Choose a file in the folder list to search it.</source>
        <translation>Elija un archivo en la lista de carpetas para buscar en él.</translation>
    </message>
    <message>
        <source>The search index could not be read: %1</source>
        <translation>No se pudo leer el índice de búsqueda: %1</translation>
    </message>
    <message>
        <source>This file is not indexed yet, so nothing was searched.</source>
        <translation>Este archivo aún no está indexado, así que no se buscó nada.</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>No se encontró ningún elemento</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) found</source>
        <translation>
            <numerusform>%n elemento encontrado</numerusform>
            <numerusform>%n elementos encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 items found</source>
        <translation>Los primeros %1 elementos encontrados</translation>
    </message>
    <message>
        <source>Only %1 of %2 items are indexed so far: more may be found.</source>
        <translation>Por ahora solo hay %1 de %2 elementos indexados: puede haber más resultados.</translation>
    </message>
    <message>
        <source>Only %1 items are indexed so far: more may be found.</source>
        <translation>Por ahora solo hay %1 elementos indexados: puede haber más resultados.</translation>
    </message>
    <message>
        <source>Indexing %1 of %2 items</source>
        <translation>Indexando %1 de %2 elementos</translation>
    </message>
    <message>
        <source>Indexing…</source>
        <translation>Indexando…</translation>
    </message>
    <message>
        <source>The search index is not complete.</source>
        <translation>El índice de búsqueda no está completo.</translation>
    </message>
    <message>
        <source>The search index is not complete: %1</source>
        <translation>El índice de búsqueda no está completo: %1</translation>
    </message>
    <message>
        <source>This item could not be read from the file.</source>
        <translation>No se pudo leer este elemento del archivo.</translation>
    </message>
</context>
<context>
    <name>SearchIndex</name>
    <message>
        <source>This file has no search index yet.</source>
        <translation>Este archivo aún no tiene índice de búsqueda.</translation>
    </message>
    <message>
        <source>The search index of this file is damaged and must be built again.</source>
        <translation>El índice de búsqueda de este archivo está dañado y debe volver a crearse.</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>La búsqueda ha fallado: %1</translation>
    </message>
</context>
<context>
    <name>SearchIndexWriter</name>
    <message>
        <source>The file %1 is gone.</source>
        <translation>El archivo %1 ya no existe.</translation>
    </message>
    <message>
        <source>Cannot create the search index folder %1.</source>
        <translation>No se puede crear la carpeta del índice de búsqueda %1.</translation>
    </message>
    <message>
        <source>Cannot create the search index in %1: %2.</source>
        <translation>No se puede crear el índice de búsqueda en %1: %2.</translation>
    </message>
    <message>
        <source>The search index %1 is being written by another process.</source>
        <translation>Otro proceso está escribiendo el índice de búsqueda %1.</translation>
    </message>
    <message>
        <source>Cannot replace the search index %1: %2.</source>
        <translation>No se puede reemplazar el índice de búsqueda %1: %2.</translation>
    </message>
    <message>
        <source>Cannot create the search index %1: %2.</source>
        <translation>No se puede crear el índice de búsqueda %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the search index %1: %2.</source>
        <translation>No se puede escribir el índice de búsqueda %1: %2.</translation>
    </message>
</context>
<context>
    <name>SearchIndexer</name>
    <message>
        <source>The search index cannot be saved: the folder %1 is not writable.</source>
        <translation>No se puede guardar el índice de búsqueda: no se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>The search index cannot be saved: the disk is full (%1).</source>
        <translation>No se puede guardar el índice de búsqueda: el disco está lleno (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read for searching: %1</source>
        <translation>No se puede leer el archivo para buscar: %1</translation>
    </message>
    <message>
        <source>The search index cannot be saved: %1</source>
        <translation>No se puede guardar el índice de búsqueda: %1</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli is missing beside the program.</source>
        <translation>No se puede crear el índice de búsqueda: falta lumaroo-cli junto al programa.</translation>
    </message>
    <message>
        <source>Indexing was cancelled: searches cover only the items indexed so far.</source>
        <translation>Se canceló la indexación: las búsquedas abarcan solo los elementos ya indexados.</translation>
    </message>
    <message>
        <source>Indexing stopped unexpectedly: searches cover only the items indexed so far.</source>
        <translation>La indexación se detuvo de forma inesperada: las búsquedas abarcan solo los elementos ya indexados.</translation>
    </message>
    <message>
        <source>The search index cannot be built: lumaroo-cli could not be started.</source>
        <translation>No se puede crear el índice de búsqueda: no se pudo iniciar lumaroo-cli.</translation>
    </message>
</context>
<context>
    <name>SearchQuery</name>
    <message>
        <source>The after: date must come before the before: date.</source>
        <translation>La fecha de after: debe ser anterior a la de before:.</translation>
    </message>
    <message>
        <source>%1 needs a word or a &quot;phrase&quot;.</source>
        <translation>%1 necesita una palabra o una &quot;frase&quot;.</translation>
    </message>
    <message>
        <source>Unknown operator %1 (known: from:, to:, subject:, has:, kind:, after:, before:, folder:).</source>
        <translation>Operador desconocido %1 (conocidos: from:, to:, subject:, has:, kind:, after:, before:, folder:).</translation>
    </message>
    <message>
        <source>%1 cannot be excluded with &quot;-&quot;.</source>
        <translation>%1 no se puede excluir con &quot;-&quot;.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>has: takes only &quot;attachment&quot;, not &quot;%1&quot;.</source>
        <translation>has: solo admite &quot;attachment&quot;, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown kind &quot;%1&quot; (known: %2).</source>
        <translation>Tipo desconocido &quot;%1&quot; (conocidos: %2).</translation>
    </message>
    <message>
        <source>%1 needs a date written YYYY-MM-DD, not &quot;%2&quot;.</source>
        <translation>%1 necesita una fecha con el formato YYYY-MM-DD, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A quotation mark is not closed.</source>
        <translation>Hay unas comillas sin cerrar.</translation>
    </message>
</context>
<context>
    <name>SearchScopeBox</name>
    <message>
        <source>This folder</source>
        <translation>Esta carpeta</translation>
    </message>
    <message>
        <source>All folders</source>
        <translation>Todas las carpetas</translation>
    </message>
    <message>
        <source>Search the folder on show or every folder of the file</source>
        <translation>Buscar en la carpeta mostrada o en todas las carpetas del archivo</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Buscar en</translation>
    </message>
</context>
<context>
    <name>SearchStatusLine</name>
    <message>
        <source>Index Now</source>
        <translation>Indexar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SmimePanel</name>
    <message>
        <source>Decrypt with a Key...</source>
        <translation>Descifrar con una clave...</translation>
    </message>
    <message>
        <source>Choose your key</source>
        <translation>Elija su clave</translation>
    </message>
    <message>
        <source>Keys with certificate (*.p12 *.pfx)</source>
        <translation>Claves con certificado (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Key password</source>
        <translation>Contraseña de la clave</translation>
    </message>
    <message>
        <source>Password of the key file:</source>
        <translation>Contraseña del archivo de clave:</translation>
    </message>
    <message>
        <source>Cannot decrypt</source>
        <translation>No se puede descifrar</translation>
    </message>
</context>
<context>
    <name>ThirdPartyNotices</name>
    <message>
        <source>Licences</source>
        <translation>Licencias</translation>
    </message>
</context>
<context>
    <name>UnopenedTarget</name>
    <message>
        <source>Could Not Open</source>
        <translation>No se pudo abrir</translation>
    </message>
    <message>
        <source>No program on this desktop could open it. It is here:</source>
        <translation>Ningún programa de este escritorio pudo abrirlo. Está aquí:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The list of releases could not be read.</source>
        <translation>No se pudo leer la lista de versiones.</translation>
    </message>
    <message>
        <source>%1 %2 is available. You are using version %3.</source>
        <translation>%1 %2 está disponible. Está usando la versión %3.</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>No se pudo buscar actualizaciones.</translation>
    </message>
    <message>
        <source>The update server answered with error %1.</source>
        <translation>El servidor de actualizaciones respondió con el error %1.</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guía del usuario de %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Some files could not be opened</source>
        <translation>No se pudieron abrir algunos archivos</translation>
    </message>
</context>
</TS>
