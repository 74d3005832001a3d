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
        <source>Outlook PST Files (*.pst)</source>
        <translation>Archivos PST de Outlook (*.pst)</translation>
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
</context>
<context>
    <name>PstTreeController</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Cerrar archivo</translation>
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
        <source>(%1 items)</source>
        <translation>(%1 elementos)</translation>
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
</TS>
